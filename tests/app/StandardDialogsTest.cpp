// SPDX-License-Identifier: GPL-3.0-or-later
// Qt's own dialogs as the program shows them: font, colours and the language of their buttons.
#include "MainWindowShown.h"
#include "files/ProgramFolder.h"
#include "widgets/ColorPanel.h"
#include "windows/Unit3.h"

#include "QtPrinters.h"
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QFontDialog>
#include <QFontInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

#include <gtest/gtest.h>

namespace {
/** Answers the next modal dialog of kind D from inside its event loop; answer must close it.
    Gives up after a few seconds, so a dialog that never comes leaves nothing behind. */
template <typename D> void answerNextDialog(std::function<void(D*)> answer) {
    auto* timer = new QTimer;
    auto tries = std::make_shared<int>(500);
    QObject::connect(timer, &QTimer::timeout, [timer, tries, answer] {
        auto* dialog = qobject_cast<D*>(QApplication::activeModalWidget());
        if (!dialog && --*tries > 0)
            return;
        timer->stop();
        timer->deleteLater();
        if (dialog)
            answer(dialog);
    });
    timer->start(10);
}

class StandardDialogs : public MainWindowShown {};
} // namespace

TEST_F(StandardDialogs, FontDialogOpensWithTheClassicFontAndOKWithoutAChangeKeepsIt) {
    const QFont before = Form1->Edit6->font();
    QFont offered;
    answerNextDialog<QFontDialog>([&](QFontDialog* dialog) {
        offered = dialog->currentFont();
        dialog->accept();
    });
    Form1->N17->trigger();
    // The classic dialog font as the window's own fonts are mapped, at 11 pixels, regular.
    const QString family = QFontInfo(Form1->font()).family();
    EXPECT_EQ(offered.family(), family);
    EXPECT_FALSE(offered.bold());
    EXPECT_FALSE(offered.italic());
    for (QLineEdit* e : {Form1->Edit1, Form1->Edit5}) {
        const QFont f = e->font();
        EXPECT_EQ(f.family(), family);
        EXPECT_EQ(f.pixelSize(), 11);
        EXPECT_EQ(f.weight(), QFont::Normal);
        EXPECT_FALSE(f.italic());
    }
    EXPECT_EQ(Form1->Edit6->font(), before);
}

TEST_F(StandardDialogs, EachColourDialogKeepsItsOwnCustomColours) {
    const QColor added(10, 20, 30), white(255, 255, 255);
    const auto panel = [](const char* name) {
        return Settings->findChild<ColorPanel*>(QString::fromLatin1(name));
    };
    // In the dialog of the first curve's panel the user adds a custom colour and confirms.
    answerNextDialog<QColorDialog>([&](QColorDialog* dialog) {
        QColorDialog::setCustomColor(0, added);
        dialog->accept();
    });
    QTest::mouseClick(panel("butShapeColor1"), Qt::LeftButton);

    // Every other colour dialog still has its sixteen white ones; the first has its own.
    const struct {
        const char* name;
        std::function<void()> open;
        QColor first;
    } cases[] = {
        {"grid", [&] { QTest::mouseClick(panel("butSHapeColor4"), Qt::LeftButton); }, white},
        {"labels", [&] { QTest::mouseClick(panel("butSHapeColor6"), Qt::LeftButton); }, white},
        {"background of the main window", [] { Form1->N15->trigger(); }, white},
        {"first curve again", [&] { QTest::mouseClick(panel("butShapeColor1"), Qt::LeftButton); },
         added},
    };
    for (const auto& c : cases) {
        QList<QColor> shown;
        answerNextDialog<QColorDialog>([&](QColorDialog* dialog) {
            for (int i = 0; i < QColorDialog::customCount(); ++i)
                shown << QColorDialog::customColor(i);
            dialog->reject();
        });
        c.open();
        ASSERT_EQ(shown.size(), 16) << c.name;
        EXPECT_EQ(shown[0], c.first) << c.name;
        for (int i = 1; i < 16; ++i)
            EXPECT_EQ(shown[i], white) << c.name << " " << i;
    }
}

TEST_F(StandardDialogs, StandardButtonsAreRussianWhateverTheSystemLanguage) {
    QMessageBox box(QMessageBox::Information, QStringLiteral("Волнограф"), QStringLiteral("?"),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    const auto text = [&](QMessageBox::StandardButton b) {
        return box.button(b)->text().remove(QLatin1Char('&'));
    };
    EXPECT_EQ(text(QMessageBox::Yes), QStringLiteral("Да"));
    EXPECT_EQ(text(QMessageBox::No), QStringLiteral("Нет"));
    EXPECT_EQ(text(QMessageBox::Cancel), QStringLiteral("Отмена"));
    // The numbers keep the system's own separator.
    EXPECT_EQ(Form1->decimalSeparator(), QLocale::system().decimalPoint().at(0));
}

// The example lessons' folder beside the program stands in the open dialog's sidebar.
TEST_F(StandardDialogs, OpenDialogShowsTheExamplesInItsSidebar) {
    QTemporaryDir program;
    ASSERT_TRUE(QDir(program.path()).mkdir(QStringLiteral("Примеры")));
    const QString before = setProgramFolder(program.path());
    QList<QUrl> sidebar;
    answerNextDialog<QFileDialog>([&](QFileDialog* dialog) {
        sidebar = dialog->sidebarUrls();
        dialog->reject();
    });
    Form1->N6->trigger();
    setProgramFolder(before);
    EXPECT_TRUE(sidebar.contains(QUrl::fromLocalFile(program.path() + "/Примеры")));
    EXPECT_GT(sidebar.size(), 1) << "the usual places stay";
}
