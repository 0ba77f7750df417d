// SPDX-License-Identifier: GPL-3.0-or-later
// The command line as a teacher's shell runs it: outputs written or none, messages on
// standard error, the exit status; and the exported picture is the window's.
#include "app/CommandLine.h"
#include "MainWindowShown.h"
#include "QtPrinters.h"
#include "RunProgram.h"
#include "ScriptedDialogs.h"
#include "files/GrafcFile.h"
#include "plot/PlotData.h"
#include "widgets/PlotImage.h"

#include <QCheckBox>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {
/** The lesson's file with the text in field n (from 1), in Windows-1251 as the program writes. */
QByteArray lessonWith(int n, const char* text) {
    GrafcTexts texts;
    std::copy(kClassroomTexts.begin(), kClassroomTexts.end(), texts.begin());
    texts[n - 1] = QString::fromUtf8(text);
    return encodeGrafc(texts);
}

class CommandLineTest : public ::testing::Test {
protected:
    void SetUp() override {
        writeLessonFile(path("урок.grafc"));
        writeBytes(path("поле.grafc"), lessonWith(2, "один"));
        writeBytes(path("пусто.grafc"), "3\r\n");
    }

    QString path(const QString& name) const { return dir.filePath(name); }

    QTemporaryDir dir;
};
} // namespace

// Each row runs the program as the launcher does: started elsewhere, told the user's folder.
TEST_F(CommandLineTest, Outcomes) {
    const QString help = QStringLiteral("\nСправка: volnograf --help\n");
    const struct {
        const char* arguments;
        int status;
        QString text; // a part of standard output on success, standard error whole otherwise
        const char* files;
    } cases[] = {
        {"--help", 0, "--png ФАЙЛ.png", ""},
        {"--version", 0, "Волнограф Вер. 1.2", ""},
        {"--png a.png --csv a.csv урок.grafc", 0, "", "a.csv a.png"},
        {"--csv a.csv --auto --points --dotted урок.grafc", 0, "", "a.csv"},
        {"--png a.png --enlarge 3 урок.grafc", 0, "", "a.png"},
        {"--png a.png нет.grafc", 1, "{dir}/нет.grafc: I/O error 103.\n", ""},
        {"--png a.png --csv a.csv поле.grafc", 1,
         "{dir}/поле.grafc: 'один' is not a valid floating point value.\n", ""},
        {"--csv a.csv пусто.grafc", 1,
         "{dir}/пусто.grafc: Не введены данные для построения графика!\n", ""},
        // The first file is written, the second cannot be: neither stays.
        {"--png a.png --csv нет/a.csv урок.grafc", 1,
         "{dir}/урок.grafc: Cannot create file \"{dir}/нет/a.csv\". No such file or directory.\n",
         ""},
        {"--png a.png --enlarge 5 урок.grafc", 1,
         "Значение --enlarge должно быть целым числом от 1 до 4: «5»" + help, ""},
        {"--scale 0 урок.grafc", 1,
         "Значение --scale должно быть числом от 1 до 4 (например, 1,5) или fit: «0»" + help, ""},
        {"--png a.png", 1, "Не назван файл исходных данных (.grafc)" + help, ""},
        {"--svg a.svg --pdf a.pdf --dotted урок.grafc", 0, "", "a.pdf a.svg"},
        {"--jpg a.jpg урок.grafc", 1, "Неизвестный параметр: --jpg" + help, ""},
        // The picture takes the format its name asks for, where Qt writes it.
        {"--png a.jpg урок.grafc", 0, "", "a.jpg"},
        {"--png a.BMP --enlarge 2 урок.grafc", 0, "", "a.BMP"},
        {"--png a.gif урок.grafc", 1,
         "Рисунок записывается только в PNG, JPEG или BMP (.png, .jpg, .jpeg, .bmp): {dir}/a.gif" +
             help,
         ""},
        {"--svg a.svg --enlarge 2 урок.grafc", 1,
         "Параметр --enlarge действует только при записи рисунка (--png)" + help, ""},
        {"--enlarge 2 урок.grafc", 1,
         "Параметр --enlarge действует только при записи рисунка (--png)" + help, ""},
        {"-png a.png урок.grafc", 0, "", "a.png"},
        {"--png a.png --csv a.png урок.grafc", 1,
         "{dir}/урок.grafc: Один и тот же файл назван выходным дважды: {dir}/a.png\n", ""},
        {"--csv /dev/null урок.grafc", 1,
         "{dir}/урок.grafc: Выходной файл — не обычный файл (устройство, канал или сокет), он "
         "не заменяется: /dev/null\n",
         ""},
        {"--png . урок.grafc", 1, "{dir}/урок.grafc: На месте выходного файла папка: {dir}\n", ""},
        {"--dotted урок.grafc", 1,
         "Параметр --dotted действует только при записи в файлы (--png, --svg, --pdf, --csv)" +
             help,
         ""},
        {"--probe 1 урок.grafc", 1,
         "Параметр --probe действует только при записи в файлы (--png, --svg, --pdf, --csv)" + help,
         ""},
        {"--png a.png --probe 1 --probe 2 --probe 3 --probe 4 --probe 5 урок.grafc", 1,
         "Меток --probe может быть не больше 4" + help, ""},
        {"--png a.png --probe 3E15 --fit урок.grafc", 0, "3E15\t477464829275686\t", "a.png"},
        {"--png a.png --probe 3.1E15 урок.grafc", 1,
         "{dir}/урок.grafc: '3.1E15' is not a valid floating point value.\n", ""},
    };
    QProcessEnvironment env = programEnvironment();
    env.insert(QStringLiteral("VOLNOGRAF_START_FOLDER"), dir.path());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments);
        for (const QString& f : filesIn(dir.path()))
            if (!f.endsWith(QLatin1String(".grafc")))
                QFile::remove(path(f));
        const ProgramRun run = runProgram(QString::fromUtf8(c.arguments).split(QLatin1Char(' ')),
                                          env, QDir::rootPath());
        EXPECT_EQ(run.status, c.status);
        if (c.status == 0) {
            EXPECT_TRUE(run.out.contains(c.text)) << run.out.toStdString();
            EXPECT_EQ(run.err, QString());
        } else {
            EXPECT_EQ(run.err, QString(c.text).replace(QLatin1String("{dir}"), dir.path()));
        }
        const QStringList written =
            filesIn(dir.path()).filter(QRegularExpression("\\.(png|svg|pdf|csv|jpg|bmp|BMP|gif)$"));
        EXPECT_EQ(written.join(' '), QString::fromUtf8(c.files));
        // Each file's first bytes are those of the format its name names.
        const std::pair<const char*, QByteArray> magic[] = {
            {".png", "\x89PNG"}, {".jpg", "\xFF\xD8\xFF"}, {".BMP", "BM"}, {".pdf", "%PDF"}};
        for (const QString& f : written)
            for (const auto& [suffix, start] : magic)
                EXPECT_TRUE(!f.endsWith(QLatin1String(suffix)) ||
                            readBytes(path(f)).startsWith(start))
                    << f.toStdString();
    }
}

// A failed, refused or stopped export leaves every file as it was.
TEST_F(CommandLineTest, OldFilesStay) {
    // 6·10^10 samples: stopped by SIGTERM.
    writeBytes(path("долго.grafc"), lessonWith(13, "1E5"));
    // 10^7 samples: the plot's chunks pass quickly, the table's rows do not, so the stop
    // also comes while the table is written.
    writeBytes(path("таблица.grafc"), lessonWith(13, "6E8"));
    ASSERT_EQ(mkfifo(QFile::encodeName(path("канал")).constData(), 0600), 0);
    const struct {
        const char* arguments;
        const char* old; // the file looked at
        bool terminated;
        const char* standardOutput; // where the probes' table goes; null: read by the test
    } cases[] = {
        {"--png old.png --csv нет/x.csv урок.grafc", "old.png", false, nullptr},
        {"--png old.png --csv канал урок.grafc", "old.png", false, nullptr},
        {"--csv урок.grafc урок.grafc", "урок.grafc", false, nullptr},
        {"--png old.png --csv old.csv долго.grafc", "old.csv", true, nullptr},
        {"--png old.png --csv old.csv таблица.grafc", "old.csv", true, nullptr},
        {"--png old.png --probe 5E14 урок.grafc", "old.png", false, "/dev/full"},
    };
    QProcessEnvironment env = programEnvironment();
    env.insert(QStringLiteral("VOLNOGRAF_START_FOLDER"), dir.path());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments);
        writeBytes(path("old.png"), "OLD");
        writeBytes(path("old.csv"), "OLD");
        const QByteArray before = readBytes(path(c.old));
        QProcess process;
        process.setProcessEnvironment(env);
        if (c.standardOutput)
            process.setStandardOutputFile(QString::fromLatin1(c.standardOutput));
        process.start(QStringLiteral(VOLNOGRAF_EXECUTABLE),
                      QString::fromUtf8(c.arguments).split(QLatin1Char(' ')));
        QByteArray err;
        if (c.terminated) {
            // Its progress, printed after two seconds, tells that the plot is under way.
            process.setReadChannel(QProcess::StandardError);
            while (!err.contains("Построение графика: ") && process.waitForReadyRead(60000))
                err += process.readAllStandardError();
            ASSERT_TRUE(err.contains("Построение графика: ")) << err.toStdString();
            process.terminate();
        }
        ASSERT_TRUE(process.waitForFinished(60000));
        err += process.readAllStandardError();
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(process.exitCode(), 1);
        EXPECT_EQ(readBytes(path(c.old)), before);
        if (c.terminated) {
            EXPECT_TRUE(err.endsWith(".grafc: Построение прервано\n")) << err.toStdString();
        }
        struct stat pipe {};
        EXPECT_TRUE(stat(QFile::encodeName(path("канал")).constData(), &pipe) == 0 &&
                    S_ISFIFO(pipe.st_mode))
            << "the named pipe is still one";
        EXPECT_EQ(filesIn(dir.path()).filter(QRegularExpression("^\\.|\\.png$|\\.csv$")),
                  (QStringList{"old.csv", "old.png"}))
            << "no new file and no temporary one";
    }
    // The help that cannot be written is no success.
    QProcess help;
    help.setStandardOutputFile(QStringLiteral("/dev/full"));
    help.start(QStringLiteral(VOLNOGRAF_EXECUTABLE), {QStringLiteral("--help")});
    ASSERT_TRUE(help.waitForFinished(60000));
    EXPECT_EQ(help.exitCode(), 1);
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
    writeLessonFile(lesson);
    for (const bool automatic : {false, true}) {
        SCOPED_TRACE(automatic);
        QStringList arguments{"--png", dir.filePath("a.png"), "--csv", dir.filePath("a.csv"),
                              lesson};
        if (automatic)
            arguments.prepend("--auto");
        const ProgramRun run = runProgram(arguments);
        ASSERT_EQ(run.status, 0) << run.err.toStdString();

        fillMainFields();
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
