// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator window driven as the user drives it: the choice in the list, the rows the
// timer shows, typing, the commands, the status line and hiding.
#include "QtPrinters.h"
#include "ScriptedDialogs.h"
#include "app/HintTracker.h"
#include "app/Startup.h"
#include "app/StatusBar.h"
#include "app/Unit1.h"
#include "calc/Unit4.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QEnterEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

#include <set>

namespace {
const QString kOmega0Row = QStringLiteral("Собств. частота колебаний  Wo :");
const QString kInputsHint = QStringLiteral("В этом окошке отображаются известные значения");
const QString kNoData = QStringLiteral("Не введены данные для расчета !");

// The row labels that may read as w0, with their own captions.
const std::pair<int, const char*> kRowCaptions[] = {
    {19, "падающей волны                      w :"},
    {7, "Масса одной частицы            m  :"},
    {23, "Заряд одной частицы "},
    {5, "Концентрация частиц              N  :"},
    {22, "Коэффициент затуханий"},
};

class CalcWindow : public ::testing::Test {
protected:
    void SetUp() override {
        QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
        createWindows();
        Calc->show();
    }
    void TearDown() override {
        destroyWindows();
        QLocale::setDefault(QLocale::system());
    }

    template <typename W> static W* child(const char* name) {
        return Calc->findChild<W*>(QString::fromLatin1(name));
    }
    static QLineEdit* edit(int n) {
        return child<QLineEdit>(qPrintable(QStringLiteral("Edit%1").arg(n)));
    }
    static QLabel* label(int n) {
        return child<QLabel>(qPrintable(QStringLiteral("Label%1").arg(n)));
    }

    // Arrow keys in the list, as the user picks an item without opening it.
    static void choose(int index) {
        QComboBox* list = Calc->ComboBox1;
        while (list->currentIndex() < index)
            QTest::keyClick(list, Qt::Key_Down);
        while (list->currentIndex() > index)
            QTest::keyClick(list, Qt::Key_Up);
    }

    // The rows follow the choice at the next tick of the window's timer.
    static void waitForTick() {
        QSignalSpy tick(Calc->Timer1, &QTimer::timeout);
        ASSERT_TRUE(tick.wait(5000));
    }

    // Click into the field, select what it holds and type over it.
    static void type(QLineEdit* field, const char* text) {
        QTest::mouseClick(field, Qt::LeftButton);
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(field, QString::fromUtf8(text));
    }

    static std::set<int> shown(const char* kind, int last) {
        std::set<int> numbers;
        for (int n = 1; n <= last; ++n) {
            const auto* w = child<QWidget>(qPrintable(QStringLiteral("%1%2").arg(kind).arg(n)));
            if (w && n != 20 && w->isVisible())
                numbers.insert(n);
        }
        return numbers;
    }

    DialogsScript script;
};

std::set<int> range(std::initializer_list<std::pair<int, int>> spans) {
    std::set<int> numbers;
    for (auto [from, to] : spans)
        for (int n = from; n <= to; ++n)
            numbers.insert(n);
    return numbers;
}
} // namespace

TEST_F(CalcWindow, ControlsStandWhereTheLayoutPutsThem) {
    const struct {
        const char* name;
        const char* parent;
        QRect rect;
    } cases[] = {
        {"ComboBox1", "Calc", {40, 136, 257, 21}},   {"Button1", "Calc", {80, 224, 177, 41}},
        {"GroupBox1", "Calc", {336, 16, 441, 329}},  {"GroupBox2", "Calc", {64, 344, 713, 121}},
        {"StatusBar1", "Calc", {0, 458, 794, 19}},   {"Edit1", "GroupBox1", {200, 40, 73, 21}},
        {"Edit6", "GroupBox1", {328, 24, 33, 21}},   {"Edit16", "GroupBox1", {288, 40, 65, 21}},
        {"Edit17", "GroupBox1", {384, 16, 41, 21}},  {"Edit3", "GroupBox1", {200, 88, 73, 21}},
        {"Edit9", "GroupBox1", {328, 72, 33, 21}},   {"Edit2", "GroupBox1", {200, 136, 73, 21}},
        {"Edit7", "GroupBox1", {328, 120, 33, 21}},  {"Edit4", "GroupBox1", {200, 184, 73, 21}},
        {"Edit10", "GroupBox1", {328, 168, 33, 21}}, {"Edit5", "GroupBox1", {200, 228, 73, 21}},
        {"Edit8", "GroupBox1", {328, 212, 33, 21}},  {"Edit13", "GroupBox1", {200, 280, 73, 21}},
        {"Edit14", "GroupBox1", {328, 264, 33, 21}}, {"Edit11", "GroupBox2", {136, 40, 121, 21}},
        {"Edit12", "GroupBox2", {336, 40, 121, 21}}, {"Edit15", "GroupBox2", {136, 40, 121, 21}},
    };
    for (const auto& c : cases) {
        const auto* w = child<QWidget>(c.name);
        ASSERT_NE(w, nullptr) << c.name;
        EXPECT_EQ(w->geometry(), c.rect) << c.name;
        const QWidget* parent = w->parentWidget();
        EXPECT_EQ(parent == Calc->ClientArea ? QStringLiteral("Calc") : parent->objectName(),
                  QString::fromLatin1(c.parent))
            << c.name;
    }
    const struct {
        const char* name;
        QPoint at;
    } labels[] = {{"Label20", {120, 80}}, {"Label2", {8, 40}},     {"Label17", {8, 40}},
                  {"Label5", {8, 88}},    {"Label4", {168, 136}},  {"Label6", {168, 184}},
                  {"Label7", {8, 230}},   {"Label10", {288, 225}}, {"Label14", {8, 264}},
                  {"Label19", {8, 280}},  {"Label15", {288, 281}}, {"Label18", {360, 40}},
                  {"Label21", {48, 32}},  {"Label13", {304, 40}},  {"Label16", {104, 40}}};
    for (const auto& l : labels)
        EXPECT_EQ(child<QLabel>(l.name)->pos(), l.at) << l.name;
    EXPECT_EQ(Calc->Label3->y(), 48);
    EXPECT_LT(Calc->Label17->geometry().right(), Calc->Edit16->x()) << "the n caption shows whole";
    EXPECT_EQ(Calc->Label4->text(), QStringLiteral("γ  :"));
    EXPECT_EQ(Calc->Label20->font().pixelSize(), 16);
    EXPECT_TRUE(Calc->Label20->font().bold());
    EXPECT_TRUE(Calc->Label8->font().bold());

    EXPECT_EQ(Calc->ClientArea->size(), QSize(794, 477));
    EXPECT_TRUE(Calc->windowFlags().testFlag(Qt::Tool));
    EXPECT_EQ(Calc->GroupBox1->palette().color(QPalette::Window), QColor(166, 202, 240));
    EXPECT_NE(Calc->StatusBar1->palette().color(QPalette::Window), QColor(166, 202, 240));
    EXPECT_EQ(Calc->ComboBox1->count(), 8);
    EXPECT_EQ(Calc->ComboBox1->itemText(7), QStringLiteral("Заряд частицы"));
    EXPECT_FALSE(Calc->ComboBox1->isEditable());
    EXPECT_EQ(Calc->ComboBox1->cursor().shape(), Qt::PointingHandCursor);

    QStringList menu;
    for (QAction* entry : Calc->menuBar()->actions()) {
        menu << entry->text();
        for (QAction* item : entry->menu()->actions())
            menu << QStringLiteral("  ") + item->text();
    }
    EXPECT_EQ(menu,
              QStringList({QStringLiteral("Файл"),
                           QStringLiteral("  Сохранить Данные в виде  изображения"),
                           QStringLiteral("  Стереть введенные данные"), QStringLiteral("  Выход"),
                           QStringLiteral("Расчет"), QStringLiteral("  Расчитать")}));
}

TEST_F(CalcWindow, AtStartOnlyTheChoiceIsShown) {
    EXPECT_EQ(Calc->ComboBox1->currentIndex(), 0);
    EXPECT_TRUE(shown("Edit", 17).empty());
    EXPECT_TRUE(shown("Label", 23).empty());
    EXPECT_TRUE(Calc->Label20->isVisible());
    for (int n = 1; n <= 17; ++n) {
        const bool exponent = n == 6 || (n >= 7 && n <= 10) || n == 14 || n == 17;
        EXPECT_EQ(edit(n)->text(), exponent ? QStringLiteral("0") : QString()) << "Edit" << n;
    }
}

TEST_F(CalcWindow, EachChoiceShowsItsRowsAtTheNextTick) {
    for (int n : {1, 2, 5, 13, 16})
        type(edit(n), "7");
    const std::set<int> forIndex = range({{1, 14}});
    const std::set<int> forOthers = range({{2, 5}, {7, 10}, {13, 17}});
    const std::set<int> labelsForIndex = range({{1, 15}, {19, 19}, {21, 23}});
    const auto labelsForOthers = [](bool aboveW) {
        std::set<int> s = range({{4, 7}, {9, 12}, {15, 19}, {21, 23}});
        if (aboveW)
            s.insert(14);
        return s;
    };
    const struct {
        int index;
        const char* result; // Label16
        int omega0Row;      // the row label reading as w0
        std::set<int> edits;
        std::set<int> labels;
    } steps[] = {
        {4, "m :", 7, forOthers, labelsForOthers(true)},
        {0, "m :", 7, {}, {}}, // nothing relabelled back
        {1, "m :", 0, forIndex, labelsForIndex},
        {2, "Wo :", 0, forOthers, labelsForOthers(true)},
        {3, "W  :", 19, forOthers, labelsForOthers(false)},
        {5, "g :", 22, forOthers, labelsForOthers(true)},
        {6, "N :", 5, forOthers, labelsForOthers(true)},
        {7, "Q :", 23, forOthers, labelsForOthers(true)},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE("index " + std::to_string(step.index));
        choose(step.index);
        waitForTick();
        EXPECT_EQ(shown("Edit", 17), step.edits);
        EXPECT_EQ(shown("Label", 23), step.labels);
        EXPECT_EQ(Calc->Label16->text(), QString::fromUtf8(step.result));
        for (const auto& [n, caption] : kRowCaptions) {
            QLabel* l = label(n);
            EXPECT_EQ(l->text(), n == step.omega0Row ? kOmega0Row : QString::fromUtf8(caption))
                << "Label" << n;
            EXPECT_GE(l->width(), l->fontMetrics().horizontalAdvance(l->text())) << "Label" << n;
        }
    }
    for (int n : {1, 2, 5, 13, 16})
        EXPECT_EQ(edit(n)->text(), QStringLiteral("7")) << "Edit" << n << " keeps its text";
}

TEST_F(CalcWindow, ExampleSolvedForTheIndexAndBackForTheMass) {
    choose(1);
    waitForTick();
    const std::pair<int, const char*> example[] = {
        {1, "3"},   {6, "15"},   {2, "1"},   {7, "13"},  {3, "1"},       {9, "28"},
        {4, "1,6"}, {10, "-19"}, {5, "9,1"}, {8, "-31"}, {13, "2,5E15"}, {14, "0"}};
    for (const auto& [n, text] : example)
        type(edit(n), text);
    QTest::mouseClick(Calc->Button1, Qt::LeftButton);
    EXPECT_EQ(Calc->Edit11->text(), QStringLiteral("6,77905359552485"));
    EXPECT_EQ(Calc->Edit12->text(), QStringLiteral("0,0525368508684077"));

    // The click reads the choice of that moment, before the rows follow it.
    choose(2);
    QTest::mouseClick(Calc->Button1, Qt::LeftButton);
    EXPECT_EQ(script->messages, QStringList(kNoData)) << "the n row is still empty";

    choose(4);
    waitForTick();
    // n as shown, to 15 digits: for this w the mass comes back to all of them.
    type(Calc->Edit16, "6,77905359552485");
    type(Calc->Edit5, "3");
    type(Calc->Edit8, "15");
    Calc->N3->trigger();
    EXPECT_EQ(Calc->Edit15->text(), QStringLiteral("9,1E-31"));
    EXPECT_EQ(Calc->Label16->text(), QStringLiteral("m :"));
    EXPECT_EQ(Calc->Edit11->text(), QStringLiteral("6,77905359552485")) << "hidden, kept";

    type(Calc->Edit3, "1.0");
    QTest::mouseClick(Calc->Button1, Qt::LeftButton);
    EXPECT_EQ(script->errors,
              QStringList(QStringLiteral("'1.0' is not a valid floating point value.")));
    EXPECT_EQ(Calc->Edit15->text(), QStringLiteral("9,1E-31"));
}

TEST_F(CalcWindow, ClearEmptiesTheFourteenInputsOnly) {
    choose(2);
    waitForTick();
    type(Calc->Edit16, "2");
    type(Calc->Edit17, "1");
    choose(1);
    waitForTick();
    for (int n : {1, 2, 3, 4, 5, 13})
        type(edit(n), "1");
    QTest::mouseClick(Calc->Button1, Qt::LeftButton);
    const QString n = Calc->Edit11->text();
    ASSERT_FALSE(n.isEmpty());

    Calc->N5->trigger();
    for (int e : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 13, 14, 16, 17})
        EXPECT_TRUE(edit(e)->text().isEmpty()) << "Edit" << e;
    EXPECT_EQ(Calc->Edit11->text(), n);
    EXPECT_EQ(Calc->ComboBox1->currentIndex(), 1);

    for (int e : {1, 2, 3, 4, 5, 13})
        type(edit(e), "1");
    QTest::mouseClick(Calc->Button1, Qt::LeftButton);
    EXPECT_EQ(script->messages, QStringList(kNoData)) << "the exponents are empty too";
    EXPECT_EQ(Calc->Edit11->text(), n);
}

TEST_F(CalcWindow, StatusLineShowsTheHintUnderThePointer) {
    choose(1);
    waitForTick();
    const struct {
        QWidget* widget;
        QString status;
    } cases[] = {
        {Calc->Edit2, kInputsHint},
        {Calc->Edit6, kInputsHint},
        {Calc->Label22, kInputsHint},
        {Calc->Edit12, QStringLiteral("Значение находимой неизвестной")},
        {Calc->Label1, QStringLiteral("В этом окошке отображается значение неизвестной величины")},
        {Calc->Button1, QStringLiteral("Нажмите, чтобы рассчитать")},
        {Calc->menuBar(), QString()},
        {Form1->Edit1, QStringLiteral("Собственная частота колебаний частицы ")},
        {Calc->ClientArea, QString()},
    };
    for (const auto& c : cases) {
        QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
        QApplication::sendEvent(c.widget, &enter);
        EXPECT_EQ(Calc->StatusBar1->simpleText(), c.status) << c.widget->objectName().toStdString();
        EXPECT_EQ(Calc->StatusBar1->simplePanel(), !c.status.isEmpty());
    }
}

TEST_F(CalcWindow, ClosingHidesAndTheMainWindowShowsItAsItWas) {
    Calc->hide();
    Form1->show();
    Form1->N19->trigger();
    ASSERT_TRUE(Calc->isVisible());
    choose(4);
    waitForTick();
    type(Calc->Edit5, "3");
    Calc->N6->trigger();
    EXPECT_FALSE(Calc->isVisible());

    Form1->ToolButton6->click();
    EXPECT_TRUE(Calc->isVisible());
    EXPECT_EQ(Calc->ComboBox1->currentIndex(), 4);
    EXPECT_EQ(Calc->Edit5->text(), QStringLiteral("3"));
    EXPECT_EQ(Calc->Label7->text(), kOmega0Row);

    Calc->close();
    EXPECT_FALSE(Calc->isVisible());
    EXPECT_TRUE(Form1->isVisible());
    Form1->N19->trigger();
    EXPECT_EQ(Calc->Edit5->text(), QStringLiteral("3"));
}

TEST_F(CalcWindow, TimerRunsWhileHidden) {
    Calc->hide();
    Calc->ComboBox1->setCurrentIndex(1); // no keyboard reaches a hidden window
    waitForTick();
    EXPECT_FALSE(Calc->Edit1->isHidden());
    EXPECT_TRUE(Calc->Edit15->isHidden());
}
