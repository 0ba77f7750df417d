// SPDX-License-Identifier: GPL-3.0-or-later
// The settings window: its defaults, the shared colour dialogs, the timer and the layout.
#include "ScriptedDialogs.h"
#include "widgets/ColorPanel.h"
#include "widgets/StatusBar.h"
#include "windows/Unit3.h"

#include "QtPrinters.h"
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

namespace {
ColorPanel* panel(const TSettings& window, int n) {
    const QString name =
        n == 1 ? QStringLiteral("butShapeColor1") : QStringLiteral("butSHapeColor%1").arg(n);
    return window.findChild<ColorPanel*>(name);
}

// A real press and release on the panel, so the click travels the way the user's does.
void click(QWidget* w) {
    const QPointF at(w->width() / 2.0, w->height() / 2.0);
    const QPointF global = w->mapToGlobal(at);
    QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QCoreApplication::sendEvent(w, &press);
    QCoreApplication::sendEvent(w, &release);
}

QRgb colorField(const PlotSettings& s, int panel) {
    const QRgb PlotSettings::*fields[] = {
        &PlotSettings::ReLineColor, &PlotSettings::ImLineColor,     &PlotSettings::AxesColor,
        &PlotSettings::GridColor,   &PlotSettings::BackgroundColor, &PlotSettings::LabelFontColor};
    return s.*fields[panel - 1];
}
} // namespace

TEST(SettingsWindow, DefaultsAreTheLayoutsDefaults) {
    TSettings window;
    const PlotSettings s = window.plotSettings();
    EXPECT_EQ(s.ReLineColor, qRgb(255, 0, 0));
    EXPECT_EQ(s.ImLineColor, qRgb(0, 0, 255));
    EXPECT_EQ(s.AxesColor, qRgb(255, 255, 255));
    EXPECT_EQ(s.GridColor, qRgb(0, 128, 0));
    EXPECT_EQ(s.BackgroundColor, qRgb(0, 0, 0));
    EXPECT_EQ(s.LabelFontColor, qRgb(255, 255, 255));
    EXPECT_TRUE(s.MarkOmega0 && s.OuterGrid && s.InnerGrid && s.TitleOX && s.TitleOY &&
                s.ScaleLabels);
    EXPECT_EQ(s.LabelPointCount, 2);
    EXPECT_EQ(window.ComboBox4->currentText(), QStringLiteral("10 точек"));
    EXPECT_FALSE(window.ComboBox4->isEditable());
    for (const ColorDialogState* dialog :
         {&window.ColorDialog1, &window.ColorDialog2, &window.ColorDialog3, &window.ColorDialog4,
          &window.ColorDialog5})
        EXPECT_EQ(dialog->customColors, whiteCustomColors());
}

TEST(SettingsWindow, EachPanelOpensItsDialogWithTheDialogsColour) {
    TSettings window;
    DialogsScript script;
    // The grid's dialog starts white although the grid is green; the label-font panel
    // opens the axes' dialog.
    const QColor offered[] = {Qt::red, Qt::blue, Qt::white, Qt::white, Qt::black, Qt::white};
    for (int n = 1; n <= 6; ++n)
        click(panel(window, n));
    ASSERT_EQ(script->colorInitials.size(), 6);
    for (int n = 1; n <= 6; ++n)
        EXPECT_EQ(script->colorInitials[n - 1], offered[n - 1]) << "panel " << n;
    EXPECT_EQ(window.plotSettings().GridColor, qRgb(0, 128, 0)) << "cancelled: nothing changes";
}

TEST(SettingsWindow, ConfirmedColourReachesItsSettingOnly) {
    const QColor chosen(12, 34, 56);
    for (int n = 1; n <= 6; ++n) {
        TSettings window;
        DialogsScript script;
        const PlotSettings before = window.plotSettings();
        script->colors.push_back(chosen);
        click(panel(window, n));
        const PlotSettings after = window.plotSettings();
        for (int other = 1; other <= 6; ++other)
            EXPECT_EQ(colorField(after, other),
                      other == n ? chosen.rgb() : colorField(before, other))
                << "panel " << n << ", field of panel " << other;
        EXPECT_EQ(panel(window, n)->color(), chosen);
    }
}

TEST(SettingsWindow, AxesAndLabelPanelsShareOneDialog) {
    TSettings window;
    DialogsScript script;
    const QColor yellow(255, 255, 0);
    script->colors.push_back(yellow);
    window.butSHapeColor3Click();
    window.butSHapeColor6Click(); // cancelled
    ASSERT_EQ(script->colorInitials.size(), 2);
    EXPECT_EQ(script->colorInitials[1], yellow);
    EXPECT_EQ(window.plotSettings().LabelFontColor, qRgb(255, 255, 255))
        << "only offered, not confirmed";

    const QColor cyan(0, 255, 255);
    script->colors.push_back(cyan);
    window.butSHapeColor6Click();
    window.butSHapeColor3Click();
    EXPECT_EQ(script->colorInitials[3], cyan) << "the last confirmed through either panel";
    EXPECT_EQ(window.plotSettings().AxesColor, yellow.rgb());
    EXPECT_EQ(window.plotSettings().LabelFontColor, cyan.rgb());
}

TEST(SettingsWindow, CancelKeepsPanelAndDialogColour) {
    TSettings window;
    DialogsScript script;
    script->colors = {QColor(200, 100, 50), std::nullopt};
    window.butSHapeColor4Click();
    window.butSHapeColor4Click();
    window.butSHapeColor4Click();
    ASSERT_EQ(script->colorInitials.size(), 3);
    EXPECT_EQ(script->colorInitials[2], QColor(200, 100, 50));
    EXPECT_EQ(window.plotSettings().GridColor, qRgb(200, 100, 50));
    EXPECT_EQ(window.ColorDialog4.color, QColor(200, 100, 50));
}

TEST(SettingsWindow, CheckBoxesSetTheirOwnFlag) {
    const struct {
        const char* box;
        bool PlotSettings::*flag;
    } cases[] = {
        {"CheckBox1", &PlotSettings::MarkOmega0}, {"CheckBox2", &PlotSettings::OuterGrid},
        {"CheckBox3", &PlotSettings::InnerGrid},  {"CheckBox4", &PlotSettings::TitleOY},
        {"CheckBox5", &PlotSettings::TitleOX},    {"CheckBox6", &PlotSettings::ScaleLabels},
    };
    for (const auto& c : cases) {
        TSettings window;
        auto* box = window.findChild<QCheckBox*>(QString::fromLatin1(c.box));
        ASSERT_NE(box, nullptr) << c.box;
        box->setChecked(false);
        const PlotSettings s = window.plotSettings();
        int off = 0;
        for (const auto& other : cases)
            off += s.*other.flag ? 0 : 1;
        EXPECT_FALSE(s.*c.flag) << c.box;
        EXPECT_EQ(off, 1) << c.box;
    }
}

TEST(SettingsWindow, TimerGreysThePointCountWithoutLosingIt) {
    TSettings window; // hidden: the timer runs all the same
    window.ComboBox4->setCurrentIndex(0);
    window.CheckBox6->setChecked(false);
    // Generous deadline: the tick is due after 200 ms, a loaded machine may be slower.
    const QDeadlineTimer deadline(5000);
    while (window.ComboBox4->isEnabled() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    EXPECT_FALSE(window.ComboBox4->isEnabled());
    EXPECT_EQ(window.ComboBox4->currentIndex(), 0);

    window.CheckBox6->setChecked(true);
    window.Timer1Timer();
    EXPECT_TRUE(window.ComboBox4->isEnabled());
    EXPECT_EQ(window.plotSettings().LabelPointCount, 0);
}

TEST(SettingsWindow, ControlsStandWhereTheLayoutPutsThem) {
    TSettings window;
    const struct {
        const char* name;
        const char* parent;
        QRect rect;
    } cases[] = {
        {"Panel1", "Settings", {16, 16, 489, 305}},
        {"GroupBox1", "Panel1", {8, 8, 465, 89}},
        {"butSHapeColor2", "GroupBox6", {74, 36, 47, 21}},
        {"CheckBox1", "GroupBox8", {16, 32, 161, 17}},
        {"butSHapeColor4", "GroupBox10", {26, 20, 47, 21}},
        {"CheckBox3", "GroupBox13", {8, 32, 65, 17}},
        {"butSHapeColor5", "GroupBox12", {10, 20, 47, 21}},
        {"GroupBox9", "GroupBox14", {104, 8, 89, 41}},
        {"butSHapeColor6", "GroupBox9", {24, 16, 41, 17}},
        {"CheckBox6", "GroupBox15", {24, 16, 241, 17}},
        {"ComboBox4", "GroupBox15", {72, 32, 145, 21}},
        {"Button1", "Settings", {216, 352, 97, 25}},
    };
    for (const auto& c : cases) {
        const auto* w = window.findChild<QWidget*>(QString::fromLatin1(c.name));
        ASSERT_NE(w, nullptr) << c.name;
        EXPECT_EQ(w->geometry(), c.rect) << c.name;
        EXPECT_EQ(w->parentWidget()->objectName(), QString::fromLatin1(c.parent)) << c.name;
    }
    const QRect bar = window.StatusBar1->geometry();
    EXPECT_EQ(bar, QRect(0, window.height() - 19, window.width(), 19));
    window.show(); // a hidden window gets its resize event only when shown
    window.resize(600, 500);
    EXPECT_EQ(window.StatusBar1->geometry(), QRect(0, 481, 600, 19)) << "stays at the bottom";
}

TEST(SettingsWindow, CentredOnTheWholeScreenAndOnlyOKOrTheCloseBoxCloseIt) {
    TSettings window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    // The integer halves of the main window's rule.
    const QRect screen = window.screen()->geometry();
    const QRect outer = window.frameGeometry();
    EXPECT_EQ(outer.left(), (screen.width() - outer.width()) / 2);
    EXPECT_EQ(outer.top(), (screen.height() - outer.height()) / 2);

    // Return and Enter close nothing, wherever the user has put the focus.
    for (QWidget* target :
         std::initializer_list<QWidget*>{window.CheckBox1, window.ComboBox4, window.Button1}) {
        for (int tabs = 0; tabs < 30 && QApplication::focusWidget() != target; ++tabs)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), target) << target->objectName().toStdString();
        QTest::keyClick(target, Qt::Key_Return);
        QTest::keyClick(target, Qt::Key_Enter, Qt::KeypadModifier);
        EXPECT_TRUE(window.isVisible()) << target->objectName().toStdString();
    }

    QTest::mouseClick(window.Button1, Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.result(), QDialog::Accepted);
    window.show();
    EXPECT_EQ(window.frameGeometry().topLeft(), outer.topLeft()) << "shown again where it was";
    EXPECT_TRUE(window.close());
    EXPECT_FALSE(window.isVisible());
}
