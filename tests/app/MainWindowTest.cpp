// SPDX-License-Identifier: GPL-3.0-or-later
// The main window as it stands at start, and the program's four windows.
#include "app/Startup.h"
#include "widgets/Hint.h"
#include "widgets/PlotImage.h"
#include "windows/Unit1.h"
#include "windows/Unit2.h"
#include "windows/Unit3.h"
#include "windows/Unit4.h"

#include "MainWindowShown.h"
#include "QtPrinters.h"
#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {
QRect geometryOf(const TForm1& form, const char* name) {
    const auto* w = form.findChild<QWidget*>(QString::fromLatin1(name));
    return w ? w->geometry() : QRect();
}
} // namespace

TEST(MainWindow, ControlsStandWhereTheLayoutPutsThem) {
    TForm1 form;
    const struct {
        const char* name;
        QRect rect;
    } cases[] = {
        {"ToolBar1", {0, 0, 1038, 29}},     {"GroupBox1", {8, 32, 529, 265}},
        {"GroupBox2", {8, 304, 529, 65}},   {"GroupBox3", {8, 376, 529, 49}},
        {"GroupBox4", {8, 432, 529, 41}},   {"Button1", {8, 480, 233, 33}},
        {"Gauge1", {256, 480, 281, 33}},    {"Image1", {552, 40, 473, 473}},
        {"StatusBar1", {0, 521, 1038, 19}}, {"Edit1", {272, 32, 97, 21}},
        {"Edit2", {272, 112, 97, 21}},      {"Edit3", {272, 72, 97, 21}},
        {"Edit4", {272, 152, 97, 21}},      {"Edit5", {272, 188, 97, 21}},
        {"Edit6", {440, 16, 33, 21}},       {"Edit7", {440, 96, 33, 21}},
        {"Edit8", {440, 180, 33, 21}},      {"Edit9", {440, 56, 33, 21}},
        {"Edit10", {440, 136, 33, 21}},     {"GroupBox5", {8, 216, 513, 41}},
        {"CheckBox1", {16, 16, 129, 17}},   {"CheckBox3", {160, 16, 345, 17}},
        {"CheckBox2", {16, 24, 121, 17}},   {"Edit11", {184, 24, 57, 21}},
        {"Edit12", {272, 24, 57, 21}},      {"Edit13", {384, 24, 41, 21}},
        {"Edit14", {48, 16, 145, 21}},      {"Edit15", {352, 16, 153, 21}},
        {"Edit18", {104, 16, 161, 21}},     {"Edit19", {344, 16, 161, 21}},
        {"ToolButton1", {0, 2, 23, 22}},    {"ToolButton7", {138, 2, 23, 22}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(geometryOf(form, c.name), c.rect) << c.name;
    EXPECT_EQ(form.centralWidget()->size(), QSize(1038, 540));
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Волнограф Вер. 1.2"));
}

TEST(MainWindow, InitialState) {
    TForm1 form;
    for (int n : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 18, 19})
        EXPECT_TRUE(mainField(n, &form)->text().isEmpty()) << "Edit" << n;
    EXPECT_EQ(form.Edit14->text(), QStringLiteral("0"));
    EXPECT_EQ(form.Edit15->text(), QStringLiteral("0"));
    EXPECT_TRUE(form.CheckBox1->isChecked());
    EXPECT_FALSE(form.CheckBox2->isChecked());
    EXPECT_FALSE(form.CheckBox3->isChecked());
    EXPECT_EQ(form.Gauge1->value(), 0);
    for (QAction* toggle : {form.N31, form.N32, form.N33, form.N34, form.N35, form.N36, form.N37})
        EXPECT_TRUE(toggle->isChecked()) << toggle->objectName().toStdString();

    const QImage& image = form.Image1->image();
    EXPECT_EQ(image.size(), QSize(473, 473));
    for (QPoint p : {QPoint(0, 0), QPoint(236, 236), QPoint(472, 472)})
        EXPECT_EQ(image.pixel(p), qRgb(0, 0, 0));
}

TEST(MainWindow, MenuInItsOrder) {
    TForm1 form;
    QStringList seen;
    for (QAction* entry : form.menuBar()->actions()) {
        seen << entry->text();
        for (QAction* item : entry->menu()->actions())
            seen << (item->isSeparator() ? QStringLiteral("-")
                                         : QStringLiteral("  ") + item->text());
    }
    const QStringList expected = {
        QStringLiteral("Файл"),
        QStringLiteral("  Загрузить  Исходные Данные"),
        QStringLiteral("  Сохранить Исходные Данные "),
        QStringLiteral("  Соxранить График"),
        QStringLiteral("  Новые Расчеты"),
        QStringLiteral("-"),
        QStringLiteral("  Выход"),
        QStringLiteral("Правка"),
        QStringLiteral("  Вырезать"),
        QStringLiteral("  Копировать"),
        QStringLiteral("  Вставить"),
        QStringLiteral("-"),
        QStringLiteral("  Отменить"),
        QStringLiteral("Запуск"),
        QStringLiteral("  Построить график"),
        QStringLiteral("-"),
        QStringLiteral("  Очистить экран"),
        QStringLiteral("Расчет"),
        QStringLiteral("  Калькулятор"),
        QStringLiteral("Настройки"),
        QStringLiteral("  Окно"),
        QStringLiteral("-"),
        QStringLiteral("  Панель инструментов"),
        QStringLiteral("  График"),
        QStringLiteral("Помощь"),
        QStringLiteral("  Справка"),
        QStringLiteral("  О программе"),
    };
    EXPECT_EQ(seen, expected);
    EXPECT_EQ(form.N22->actions().size(), 7);
    EXPECT_EQ(form.N20->actions().size(), 2);
}

TEST(MainWindow, HintsAndTooltips) {
    TForm1 form;
    EXPECT_EQ(hintOf(form.Edit1), QStringLiteral("Собственная частота колебаний частицы "));
    EXPECT_TRUE(hintOf(form.Edit6).isEmpty());
    EXPECT_EQ(hintOf(form.ToolButton3), QStringLiteral("Сохранить график|"));
    EXPECT_EQ(form.ToolButton3->toolTip(), QStringLiteral("Сохранить график"));
    EXPECT_TRUE(form.Edit1->toolTip().isEmpty()) << "only the toolbar shows tooltips";
    EXPECT_EQ(longHint(QStringLiteral("Сохранить график|")), QString());
    EXPECT_EQ(shortHint(QStringLiteral("a|b")), QStringLiteral("a"));
}

TEST(MainWindow, TimerAppliesAutomaticModeAndToolbarToggles) {
    TForm1 form;
    form.Edit11->setText(QStringLiteral("10"));
    form.CheckBox2->setChecked(true);
    form.N36->setChecked(false); // "Калькулятор" hidden
    form.Timer1Timer();
    EXPECT_FALSE(form.Edit11->isEnabled());
    EXPECT_FALSE(form.Edit13->isEnabled());
    EXPECT_EQ(form.Edit11->text(), QStringLiteral("10"));
    EXPECT_TRUE(form.ToolButton6->isHidden());
    EXPECT_EQ(form.ToolButton7->pos(), QPoint(115, 2)) << "help closes up";

    form.CheckBox2->setChecked(false);
    form.N36->setChecked(true);
    form.Timer1Timer();
    EXPECT_TRUE(form.Edit12->isEnabled());
    EXPECT_EQ(form.ToolButton6->pos(), QPoint(115, 2));
    EXPECT_EQ(form.ToolButton7->pos(), QPoint(138, 2));
}

TEST(StartUp, FourWindowsOnlyTheMainOneShown) {
    createWindows();
    ASSERT_NE(Form1, nullptr);
    ASSERT_NE(AboutForm, nullptr);
    ASSERT_NE(Settings, nullptr);
    ASSERT_NE(Calc, nullptr);
    EXPECT_EQ(AboutForm->windowTitle(), QStringLiteral("О программе"));
    EXPECT_EQ(Settings->windowTitle(), QStringLiteral("Настройки"));
    EXPECT_EQ(Calc->windowTitle(), QStringLiteral("Калькулятор"));
    EXPECT_FALSE(AboutForm->isVisible());
    EXPECT_FALSE(Settings->isVisible());
    EXPECT_FALSE(Calc->isVisible());
    destroyWindows();
    EXPECT_EQ(Form1, nullptr);
}
