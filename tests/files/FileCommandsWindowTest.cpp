// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's .grafc commands and the save question on closing.
#include "FileBytes.h"
#include "MainWindowShown.h"
#include "QtPrinters.h"
#include "ScriptedDialogs.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {
const QString kSaved = QStringLiteral("Результаты успешно сохранёны!");
const QString kLoaded = QStringLiteral("Результаты успешно загружены!");

class FileCommands : public MainWindowShown {
protected:
    QString path(const char* name) const { return dir.filePath(QString::fromUtf8(name)); }

    /** Types the texts into Edit1...Edit13 as the user does. */
    static void type(const QStringList& texts) {
        for (int n = 1; n <= 13; ++n)
            typeInto(Form1->findChild<QLineEdit*>(QStringLiteral("Edit%1").arg(n)),
                     texts.value(n - 1));
    }

    static QStringList fields() {
        QStringList texts;
        for (int n = 1; n <= 13; ++n)
            texts << mainField(n)->text();
        return texts;
    }

    QTemporaryDir dir;
    DialogsScript script;
};
} // namespace

TEST_F(FileCommands, SaveThenLoadRestoresAllThirteenFields) {
    QStringList typed = kClassroomTexts;
    typed[0] = QStringLiteral("Жар ё");
    type(typed);
    script->fileNames = {path("опыт"), path("опыт.grafc")};
    Form1->N5->trigger();
    EXPECT_EQ(filesIn(dir.path()), QStringList{QStringLiteral("опыт.grafc")});
    EXPECT_EQ(readBytes(path("опыт.grafc")),
              "\xc6\xe0\xf0 \xb8\r\n" + kClassroomTexts.mid(1).join("\r\n").toLatin1() + "\r\n");

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
    writeBytes(path("old.grafc"), kClassroomTexts.mid(0, 9).join("\r\n").toLatin1() + "\r\n");
    type(kClassroomTexts);
    script->fileNames = {path("old.grafc")};
    Form1->N6->trigger();
    EXPECT_EQ(fields(), kClassroomTexts.mid(0, 9) + QStringList(4, QString()));
    EXPECT_EQ(script->messages, QStringList{kLoaded});
}

TEST_F(FileCommands, CancelledDialogsDoNothingAndEachDialogOffersItsOwnLastName) {
    type(kClassroomTexts);
    script->fileNames = {QString(), path("x"), path("y.grafc"), QString(), QString()};
    Form1->N5->trigger();
    Form1->ToolButton2->click(); // x
    Form1->N6->trigger();        // y.grafc: missing
    Form1->ToolButton2->click(); // cancelled
    Form1->ToolButton1->click(); // cancelled
    // Until a name is chosen, the documents folder, never the program's own (an uninstall
    // deletes it).
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString first = QFileInfo(documents).isDir() ? documents : QDir::homePath();
    EXPECT_EQ(script->fileInitials, (QStringList{first, first, first, path("x"), path("y.grafc")}));
    EXPECT_EQ(script->fileFilters, QStringList(5, QStringLiteral("Файлы программы (*.grafc)")));
    EXPECT_EQ(filesIn(dir.path()), QStringList{QStringLiteral("x.grafc")});
    EXPECT_EQ(script->messages, QStringList{kSaved});
    EXPECT_EQ(script->errors, QStringList{QStringLiteral("I/O error 103.")});
    EXPECT_EQ(fields(), kClassroomTexts);
}

TEST_F(FileCommands, ChosenFileIsReplacedOrNotCreatedAtAll) {
    type(kClassroomTexts);
    writeBytes(path("A.GRAFC"), QByteArray(500, 'o'));
    script->fileNames = {path("A.GRAFC"), path("no folder/a")};
    Form1->ToolButton2->click();
    EXPECT_EQ(readBytes(path("A.GRAFC")), kClassroomTexts.join("\r\n").toLatin1() + "\r\n");
    Form1->N5->trigger();
    EXPECT_EQ(script->errors, QStringList{QStringLiteral("File not found.")});
    EXPECT_EQ(script->messages, QStringList{kSaved});
    EXPECT_EQ(filesIn(dir.path()), QStringList{QStringLiteral("A.GRAFC")});
}

TEST_F(FileCommands, CloseQuestionAndEachAnswer) {
    using A = Dialogs::Answer;
    const struct {
        const char* name;
        A answer;
        const char* chosen; // null: the save dialog is cancelled
        bool closes;
        QStringList messages, errors;
    } cases[] = {
        // clang-format off
        {"No closes without a dialog", A::No, nullptr, true, {}, {}},
        {"Cancel keeps the window", A::Cancel, nullptr, false, {}, {}},
        {"Yes and a name saves and closes", A::Yes, "q", true, {kSaved}, {}},
        {"Yes, the dialog cancelled, keeps the window", A::Yes, nullptr, false, {}, {}},
        {"Yes and a failed save keeps the window", A::Yes, "none/q", false, {}, {"File not found."}},
        // clang-format on
    };
    for (const auto& c : cases) {
        DialogsScript each;
        Form1->show();
        type(kClassroomTexts);
        each->answers = {c.answer};
        each->fileNames = {c.chosen ? path(c.chosen) : QString()};
        Form1->close();
        EXPECT_EQ(Form1->isVisible(), !c.closes) << c.name;
        EXPECT_EQ(each->questions,
                  QStringList{QStringLiteral("Волнограф|Сохранить файл перед выходом?")});
        EXPECT_EQ(each->fileInitials.size(), c.answer == A::Yes ? 1 : 0) << c.name;
        EXPECT_EQ(each->messages, c.messages) << c.name;
        EXPECT_EQ(each->errors, c.errors) << c.name;
        EXPECT_EQ(fields(), kClassroomTexts) << c.name;
    }
    EXPECT_EQ(filesIn(dir.path()), QStringList{QStringLiteral("q.grafc")});
}
