// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator window driven as the user drives it: the choice in the list, the rows the
// timer shows, typing, the commands, the status line and hiding.
#include "CalcMedium.h"
#include "MainWindowShown.h"
#include "QtPrinters.h"
#include "ScriptedDialogs.h"
#include "widgets/StatusBar.h"
#include "windows/Unit4.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QEnterEvent>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>
#include <gtest/gtest.h>

namespace {
const QString kOmega0Row = QStringLiteral("Собств. частота колебаний  Wo :");
const QString kNoData = QStringLiteral("Не введены данные для расчета !");

class CalcWindow : public MainWindowShown {
protected:
    void SetUp() override {
        MainWindowShown::SetUp();
        Calc->show();
    }

    static QWidget* control(const char* kind, int n) {
        return Calc->findChild<QWidget*>(QStringLiteral("%1%2").arg(kind).arg(n));
    }
    static QLineEdit* edit(int n) { return static_cast<QLineEdit*>(control("Edit", n)); }

    // The arrow keys in the list; the rows follow at the window's next timer tick.
    static void choose(int index) {
        while (Calc->ComboBox1->currentIndex() != index)
            QTest::keyClick(Calc->ComboBox1,
                            Calc->ComboBox1->currentIndex() < index ? Qt::Key_Down : Qt::Key_Up);
    }
    static void chooseAndWait(int index) {
        choose(index);
        QSignalSpy tick(Calc->Timer1, &QTimer::timeout);
        ASSERT_TRUE(tick.wait(5000));
    }

    static QList<int> shown(const char* kind) {
        QList<int> numbers;
        for (int n = 1; n <= 23; ++n)
            if (QWidget* w = control(kind, n); w && n != 20 && w->isVisible())
                numbers << n;
        return numbers;
    }

    RussianLocale locale;
    DialogsScript script;
};

QList<int> numbers(std::initializer_list<std::pair<int, int>> spans) {
    QList<int> list;
    for (auto [from, to] : spans)
        for (int n = from; n <= to; ++n)
            list << n;
    return list;
}
} // namespace

TEST_F(CalcWindow, EachChoiceShowsItsRowsAtTheNextTick) {
    EXPECT_EQ(Calc->ClientArea->size(), QSize(794, 477));
    const Qt::WindowFlags boxes = Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                                  Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint;
    EXPECT_EQ(Calc->windowFlags() & boxes, Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
        << "a caption and a close box only";
    EXPECT_EQ(Calc->GroupBox1->palette().color(QPalette::Window), QColor(166, 202, 240));
    EXPECT_LT(Calc->Label17->geometry().right(), Calc->Edit16->x()) << "the n caption shows whole";
    for (int n : {6, 7, 8, 9, 10, 14, 17})
        EXPECT_EQ(edit(n)->text(), QStringLiteral("0")) << "Edit" << n;
    typeInto(edit(1), "7");
    const QList<int> inverse = numbers({{2, 5}, {7, 10}, {13, 17}});
    const auto inverseLabels = [](bool aboveW) {
        return numbers({{4, 7}, {9, 12}, {aboveW ? 14 : 15, 19}, {21, 23}});
    };
    const std::pair<int, const char*> rowCaptions[] = {
        {19, "падающей волны                      w :"},
        {7, "Масса одной частицы            m  :"},
        {23, "Заряд одной частицы "},
        {5, "Концентрация частиц              N  :"},
        {22, "Коэффициент затуханий"}};
    const struct {
        int index;
        const char* result; // Label16
        int omega0Row;      // the row label that reads as w0
        QList<int> edits, labels;
    } steps[] = {
        {0, "Wo :", 0, {}, {}}, // as the window starts
        {4, "m :", 7, inverse, inverseLabels(true)},
        {0, "m :", 7, {}, {}}, // no caption changes
        {1, "m :", 0, numbers({{1, 14}}), numbers({{1, 15}, {19, 19}, {21, 23}})},
        {2, "Wo :", 0, inverse, inverseLabels(true)},
        {3, "W  :", 19, inverse, inverseLabels(false)},
        {5, "g :", 22, inverse, inverseLabels(true)},
        {6, "N :", 5, inverse, inverseLabels(true)},
        {7, "Q :", 23, inverse, inverseLabels(true)},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.index);
        if (&step != steps)
            chooseAndWait(step.index);
        EXPECT_EQ(shown("Edit"), step.edits);
        EXPECT_EQ(shown("Label"), step.labels);
        EXPECT_EQ(Calc->Label16->text(), QString::fromUtf8(step.result));
        for (const auto& [n, caption] : rowCaptions) {
            const auto* l = static_cast<QLabel*>(control("Label", n));
            EXPECT_EQ(l->text(), n == step.omega0Row ? kOmega0Row : QString::fromUtf8(caption));
            EXPECT_GE(l->width(), l->fontMetrics().horizontalAdvance(l->text())) << n;
        }
    }
    EXPECT_EQ(edit(1)->text(), QStringLiteral("7")) << "hidden rows keep their texts";
}

// A session: the index, the mass back from it, a bad text, the status line, clearing, hiding.
TEST_F(CalcWindow, ExampleSolvedForTheIndexThenForTheMass) {
    chooseAndWait(1);
    const CalcMedium example{
        "classroom",
        {"3", "15", "1", "13", "1", "28", "1,6", "-19", "9,1", "-31", "2,5E15", "0"},
        true};
    for (const auto& [n, text] : calcFieldTexts(example))
        typeInto(edit(n), text);
    QTest::mouseClick(Calc->Button1, Qt::LeftButton);
    EXPECT_EQ(Calc->Edit11->text(), QStringLiteral("6,77905359552485"));
    EXPECT_EQ(Calc->Edit12->text(), QStringLiteral("0,0525368508684077"));

    choose(2); // the click reads the choice of that moment, before the rows follow it
    QTest::mouseClick(Calc->Button1, Qt::LeftButton);
    EXPECT_EQ(script->messages, QStringList(kNoData)) << "the n row is still empty";

    chooseAndWait(4);
    typeInto(Calc->Edit16, "6,77905359552485");
    typeInto(Calc->Edit5, "3");
    typeInto(Calc->Edit8, "15");
    Calc->N3->trigger();
    EXPECT_EQ(Calc->Edit15->text(), QStringLiteral("9,1E-31"));
    typeInto(Calc->Edit3, "1.0");
    QTest::mouseClick(Calc->Button1, Qt::LeftButton);
    EXPECT_EQ(script->errors, QStringList("'1.0' is not a valid floating point value."));

    const std::pair<QWidget*, const char*> hints[] = {
        {Calc->Edit2, "В этом окошке отображаются известные значения"},
        {Calc->Edit15, "Значение находимой неизвестной"},
        {Form1->Edit1, "Собственная частота колебаний частицы "},
        {Calc->ClientArea, ""}};
    for (const auto& [widget, hint] : hints) {
        QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
        QApplication::sendEvent(widget, &enter);
        EXPECT_EQ(Calc->StatusBar1->simpleText(), QString::fromUtf8(hint));
        EXPECT_EQ(Calc->StatusBar1->simplePanel(), *hint != '\0');
    }

    Calc->N6->trigger();
    EXPECT_FALSE(Calc->isVisible());
    Form1->ToolButton6->click();
    EXPECT_TRUE(Calc->isVisible());
    EXPECT_EQ(Calc->Label7->text(), kOmega0Row) << "shown again as it was";
    Calc->N5->trigger();
    for (int e = 1; e <= 17; ++e)
        EXPECT_EQ(edit(e)->text().isEmpty(), e < 11 || e > 15 || e == 13 || e == 14) << e;
    EXPECT_EQ(Calc->ComboBox1->currentIndex(), 4);
    for (int e : {2, 3, 4, 5, 13, 16})
        typeInto(edit(e), "2");
    Calc->N3->trigger();
    EXPECT_EQ(script->messages.size(), 2) << "the exponents are empty too";
    EXPECT_EQ(Calc->Edit15->text(), QStringLiteral("9,1E-31"));
    Calc->close();
    EXPECT_FALSE(Calc->isVisible());
    EXPECT_TRUE(Form1->isVisible());
}

// A text the program writes, wider than its field, shows from its first character: a minus
// sign scrolled out of sight would turn a negative result positive.
TEST_F(CalcWindow, WrittenTextsShowTheirBeginning) {
    QTemporaryDir dir;
    const QString lesson = dir.filePath(QStringLiteral("long.grafc"));
    QFile file(lesson);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    // Longer than Qt's default limit of 32767 characters a field takes.
    const QByteArray longLine = "-" + QByteArray(40000, '7');
    file.write(longLine + "\r\n");
    file.close();
    script->fileNames = {lesson};
    // The classroom medium solved for N with the natural frequency below the wave's.
    const CalcMedium medium{
        "below the wave",
        {"2,5", "15", "1", "13", "1", "28", "1,6", "-19", "9,1", "-31", "3", "15"},
        false};
    const struct {
        const char* what;
        std::function<void()> act;
        QLineEdit* field;
        const char* begins;
        qsizetype length;
    } cases[] = {
        {"a concentration below zero",
         [&] {
             chooseAndWait(6);
             for (const auto& [n, text] : calcFieldTexts(medium, 6, "6,77905359552485"))
                 typeInto(edit(n), text);
             QTest::mouseClick(Calc->Button1, Qt::LeftButton);
         },
         Calc->Edit15, "-1,00003636", 20},
        {"a long line of a lesson file", [] { Form1->N6->trigger(); }, Form1->Edit1, "-7777",
         longLine.size()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        c.act();
        EXPECT_EQ(c.field->text().size(), c.length);
        ASSERT_TRUE(c.field->text().startsWith(QLatin1String(c.begins)))
            << c.field->text().toStdString();
        ASSERT_GT(c.field->fontMetrics().horizontalAdvance(c.field->text()),
                  textArea(c.field).width());
        c.field->grab(); // lays the text out as the screen shows it
        EXPECT_EQ(c.field->cursorPositionAt(QPoint(4, c.field->height() / 2)), 0);
    }
}
