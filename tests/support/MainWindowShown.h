// SPDX-License-Identifier: GPL-3.0-or-later
// What the window tests share: the program's windows made afresh, the classroom example's
// texts, the Russian locale and typing into a field as the user does.
#pragma once

#include "ClassroomLesson.h"
#include "FileBytes.h"
#include "app/Startup.h"
#include "widgets/PlotImage.h"
#include "windows/PlotMenu.h"
#include "windows/Unit1.h"

#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QStringList>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTest>
#include <gtest/gtest.h>

/** The classroom lesson as typed into Edit1...Edit13, with a decimal comma. */
inline const QStringList kClassroomTexts = [] {
    QStringList texts;
    for (const QString& t : classroomLesson())
        texts << t;
    return texts;
}();

/** The lesson as its .grafc file holds it: a line each, as the program writes it. */
inline bool writeLessonFile(const QString& path) {
    return writeBytes(path, kClassroomTexts.join("\r\n").toLatin1() + "\r\n");
}

/** The field EditN of the main window form. */
inline QLineEdit* mainField(int n, const QWidget* form = Form1) {
    return form->findChild<QLineEdit*>(QStringLiteral("Edit%1").arg(n));
}

/** The texts into Edit1, Edit2... of the main window in turn; the lesson unless told. */
inline void fillMainFields(const QStringList& texts = kClassroomTexts) {
    for (int n = 1; n <= texts.size(); ++n)
        mainField(n)->setText(texts[n - 1]);
}

/** The program's four windows made for each test, the main window shown. */
class MainWindowShown : public ::testing::Test {
protected:
    void SetUp() override {
        createWindows();
        Form1->show();
    }
    void TearDown() override { destroyWindows(); }
};

/** The decimal comma of a Russian desktop while it lives (a member: before the windows). */
struct RussianLocale {
    RussianLocale() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }
    ~RussianLocale() { QLocale::setDefault(QLocale::system()); }
};

/** Clicks into the field, selects what it holds and types the text over it key by key. */
inline void typeInto(QLineEdit* field, const QString& text) {
    QTest::mouseClick(field, Qt::LeftButton);
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Delete);
    for (const QChar ch : text) {
        if (ch.unicode() < 0x80)
            QTest::keyClick(field, ch.toLatin1());
        else // a letter of the keyboard's layout arrives as the key's text
            QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }
}

/** Where the field draws its text: inside its frame, as the style lays it out, less the
    field's own margins of two pixels beside and one above and below the text. */
inline QRect textArea(QLineEdit* field) {
    QStyleOptionFrame option;
    option.initFrom(field);
    option.lineWidth = field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
    return field->style()
        ->subElementRect(QStyle::SE_LineEditContents, &option, field)
        .adjusted(2, 1, -2, -1);
}

/** A right click on the plot's picture at p, through the window system as the user's comes. */
inline void rightClickPlot(QPoint p) {
    QTest::mouseClick(Form1->windowHandle(), Qt::RightButton, {}, Form1->Image1->mapTo(Form1, p));
}

/** A right click on the picture and a click on item, if the plot's menu offers it enabled:
    whether it did. */
inline bool choosePlotMenuItem(QAction* item) {
    rightClickPlot(QPoint(200, 150));
    QMenu* menu = Form1->plotMenu;
    EXPECT_TRUE(menu->isVisible());
    const bool enabled = item->isEnabled();
    if (enabled)
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
    menu->close();
    return enabled;
}
