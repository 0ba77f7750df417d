// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's file commands: .grafc save and load, the save question on closing, and
// the picture of the window.
#include "QtPrinters.h"
#include "ScriptedDialogs.h"
#include "app/PlotImage.h"
#include "app/Startup.h"
#include "app/Unit1.h"
#include "files/GrafcFile.h"
#include "files/ProgramFolder.h"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QtEndian>
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

namespace {
const QString kSaved = QStringLiteral("Результаты успешно сохранёны!");
const QString kLoaded = QStringLiteral("Результаты успешно загружены!");
const QString kGraphSaved = QStringLiteral("График сохранен в текущую папку программы !");

class FileCommands : public ::testing::Test {
protected:
    void SetUp() override {
        createWindows();
        Form1->show();
        m_previousFolder = setProgramFolder(dir.path());
    }
    void TearDown() override {
        setProgramFolder(m_previousFolder);
        destroyWindows();
    }

    QString path(const QString& name) const { return dir.filePath(name); }

    QStringList files() const {
        return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }

    /** Types a text into Edit1...Edit13 as the user does. */
    static void type(const QStringList& texts) {
        for (int n = 1; n <= 13; ++n) {
            QLineEdit* edit = Form1->findChild<QLineEdit*>(QStringLiteral("Edit%1").arg(n));
            edit->selectAll();
            QTest::keyClick(edit, Qt::Key_Delete);
            for (const QChar ch : texts.value(n - 1)) {
                // Letters beyond ASCII arrive as the text of a key the keyboard maps.
                if (ch.unicode() < 0x80)
                    QTest::keyClick(edit, ch.toLatin1());
                else
                    QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(ch),
                                        Qt::NoModifier);
            }
        }
    }

    static QStringList fields() {
        QStringList texts;
        for (int n = 1; n <= 13; ++n)
            texts << Form1->fieldText(n);
        return texts;
    }

    static QByteArray bytesOf(const QString& file) {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QTemporaryDir dir;
    DialogsScript script;

private:
    QString m_previousFolder;
};

const QStringList kExample = {"3",   "1",  "1",   "1,6", "9,1",  "15",  "13",
                              "-31", "28", "-19", "0",   "6E15", "1E12"};
} // namespace

TEST_F(FileCommands, SaveThenLoadRestoresAllThirteenFields) {
    QStringList typed = kExample;
    typed[0] = QStringLiteral("Жар ё"); // Cyrillic goes through Windows-1251
    type(typed);
    script->fileNames = {path(QStringLiteral("опыт")), path(QStringLiteral("опыт.grafc"))};
    Form1->N5->trigger();
    EXPECT_EQ(files(), QStringList{QStringLiteral("опыт.grafc")});
    const QByteArray bytes = bytesOf(path(QStringLiteral("опыт.grafc")));
    EXPECT_EQ(bytes.count("\r\n"), 13);
    EXPECT_TRUE(bytes.startsWith("\xc6\xe0\xf0 \xb8\r\n1\r\n1\r\n1,6\r\n"));
    EXPECT_TRUE(bytes.endsWith("\r\n-19\r\n0\r\n6E15\r\n1E12\r\n"));

    type(QStringList(13, QStringLiteral("x")));
    QTest::mouseClick(Form1->CheckBox2, Qt::LeftButton);
    Form1->Timer1Timer(); // the interval fields grey out
    ASSERT_FALSE(Form1->Edit12->isEnabled());
    Form1->ToolButton1->click();
    EXPECT_EQ(fields(), typed) << "disabled interval fields are filled too";
    EXPECT_EQ(script->messages, (QStringList{kSaved, kLoaded}));
    EXPECT_TRUE(script->errors.isEmpty());
}

TEST_F(FileCommands, NineLineFileOfAnOlderCopyEmptiesTheLastFour) {
    QFile old(path(QStringLiteral("old.grafc")));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("3\r\n1\r\n1\r\n1,6\r\n9,1\r\n15\r\n13\r\n-31\r\n28\r\n");
    old.close();
    type(kExample);
    script->fileNames = {old.fileName()};
    Form1->N6->trigger();
    EXPECT_EQ(fields(), kExample.mid(0, 9) + QStringList(4, QString()));
    EXPECT_EQ(script->messages, QStringList{kLoaded});
}

TEST_F(FileCommands, CancelledDialogsWriteAndShowNothing) {
    type(kExample);
    script->fileNames = {QString(), QString(), QString(), QString()};
    Form1->N5->trigger();
    Form1->ToolButton2->click();
    Form1->N6->trigger();
    Form1->ToolButton1->click();
    EXPECT_EQ(script->fileInitials.size(), 4);
    EXPECT_EQ(script->fileFilters, QStringList(4, QStringLiteral("Файлы программы (*.grafc)")));
    EXPECT_TRUE(files().isEmpty());
    EXPECT_TRUE(script->messages.isEmpty());
    EXPECT_TRUE(script->errors.isEmpty());
    EXPECT_EQ(fields(), kExample);
}

TEST_F(FileCommands, FailuresLeaveFieldsAndFilesAsTheyWere) {
    type(kExample);
    script->fileNames = {path(QStringLiteral("missing.grafc")),
                         path(QStringLiteral("no folder/a"))};
    Form1->N6->trigger();
    EXPECT_EQ(fields(), kExample);
    Form1->N5->trigger();
    EXPECT_EQ(script->errors,
              (QStringList{QStringLiteral("I/O error 103."), QStringLiteral("File not found.")}));
    EXPECT_TRUE(script->messages.isEmpty());
    EXPECT_TRUE(files().isEmpty());
}

TEST_F(FileCommands, ChosenFileIsReplacedWithoutASecondExtension) {
    type(kExample);
    QFile existing(path(QStringLiteral("A.GRAFC")));
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.write(QByteArray(500, 'o'));
    existing.close();
    script->fileNames = {existing.fileName()};
    Form1->ToolButton2->click();
    EXPECT_EQ(files(), QStringList{QStringLiteral("A.GRAFC")});
    EXPECT_EQ(bytesOf(existing.fileName()), kExample.join("\r\n").toLatin1() + "\r\n");
}

TEST_F(FileCommands, EachDialogOffersItsOwnLastName) {
    const QString saved = path(QStringLiteral("x"));
    const QString loaded = path(QStringLiteral("x.grafc"));
    script->fileNames = {saved, loaded, QString(), QString()};
    Form1->N5->trigger();
    Form1->N6->trigger();
    Form1->ToolButton2->click();
    Form1->ToolButton1->click();
    EXPECT_EQ(script->fileInitials, (QStringList{QString(), QString(), saved, loaded}));
}

TEST_F(FileCommands, CloseQuestionAndEachAnswer) {
    using A = Dialogs::Answer;
    const struct {
        const char* name;
        A answer;
        QString chosen; // empty: the save dialog is cancelled
        bool closes;
        const char* message;
        const char* error;
    } cases[] = {
        {"No closes without a dialog", A::No, {}, true, nullptr, nullptr},
        {"Cancel keeps the window", A::Cancel, {}, false, nullptr, nullptr},
        {"Yes and a name saves and closes", A::Yes, path(QStringLiteral("q")), true,
         "Результаты успешно сохранёны!", nullptr},
        {"Yes and the dialog cancelled keeps the window", A::Yes, {}, false, nullptr, nullptr},
        {"Yes and a failed save keeps the window", A::Yes, path(QStringLiteral("none/q")), false,
         nullptr, "File not found."},
    };
    for (const auto& c : cases) {
        DialogsScript each;
        Form1->show();
        type(kExample);
        each->answers = {c.answer};
        each->fileNames = {c.chosen};
        Form1->close();
        EXPECT_EQ(Form1->isVisible(), !c.closes) << c.name;
        EXPECT_EQ(each->questions,
                  QStringList{QStringLiteral("Волнограф|Сохранить файл перед выходом?")});
        EXPECT_EQ(each->fileInitials.size(), c.answer == A::Yes ? 1 : 0) << c.name;
        EXPECT_EQ(each->messages,
                  c.message ? QStringList{QString::fromUtf8(c.message)} : QStringList())
            << c.name;
        EXPECT_EQ(each->errors, c.error ? QStringList{QString::fromUtf8(c.error)} : QStringList())
            << c.name;
        EXPECT_EQ(fields(), kExample) << c.name;
    }
    EXPECT_EQ(files(), QStringList{QStringLiteral("q.grafc")});
}
