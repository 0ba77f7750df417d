// SPDX-License-Identifier: GPL-3.0-or-later
// The example lessons the program comes with: beside it, each plotted without a message in
// any language's numbers, each named in the guide.
#include "QtPrinters.h"
#include "RunProgram.h"
#include "model/Model.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
QDir examplesBesideTheProgram() {
    return QDir(QFileInfo(QStringLiteral(VOLNOGRAF_EXECUTABLE)).dir().filePath("Примеры"));
}

QStringList exampleNames() {
    return examplesBesideTheProgram().entryList({QStringLiteral("*.grafc")}, QDir::Files,
                                                QDir::Name);
}
} // namespace

TEST(Examples, EachPlotsWithoutAMessageWhateverTheDecimalSeparator) {
    const QStringList names = exampleNames();
    ASSERT_GE(names.size(), 5) << examplesBesideTheProgram().path().toStdString();
    QTemporaryDir dir;
    for (const char* numeric : {"ru_RU.UTF-8", "C"})
        for (const QString& name : names) {
            SCOPED_TRACE(name.toStdString() + " " + numeric);
            const ProgramRun run =
                runProgram({"--png", dir.filePath("a.png"), "--csv", dir.filePath("a.csv"),
                            examplesBesideTheProgram().filePath(name)},
                           programEnvironment(numeric));
            EXPECT_EQ(run.err, QString());
            EXPECT_EQ(run.status, 0);
            EXPECT_TRUE(QFileInfo(dir.filePath("a.png")).size() > 0);
        }
}

TEST(Examples, TheGuideNamesEachFile) {
    QFile page(QStringLiteral(VOLNOGRAF_HELP_DIR "/examples.html"));
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(page.readAll());
    for (const QString& name : exampleNames())
        EXPECT_TRUE(text.contains(QStringLiteral("<code>%1</code>").arg(name)))
            << name.toStdString();
}

namespace {
/** Runs the export of an example with the given options in a C locale: its standard output. */
QString exportExample(const QString& name, QStringList options) {
    const ProgramRun run =
        runProgram(options << examplesBesideTheProgram().filePath(name), programEnvironment("C"));
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    return run.out;
}

/** Rows of the picture where the n curve (pure red) has a pixel. */
int rowsOfN(const QImage& picture) {
    int rows = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (picture.pixel(x, y) == qRgb(255, 0, 0)) {
                ++rows;
                break;
            }
    return rows;
}
} // namespace

// Sodium's n - 1 is about 1E-6: flat on the usual range, an S-curve over the whole height
// when the range is fitted to the curves (its lowest value above 0).
TEST(Examples, SodiumFittedShowsTheAnomalousDispersion) {
    QTemporaryDir dir;
    const QString png = dir.filePath("a.png");
    exportExample(QStringLiteral("натрий.grafc"), {"--png", png});
    EXPECT_LE(rowsOfN(QImage(png)), 3);
    exportExample(QStringLiteral("натрий.grafc"), {"--png", png, "--fit"});
    EXPECT_GT(rowsOfN(QImage(png)), 400);
}

// A probe printed by the command line reads the model at its frequency to 13 digits.
TEST(Examples, ProbeOfTheLessonReadsTheModel) {
    QTemporaryDir dir;
    const QStringList rows = exportExample(QStringLiteral("урок.grafc"),
                                           {"--png", dir.filePath("a.png"), "--probe", "512.5"})
                                 .split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(rows.size(), 2);
    const QStringList fields = rows[1].split('\t');
    ASSERT_EQ(fields.size(), 5);
    EXPECT_EQ(fields[0], QStringLiteral("512.5"));
    const TModelParams lesson{500, 50, 1.6e-19, 40, 9.1e-31, kElectricConstant};
    EXPECT_NEAR(fields[3].toDouble(), RefractionRe(lesson, 512.5), 1e-13);
    EXPECT_NEAR(fields[4].toDouble(), RefractionIm(lesson, 512.5), 1e-13);
}
