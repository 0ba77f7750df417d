// SPDX-License-Identifier: GPL-3.0-or-later
#include "Unit3.h"

#include "widgets/Application.h"
#include "widgets/ColorPanel.h"
#include "widgets/Dialogs.h"
#include "widgets/FormBuilder.h"
#include "widgets/Hint.h"
#include "widgets/HintTracker.h"
#include "widgets/StatusBar.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QTimer>
#include <qdrawutil.h>

#include <algorithm>
#include <optional>
#include <utility>

TSettings* Settings = nullptr;

namespace {
// Timer1 enables the list of label counts by its check box within this many ms.
constexpr int kTimerInterval = 200;
// The window is 524 x 451 outside; its client size leaves room for a tool window's frame.
constexpr int kClientWidth = 516;
constexpr int kClientHeight = 424;
constexpr int kStatusBarHeight = 19;
const QColor kMaroon(0x80, 0x00, 0x00);

using form::named;

// The font colour of a control and of the controls in it: captions and labels draw with
// WindowText; check marks keep their own colour.
void setTextColor(QWidget* widget, const QColor& color) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    widget->setPalette(palette);
}

QGroupBox* groupBox(QWidget* parent, const char* name, const QString& title, QRect r,
                    bool maroon = false) {
    QGroupBox* g = form::groupBox(parent, name, title, r);
    if (maroon)
        setTextColor(g, kMaroon);
    return g;
}

QLabel* label(QWidget* parent, const char* name, const QString& text, int x, int y) {
    return form::label(parent, name, text, x, y);
}

ColorPanel* colorPanel(QWidget* parent, const char* name, const QColor& color, QRect r,
                       const QString& hint) {
    auto* p = named(new ColorPanel(color, parent), name, hint);
    p->setGeometry(r);
    return p;
}

QCheckBox* checkBox(QWidget* parent, const char* name, const QString& text, QRect r,
                    const QString& hint, bool hand = false) {
    QCheckBox* c = form::checkBox(parent, name, text, r, hint);
    c->setChecked(true);
    if (hand)
        c->setCursor(Qt::PointingHandCursor);
    return c;
}

// Narrows a check box's caption where this machine's font is wider than the one the layout was
// made for, so that the whole caption shows inside the box and inside its group's frame.
void fitCaption(QCheckBox* box) {
    QStyleOptionButton option;
    option.initFrom(box);
    option.rect = box->rect();
    option.text = box->text();
    const QRect text = box->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, box);
    const int right = std::min(text.right() + 1, box->parentWidget()->width() - 2 - box->x());
    box->setFont(form::narrowedToFit(box->font(), box->text(), right - text.left()));
}

// Opens the dialog with its current colour; a confirmed colour becomes both the dialog's
// and the panel's, a cancelled one changes nothing.
void chooseColor(ColorDialogState& dialog, ColorPanel* panel) {
    if (runColorDialog(dialog))
        panel->setColor(dialog.color);
}
} // namespace

TSettings::TSettings(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Settings"));
    setWindowTitle(QStringLiteral("Настройки"));
    setWindowFlag(Qt::Tool);
    setFont(form::font(QStringLiteral("MS Sans Serif"), 11));
    resize(kClientWidth, kClientHeight);

    createControls();
    for (QCheckBox* box : {CheckBox1, CheckBox2, CheckBox3, CheckBox4, CheckBox5, CheckBox6})
        fitCaption(box);
    connectCommands();
    if (VolnografApp* app = VolnografApp::instance())
        connect(app->hints(), &HintTracker::hintChanged, this, &TSettings::ApplicationEvents1Hint);
}

void TSettings::createControls() {
    Panel1 = named(new QFrame(this), "Panel1");
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setLineWidth(1);
    Panel1->setGeometry(16, 16, 489, 305);

    createChartGroup();
    createAxesGridBackgroundGroups();
    createFeaturesGroup();

    Button1 = named(new QPushButton(QStringLiteral("ОК"), this), "Button1");
    Button1->setGeometry(216, 352, 97, 25);
    Button1->setCursor(Qt::PointingHandCursor);
    // Return does not close the window: only "ОК" itself and the close box do.
    Button1->setAutoDefault(false);
    Button1->setDefault(false);

    StatusBar1 = named(new StatusBar(this), "StatusBar1");
    StatusBar1->setGeometry(0, height() - kStatusBarHeight, width(), kStatusBarHeight);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(kTimerInterval);
    Timer1->start();
}

void TSettings::createChartGroup() {
    GroupBox1 = groupBox(Panel1, "GroupBox1", QStringLiteral("График :"), QRect(8, 8, 465, 89));

    GroupBox6 = groupBox(GroupBox1, "GroupBox6", QStringLiteral("Цвет линий :"),
                         QRect(8, 16, 201, 65), true);
    Label17 = label(GroupBox6, "Label17", QStringLiteral("n(w) :"), 16, 20);
    Label18 = label(GroupBox6, "Label18", QStringLiteral("n'(w) :"), 13, 44);
    butShapeColor1 = colorPanel(
        GroupBox6, "butShapeColor1", QColor(255, 0, 0), QRect(74, 12, 47, 21),
        QStringLiteral("Цвет линии графика действительной части показателя преломления"));
    butSHapeColor2 =
        colorPanel(GroupBox6, "butSHapeColor2", QColor(0, 0, 255), QRect(74, 36, 47, 21),
                   QStringLiteral("Цвет линии графика мнимой части показателя преломления"));

    GroupBox8 =
        groupBox(GroupBox1, "GroupBox8", QStringLiteral("Определение собственной частоты :"),
                 QRect(216, 16, 241, 65));
    CheckBox1 = checkBox(GroupBox8, "CheckBox1", QStringLiteral("Выделить пунктиром Wo"),
                         QRect(16, 32, 161, 17),
                         QStringLiteral("Выделить пунктиром значение Wo на оси графика"), true);
}

void TSettings::createAxesGridBackgroundGroups() {
    GroupBox2 = groupBox(Panel1, "GroupBox2", QStringLiteral("Оси :"), QRect(8, 104, 137, 81));
    GroupBox7 =
        groupBox(GroupBox2, "GroupBox7", QStringLiteral("Цвет :"), QRect(8, 16, 113, 57), true);
    butSHapeColor3 = colorPanel(GroupBox7, "butSHapeColor3", QColor(255, 255, 255),
                                QRect(34, 20, 47, 21), QStringLiteral("Цвет осей графика "));

    GroupBox3 = groupBox(Panel1, "GroupBox3", QStringLiteral("Сетка"), QRect(152, 104, 233, 81));
    GroupBox10 =
        groupBox(GroupBox3, "GroupBox10", QStringLiteral("Цвет :"), QRect(8, 16, 97, 57), true);
    butSHapeColor4 = colorPanel(GroupBox10, "butSHapeColor4", QColor(0, 128, 0),
                                QRect(26, 20, 47, 21), QStringLiteral("Цвет сетки "));
    GroupBox13 =
        groupBox(GroupBox3, "GroupBox13", QStringLiteral("Вид :"), QRect(120, 16, 97, 57), true);
    CheckBox2 = checkBox(GroupBox13, "CheckBox2", QStringLiteral("Внешняя"), QRect(8, 16, 49, 17),
                         QStringLiteral("Построить внешнюю сетку"), true);
    CheckBox3 = checkBox(GroupBox13, "CheckBox3", QStringLiteral("Внутренняя"),
                         QRect(8, 32, 65, 17), QStringLiteral("Построить внутреннюю сетку"), true);
    // The grid's check boxes keep their own small serif font in the plain text colour.
    const QColor windowText = palette().color(QPalette::WindowText);
    for (QCheckBox* box : {CheckBox2, CheckBox3}) {
        box->setFont(form::font(QStringLiteral("MS Serif"), 8));
        setTextColor(box, windowText);
    }

    GroupBox4 = groupBox(Panel1, "GroupBox4", QStringLiteral("Фон :"), QRect(392, 104, 81, 81));
    GroupBox12 =
        groupBox(GroupBox4, "GroupBox12", QStringLiteral("Цвет :"), QRect(8, 16, 65, 57), true);
    butSHapeColor5 = colorPanel(GroupBox12, "butSHapeColor5", QColor(0, 0, 0),
                                QRect(10, 20, 47, 21), QStringLiteral("Цвет фона окна графика"));
}

void TSettings::createFeaturesGroup() {
    GroupBox5 = groupBox(Panel1, "GroupBox5", QStringLiteral("Особенности построения графика :"),
                         QRect(8, 208, 465, 81));

    GroupBox14 = groupBox(GroupBox5, "GroupBox14", QStringLiteral("Надписи на осях :"),
                          QRect(8, 16, 201, 57), true);
    CheckBox5 = checkBox(GroupBox14, "CheckBox5", QStringLiteral(" OX"), QRect(8, 24, 41, 17),
                         QStringLiteral("Поставить/убрать обозначение оси OX"));
    CheckBox4 = checkBox(GroupBox14, "CheckBox4", QStringLiteral(" OY"), QRect(56, 24, 41, 17),
                         QStringLiteral("Поставить/убрать обозначение оси OY"));
    GroupBox9 = groupBox(GroupBox14, "GroupBox9", QStringLiteral("Цвет"), QRect(104, 8, 89, 41));
    butSHapeColor6 =
        colorPanel(GroupBox9, "butSHapeColor6", QColor(255, 255, 255), QRect(24, 16, 41, 17),
                   QStringLiteral("Цвет шрифта надписей на осях"));

    GroupBox15 = groupBox(GroupBox5, "GroupBox15", QStringLiteral("Свойства осей :"),
                          QRect(216, 16, 241, 57), true);
    CheckBox6 = checkBox(
        GroupBox15, "CheckBox6", QStringLiteral("Промасштабировать  и подписать на осях :"),
        QRect(24, 16, 241, 17), QStringLiteral("Расставить значения w и n(w) на осях"));
    ComboBox4 = named(new QComboBox(GroupBox15), "ComboBox4",
                      QStringLiteral("Выбрать сколько подписать точек на осях"));
    ComboBox4->setGeometry(72, 32, 145, 21);
    ComboBox4->setEditable(false);
    ComboBox4->addItems(
        {QStringLiteral("1 точку"), QStringLiteral("3 точки"), QStringLiteral("10 точек")});
    ComboBox4->setCurrentIndex(2);
    // A drop-down list keeps its own palette rather than its group's, and shows its item in
    // the Text or ButtonText colour: give it the group's font colour, greyed when disabled.
    QPalette listPalette = ComboBox4->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
        for (QPalette::ColorRole role : {QPalette::Text, QPalette::ButtonText})
            listPalette.setColor(group, role, kMaroon);
    ComboBox4->setPalette(listPalette);
    ComboBox4->setCursor(Qt::PointingHandCursor);
}

void TSettings::connectCommands() {
    const auto command = [this](auto handler) { return commandOf(this, handler); };
    const std::pair<ColorPanel*, void (TSettings::*)()> panels[] = {
        {butShapeColor1, &TSettings::butShapeColor1Click},
        {butSHapeColor2, &TSettings::butSHapeColor2Click},
        {butSHapeColor3, &TSettings::butSHapeColor3Click},
        {butSHapeColor4, &TSettings::butSHapeColor4Click},
        {butSHapeColor5, &TSettings::butSHapeColor5Click},
        {butSHapeColor6, &TSettings::butSHapeColor6Click},
    };
    for (const auto& [panel, handler] : panels)
        connect(panel, &ColorPanel::clicked, this, command(handler));
    connect(Button1, &QPushButton::clicked, this, command(&TSettings::Button1Click));
    connect(Timer1, &QTimer::timeout, this, command(&TSettings::Timer1Timer));
}

PlotSettings TSettings::plotSettings() const {
    PlotSettings s;
    s.ReLineColor = butShapeColor1->color().rgb();
    s.ImLineColor = butSHapeColor2->color().rgb();
    s.AxesColor = butSHapeColor3->color().rgb();
    s.GridColor = butSHapeColor4->color().rgb();
    s.BackgroundColor = butSHapeColor5->color().rgb();
    s.LabelFontColor = butSHapeColor6->color().rgb();
    s.MarkOmega0 = CheckBox1->isChecked();
    s.OuterGrid = CheckBox2->isChecked();
    s.InnerGrid = CheckBox3->isChecked();
    s.TitleOX = CheckBox5->isChecked();
    s.TitleOY = CheckBox4->isChecked();
    s.ScaleLabels = CheckBox6->isChecked();
    s.LabelPointCount = ComboBox4->currentIndex();
    return s;
}

void TSettings::butShapeColor1Click() {
    chooseColor(ColorDialog1, butShapeColor1);
}
void TSettings::butSHapeColor2Click() {
    chooseColor(ColorDialog2, butSHapeColor2);
}
void TSettings::butSHapeColor3Click() {
    chooseColor(ColorDialog3, butSHapeColor3);
}
void TSettings::butSHapeColor4Click() {
    chooseColor(ColorDialog4, butSHapeColor4);
}
void TSettings::butSHapeColor5Click() {
    chooseColor(ColorDialog5, butSHapeColor5);
}
// The label-font panel shares the axes' dialog.
void TSettings::butSHapeColor6Click() {
    chooseColor(ColorDialog3, butSHapeColor6);
}

void TSettings::Button1Click() {
    accept();
}

void TSettings::Timer1Timer() {
    ComboBox4->setEnabled(CheckBox6->isChecked());
}

void TSettings::ApplicationEvents1Hint(const QString& hint) {
    StatusBar1->showHint(hint);
}

void TSettings::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    form::centreOnFirstShow(this, m_placed);
}

void TSettings::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    // The status bar stays along the bottom edge of a resized window.
    if (StatusBar1)
        StatusBar1->setGeometry(0, height() - kStatusBarHeight, width(), kStatusBarHeight);
}
