// SPDX-License-Identifier: GPL-3.0-or-later
// The example lessons the program comes with: beside it, each plotted without a message in
// any language's numbers, each named in the guide.
#include "QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
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
    for (const char* numeric : {"ru_RU.UTF-8", "C"}) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("LC_ALL"));
        env.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
        env.insert(QStringLiteral("LC_NUMERIC"), QString::fromUtf8(numeric));
        for (const QString& name : names) {
            SCOPED_TRACE(name.toStdString() + " " + numeric);
            QProcess process;
            process.setProcessEnvironment(env);
            process.start(QStringLiteral(VOLNOGRAF_EXECUTABLE),
                          {"--png", dir.filePath("a.png"), "--csv", dir.filePath("a.csv"),
                           examplesBesideTheProgram().filePath(name)});
            ASSERT_TRUE(process.waitForFinished(60000));
            EXPECT_EQ(QString::fromUtf8(process.readAllStandardError()), QString());
            EXPECT_EQ(process.exitCode(), 0);
            EXPECT_TRUE(QFileInfo(dir.filePath("a.png")).size() > 0);
        }
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
