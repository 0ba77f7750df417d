// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's own commands, its timer and the program-wide hint.
#include "MainWindowShown.h"
#include "QtPrinters.h"
#include "ScriptedDialogs.h"
#include "app/Startup.h"
#include "widgets/Application.h"
#include "widgets/ColorPanel.h"
#include "widgets/Desktop.h"
#include "widgets/HintTracker.h"
#include "widgets/PlotImage.h"
#include "widgets/StatusBar.h"
#include "windows/Unit1.h"
#include "windows/Unit3.h"
#include "windows/Unit4.h"

#include "widgets/ToolBar.h"
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QElapsedTimer>
#include <QEnterEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {
class Commands : public MainWindowShown {
protected:
    static StatusBar* statusOf(QWidget* window) {
        return window->findChild<StatusBar*>(QStringLiteral("StatusBar1"));
    }

    // Lets the event loop run, timers included, for a while.
    static void runFor(int ms) {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < ms)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }

    DialogsScript script;
};
} // namespace

TEST_F(Commands, ClearScreenPaintsTheBackgroundOfTheSettings) {
    Form1->N14->trigger();
    EXPECT_EQ(Form1->Image1->image().pixel(100, 100), qRgb(0, 0, 0)) << "black before any change";
    script->colors.push_back(QColor(10, 20, 30));
    emit Settings->findChild<ColorPanel*>(QStringLiteral("butSHapeColor5"))->clicked();
    Form1->ToolButton5->click();
    for (QPoint p : {QPoint(0, 0), QPoint(236, 236), QPoint(472, 472)})
        EXPECT_EQ(Form1->Image1->image().pixel(p), qRgb(10, 20, 30));
}

TEST_F(Commands, NewCalculationsEmptiesNineFields) {
    for (int n = 1; n <= 13; ++n)
        mainField(n)->setText(QString::number(n));
    Form1->N8->trigger();
    for (int n = 1; n <= 13; ++n)
        EXPECT_EQ(mainField(n)->text().isEmpty(), n <= 9) << "Edit" << n;
}

TEST_F(Commands, EditCommandsWorkOnTheSelectionsLeftInTheFiveMantissaFields) {
    Form1->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form1));
    QClipboard* clipboard = QApplication::clipboard();
    clipboard->setText(QStringLiteral("before"));
    // The user types 12345 into Edit1 to Edit6, moving on with Tab.
    QTest::mouseClick(Form1->Edit1, Qt::LeftButton);
    for (int n = 1; n <= 6; ++n) {
        ASSERT_EQ(QApplication::focusWidget(), mainField(n));
        QTest::keyClicks(mainField(n), QStringLiteral("12345"));
        QTest::keyClick(mainField(n), Qt::Key_Tab);
    }
    // Selects "12" in Edit2 and leaves it with Tab; then "234" in Edit4, reached by the
    // mouse and left the same way for an exponent field, where everything is selected.
    QTest::mouseClick(Form1->Edit2, Qt::LeftButton);
    QTest::keyClick(Form1->Edit2, Qt::Key_Home);
    QTest::keyClick(Form1->Edit2, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(Form1->Edit2, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(Form1->Edit2, Qt::Key_Tab);
    QTest::mouseClick(Form1->Edit4, Qt::LeftButton);
    QTest::keyClick(Form1->Edit4, Qt::Key_End);
    QTest::keyClick(Form1->Edit4, Qt::Key_Left);
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(Form1->Edit4, Qt::Key_Left, Qt::ShiftModifier);
    QTest::mouseClick(Form1->Edit6, Qt::LeftButton);
    QTest::keyClick(Form1->Edit6, Qt::Key_A, Qt::ControlModifier);
    ASSERT_EQ(QApplication::focusWidget(), Form1->Edit6);
    EXPECT_EQ(Form1->Edit2->selectedText(), QStringLiteral("12"));
    EXPECT_EQ(Form1->Edit4->selectedText(), QStringLiteral("234"));

    Form1->N10->trigger();
    EXPECT_EQ(clipboard->text(), QStringLiteral("234")) << "the highest field's selection wins";

    Form1->N9->trigger(); // cut: both selections leave their fields
    EXPECT_EQ(Form1->Edit2->text(), QStringLiteral("345"));
    EXPECT_EQ(Form1->Edit4->text(), QStringLiteral("15"));
    EXPECT_EQ(Form1->Edit6->text(), QStringLiteral("12345"));

    Form1->N25->trigger(); // undo: each field its own last change
    EXPECT_EQ(Form1->Edit2->text(), QStringLiteral("12345"));
    EXPECT_EQ(Form1->Edit4->text(), QStringLiteral("12345"));

    // Paste: the same text into all five over each one's selection (Edit3's is all of it, from
    // the Tab into it; Edit1 and Edit5 were emptied by the undo of their typing).
    Form1->N11->trigger();
    const QStringList pasted = {"234", "234345", "234", "12345", "234"};
    for (int n = 1; n <= 5; ++n)
        EXPECT_EQ(mainField(n)->text(), pasted[n - 1]) << "Edit" << n;
    EXPECT_EQ(Form1->Edit6->text(), QStringLiteral("12345"));

    // A kept selection ends with the user's own change in its field: a click in it.
    QTest::mouseClick(Form1->Edit3, Qt::LeftButton);
    QTest::keyClick(Form1->Edit3, Qt::Key_A, Qt::ControlModifier);
    QTest::mouseClick(Form1->Edit5, Qt::LeftButton);
    EXPECT_TRUE(Form1->Edit3->hasSelectedText());
    QTest::mouseClick(Form1->Edit3, Qt::LeftButton);
    EXPECT_FALSE(Form1->Edit3->hasSelectedText());
}

TEST_F(Commands, FontGoesToTheMantissaFieldsAndIsOfferedAgain) {
    QFont chosen(QStringLiteral("Liberation Serif"));
    chosen.setPixelSize(15);
    chosen.setItalic(true);
    script->fonts = {chosen, std::nullopt};
    const QRect before = Form1->Edit3->geometry();
    Form1->N17->trigger();
    const auto looksChosen = [](const QFont& f) { return f.pixelSize() == 15 && f.italic(); };
    EXPECT_TRUE(looksChosen(Form1->Edit3->font()));
    const QRect after = Form1->Edit3->geometry();
    EXPECT_EQ(QRect(after.topLeft(), QSize(after.width(), before.height())), before);
    EXPECT_GE(textArea(Form1->Edit3).height(), QFontMetrics(Form1->Edit3->font()).height())
        << "no glyph clipped";
    EXPECT_FALSE(looksChosen(Form1->Edit6->font()));
    Form1->N17->trigger(); // cancelled
    ASSERT_EQ(script->fontInitials.size(), 2);
    EXPECT_EQ(script->fontInitials[0].pixelSize(), 11);
    EXPECT_FALSE(script->fontInitials[0].bold());
    EXPECT_EQ(script->fontInitials[1], chosen);
    EXPECT_TRUE(looksChosen(Form1->Edit5->font()));
}

// 20 points for the back rows, in points and in pixels: more than the rows have room for.
TEST_F(Commands, FontLargerThanTheLayoutIsReducedToTheLargestThatFits) {
    // As the font dialog gives them: face, style and size all chosen.
    QFont points(QStringLiteral("Liberation Sans"), 20);
    points.setBold(false);
    points.setItalic(false);
    QFont pixels(QStringLiteral("Liberation Serif"));
    pixels.setItalic(false);
    pixels.setPixelSize(27);
    pixels.setBold(true);
    for (const QFont& chosen : {points, pixels}) {
        script->fonts = {chosen, std::nullopt};
        Form1->N17->trigger();
        const QFont given = Form1->Edit1->font();
        EXPECT_EQ(std::pair(given.family(), given.bold()),
                  std::pair(chosen.family(), chosen.bold()));
        const double size = given.pointSizeF() > 0 ? given.pointSizeF() : given.pixelSize();
        const double asked = chosen.pointSizeF() > 0 ? chosen.pointSizeF() : chosen.pixelSize();
        EXPECT_LT(size, asked) << "reduced";
        QList<QWidget*> controls;
        for (QWidget* w : Form1->GroupBox1->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (!w->isHidden())
                controls << w;
        for (int n = 1; n <= 5; ++n) {
            QLineEdit* e = mainField(n);
            EXPECT_EQ(e->font(), given) << "Edit" << n;
            EXPECT_GE(e->height(), e->sizeHint().height()) << "Edit" << n << " not clipped";
            EXPECT_TRUE(Form1->GroupBox1->rect().contains(e->geometry())) << "Edit" << n;
            for (const QWidget* other : controls)
                EXPECT_TRUE(other == e || !other->geometry().intersects(e->geometry()))
                    << "Edit" << n << " overlaps " << other->objectName().toStdString();
        }
        // One size larger does not fit: reduced no more than needed.
        QFont larger(given);
        if (given.pointSizeF() > 0)
            larger.setPointSizeF(given.pointSizeF() + 1);
        else
            larger.setPixelSize(given.pixelSize() + 1);
        QLineEdit probe;
        probe.setFont(larger);
        EXPECT_GT(probe.sizeHint().height(), 216 - 188) << "the room of Edit5 above GroupBox5";
        Form1->N17->trigger(); // cancelled: offered the font the fields took
        const auto look = [](const QFont& f) {
            return std::tuple(f.family(), f.pointSizeF(), f.pixelSize(), f.bold());
        };
        EXPECT_EQ(look(script->fontInitials.last()), look(given));
    }
}

TEST_F(Commands, BackgroundColourOfTheWindowOnly) {
    const QColor base = Form1->Edit1->palette().color(QPalette::Base);
    script->colors = {QColor(200, 220, 255), std::nullopt};
    Form1->N15->trigger();
    EXPECT_EQ(Form1->GroupBox1->palette().color(QPalette::Window), QColor(200, 220, 255));
    EXPECT_EQ(Form1->CheckBox1->palette().color(QPalette::Window), QColor(200, 220, 255));
    EXPECT_EQ(Form1->Edit1->palette().color(QPalette::Base), base);
    for (QWidget* own :
         {static_cast<QWidget*>(Form1->StatusBar1), static_cast<QWidget*>(Form1->ToolBar1)}) {
        EXPECT_NE(own->palette().color(QPalette::Window), QColor(200, 220, 255));
        EXPECT_TRUE(own->autoFillBackground()) << "it paints its own colour over the window's";
    }
    Form1->N15->trigger();
    ASSERT_EQ(script->colorInitials.size(), 2);
    EXPECT_EQ(script->colorInitials[0], QColor(Qt::black));
    EXPECT_EQ(script->colorInitials[1], QColor(200, 220, 255));
}

TEST_F(Commands, CalculatorIsShownBesideTheMainWindow) {
    Form1->N19->trigger();
    EXPECT_TRUE(Calc->isVisible());
    EXPECT_FALSE(Calc->isModal());
    Calc->hide();
    Form1->ToolButton6->click();
    EXPECT_TRUE(Calc->isVisible());
    Calc->close();
    EXPECT_TRUE(Form1->isVisible()) << "closing the calculator never ends the program";
}

TEST_F(Commands, ExitAsksFirstThenTheCloseQuestion) {
    using A = Dialogs::Answer;
    script->answers = {A::No, A::Yes, A::Cancel, A::Yes, A::No};
    const QString exit = QStringLiteral("Волнограф|Выйти из программы?");
    const QString save = QStringLiteral("Волнограф|Сохранить файл перед выходом?");
    Form1->N26->trigger();
    EXPECT_TRUE(Form1->isVisible()) << "No: no second question";
    Form1->N26->trigger();
    EXPECT_TRUE(Form1->isVisible()) << "Yes, then Cancel";
    Form1->N26->trigger();
    EXPECT_FALSE(Form1->isVisible()) << "Yes, then No";
    EXPECT_EQ(script->questions, (QStringList{exit, exit, save, exit, save}));
}

TEST_F(Commands, HelpAsksTheDesktopToOpenTheRelativeHelpPath) {
    QStringList started;
    const ProgramStarter previous = setProgramStarter(
        [&](const QString& program, const QStringList& args) { started << program << args; });
    Form1->N23->trigger();
    Form1->ToolButton7->click();
    setProgramStarter(previous);
    const QStringList once = {QStringLiteral("xdg-open"), QStringLiteral("help/help.chm")};
    EXPECT_EQ(started, once + once);
    EXPECT_TRUE(script->messages.isEmpty());
    EXPECT_TRUE(script->errors.isEmpty());
}

TEST_F(Commands, TimerGreysTheIntervalAndHidesToolbarButtonsWithinASecond) {
    Form1->Edit12->setText(QStringLiteral("6E15"));
    Form1->CheckBox2->setChecked(true);
    Form1->N36->trigger(); // "Калькулятор" off
    EXPECT_FALSE(Form1->N36->isChecked());
    runFor(1100);
    EXPECT_FALSE(Form1->Edit12->isEnabled());
    EXPECT_EQ(Form1->Edit12->text(), QStringLiteral("6E15"));
    EXPECT_TRUE(Form1->ToolButton6->isHidden());
    EXPECT_EQ(Form1->ToolButton7->x(), 115);
}

TEST_F(Commands, HintFollowsThePointerInEveryWindow) {
    HintTracker* hints = VolnografApp::instance()->hints();
    const struct {
        QWidget* widget;
        const char* status;
    } cases[] = {
        {Form1->Edit1, "Собственная частота колебаний частицы "},
        {Form1->ToolButton3, ""}, // tooltip only
        {Form1->Edit6, ""},       // no hint, nor has its group
        {Form1->Label17, "Размерность собственной частоты колебаний"},
        {Form1->ToolBar1, "Панель инструментов"},
        {Form1->menuBar(), ""},
        {Form1->Gauge1, "Показывает ход построения"},
    };
    for (const auto& c : cases) {
        hints->pointerOver(c.widget);
        for (QWidget* window : {static_cast<QWidget*>(Form1), static_cast<QWidget*>(Settings)}) {
            StatusBar* bar = statusOf(window);
            ASSERT_NE(bar, nullptr);
            EXPECT_EQ(bar->simpleText(), QString::fromUtf8(c.status))
                << c.widget->objectName().toStdString();
            EXPECT_EQ(bar->simplePanel(), *c.status != '\0');
        }
    }
}

TEST_F(Commands, EnteringAControlMakesItsHintCurrent) {
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QApplication::sendEvent(Form1->Edit3, &enter);
    EXPECT_EQ(Form1->StatusBar1->simpleText(), QStringLiteral("Концентрация частиц"));
    QApplication::sendEvent(Form1->CheckBox2, &enter);
    EXPECT_EQ(Form1->StatusBar1->simpleText().left(30),
              QStringLiteral("Автоматический выбор интервала"));
}

TEST_F(Commands, PlotStatusShowsOnlyWhenStartedWithTheButton) {
    HintTracker* hints = VolnografApp::instance()->hints();
    fillMainFields({"3", "1", "1", "1", "9", "15", "13", "-31", "28", "-19", "0", "6E15", "1E13"});
    hints->pointerOver(Form1->Button1);
    Form1->Button1->click();
    EXPECT_TRUE(Form1->StatusBar1->simplePanel());
    EXPECT_TRUE(Form1->StatusBar1->simpleText().isEmpty()) << "cleared at the end";

    hints->pointerOver(Form1->menuBar());
    Form1->N13->trigger();
    EXPECT_FALSE(Form1->StatusBar1->simplePanel());
}
