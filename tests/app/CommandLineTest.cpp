// SPDX-License-Identifier: GPL-3.0-or-later
// The command line as a teacher's shell runs it: outputs written or none, messages on
// standard error, the exit status; and the exported picture is the window's.
#include "app/CommandLine.h"
#include "FileBytes.h"
#include "MainWindowShown.h"
#include "QtPrinters.h"
#include "ScriptedDialogs.h"
#include "files/GrafcFile.h"
#include "plot/PlotData.h"
#include "widgets/PlotImage.h"

#include <QCheckBox>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
struct ProgramRun {
    int status = -1;
    QString out, err;
};

class CommandLineTest : public ::testing::Test {
protected:
    void SetUp() override {
        writeBytes(path("урок.grafc"), kClassroomTexts.join("\r\n").toLatin1() + "\r\n");
        QStringList bad = kClassroomTexts;
        bad[1] = QStringLiteral("один");
        GrafcTexts texts;
        std::copy(bad.begin(), bad.end(), texts.begin());
        writeBytes(path("поле.grafc"), encodeGrafc(texts)); // in Windows-1251
        writeBytes(path("пусто.grafc"), "3\r\n");
    }

    /** The program run in the temporary folder under a Russian locale. */
    ProgramRun run(const QStringList& arguments) const {
        QProcess process;
        process.setWorkingDirectory(dir.path());
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("LC_ALL"), QStringLiteral("ru_RU.UTF-8"));
        env.remove(QStringLiteral("VOLNOGRAF_START_FOLDER"));
        process.setProcessEnvironment(env);
        process.start(QStringLiteral(VOLNOGRAF_EXECUTABLE), arguments);
        process.waitForFinished(60000);
        return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                QString::fromUtf8(process.readAllStandardOutput()),
                QString::fromUtf8(process.readAllStandardError())};
    }

    QString path(const char* name) const { return dir.filePath(QString::fromUtf8(name)); }

    QTemporaryDir dir;
};
} // namespace

TEST_F(CommandLineTest, Outcomes) {
    const struct {
        QStringList arguments;
        int status;
        const char* out; // a part of standard output
        const char* err; // standard error whole
        QStringList files;
    } cases[] = {
        {{"--help"}, 0, "--png ФАЙЛ.png", "", {}},
        {{"--version"}, 0, "Волнограф Вер. 1.2", "", {}},
        {{"--png", "a.png", "--csv", "a.csv", "урок.grafc"}, 0, "", "", {"a.csv", "a.png"}},
        {{"--csv", "a.csv", "--auto", "--points", "--dotted", "урок.grafc"}, 0, "", "", {"a.csv"}},
        {{"--png", "a.png", "--enlarge", "3", "урок.grafc"}, 0, "", "", {"a.png"}},
        {{"--png", "a.png", "нет.grafc"}, 1, "", "{dir}/нет.grafc: I/O error 103.\n", {}},
        {{"--png", "a.png", "--csv", "a.csv", "поле.grafc"},
         1,
         "",
         "{dir}/поле.grafc: 'один' is not a valid floating point value.\n",
         {}},
        {{"--csv", "a.csv", "пусто.grafc"},
         1,
         "",
         "{dir}/пусто.grafc: Не введены данные для построения графика!\n",
         {}},
        // The first file is written, the second cannot be: neither stays.
        {{"--png", "a.png", "--csv", "нет/a.csv", "урок.grafc"},
         1,
         "",
         "{dir}/урок.grafc: Cannot create file \"{dir}/нет/a.csv\". No such file or directory.\n",
         {}},
        {{"--png", "a.png", "--enlarge", "5", "урок.grafc"},
         1,
         "",
         "Значение --enlarge должно быть целым числом от 1 до 4: «5»\nСправка: volnograf --help\n",
         {}},
        {{"--png", "a.png"},
         1,
         "",
         "Не назван файл исходных данных (.grafc)\nСправка: volnograf --help\n",
         {}},
        {{"--svg", "a.svg", "урок.grafc"},
         1,
         "",
         "Неизвестный параметр: --svg\nСправка: volnograf --help\n",
         {}},
        {{"--dotted", "урок.grafc"},
         1,
         "",
         "Параметр --dotted действует только при записи в файлы (--png, --csv)\n"
         "Справка: volnograf --help\n",
         {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        for (const QString& f : filesIn(dir.path()))
            if (!f.endsWith(QLatin1String(".grafc")))
                QFile::remove(path(f.toUtf8().constData()));
        const ProgramRun r = run(c.arguments);
        EXPECT_EQ(r.status, c.status);
        EXPECT_TRUE(r.out.contains(QString::fromUtf8(c.out))) << r.out.toStdString();
        EXPECT_EQ(r.err, QString::fromUtf8(c.err).replace(QLatin1String("{dir}"), dir.path()));
        QStringList outputs = filesIn(dir.path()).filter(QRegularExpression("\\.(png|csv)$"));
        EXPECT_EQ(outputs, c.files);
    }
}

// Relative paths are the user's, also when the launcher started the program elsewhere.
TEST_F(CommandLineTest, PathsFromTheFolderTheUserWasIn) {
    const CommandLine window = parseCommandLine({"volnograf", "урок.grafc", "--scale", "3"}, "/d");
    EXPECT_EQ(window.action, CommandLine::Action::Window);
    EXPECT_EQ(window.file, QStringLiteral("/d/урок.grafc"));
    EXPECT_EQ(window.scale, 3);
    const CommandLine out =
        parseCommandLine({"volnograf", "--csv", "../a.csv", "/e/урок.grafc"}, "/d/c");
    ASSERT_EQ(out.action, CommandLine::Action::Export);
    EXPECT_EQ(out.request.file, QStringLiteral("/e/урок.grafc"));
    ASSERT_EQ(out.request.outputs.size(), 1u);
    EXPECT_EQ(out.request.outputs[0].path, QStringLiteral("/d/a.csv"));
}

namespace {
class ExportedPicture : public MainWindowShown {
protected:
    QTemporaryDir dir;
    RussianLocale locale;
    DialogsScript script;
};
} // namespace

// The exported PNG and CSV are the window's picture and samples for the same fields.
TEST_F(ExportedPicture, IsTheWindowsImage) {
    const QString lesson = dir.filePath("урок.grafc");
    writeBytes(lesson, kClassroomTexts.join("\r\n").toLatin1() + "\r\n");
    for (const bool automatic : {false, true}) {
        SCOPED_TRACE(automatic);
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("LC_ALL"), QStringLiteral("ru_RU.UTF-8"));
        process.setProcessEnvironment(env);
        QStringList arguments{"--png", dir.filePath("a.png"), "--csv", dir.filePath("a.csv"),
                              lesson};
        if (automatic)
            arguments.prepend("--auto");
        process.start(QStringLiteral(VOLNOGRAF_EXECUTABLE), arguments);
        ASSERT_TRUE(process.waitForFinished(60000));
        ASSERT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();

        for (int n = 1; n <= 13; ++n)
            Form1->setFieldText(n, kClassroomTexts[n - 1]);
        if (Form1->CheckBox2->isChecked() != automatic)
            QTest::mouseClick(Form1->CheckBox2, Qt::LeftButton);
        Form1->Button1->click();
        EXPECT_EQ(QImage(dir.filePath("a.png")).convertToFormat(QImage::Format_RGB32),
                  Form1->Image1->image());
        ASSERT_TRUE(Form1->plotSession().complete);
        EXPECT_EQ(readBytes(dir.filePath("a.csv")),
                  plotDataCsv(*Form1->plotSession().complete, QLatin1Char(',')));
    }
}
