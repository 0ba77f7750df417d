// SPDX-License-Identifier: GPL-3.0-or-later
#include "Unit4.h"

#include "calc/UnknownLayout.h"
#include "widgets/Application.h"
#include "widgets/Dialogs.h"
#include "widgets/FormBuilder.h"
#include "widgets/Hint.h"
#include "widgets/HintTracker.h"
#include "widgets/StatusBar.h"
#include "widgets/WindowSnapshot.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

TCalc* Calc = nullptr;

namespace {
// Timer1 shows the rows of the chosen unknown within this many ms.
constexpr int kTimerInterval = 1000;
constexpr int kClientWidth = 794;
constexpr int kClientHeight = 477;
constexpr int kStatusBarHeight = 19;
// The gradient colour of an active caption in the classic Windows scheme.
const QColor kGradientActiveCaption(166, 202, 240);

const QString kInputsHint = QStringLiteral("В этом окошке отображаются известные значения");
const QString kResultHint = QStringLiteral("Значение находимой неизвестной");

using form::named;

QFont serifFont(int pixels) {
    return form::font(QStringLiteral("Times New Roman"), pixels);
}

QLineEdit* mantissa(QWidget* group, const char* name, int x, int y, int width = 73) {
    return form::lineEdit(group, name, x, y, width);
}

// Exponent fields stand above their row like a superscript and start at 0.
QLineEdit* exponent(QWidget* group, const char* name, int x, int y, int width = 33) {
    QLineEdit* e = form::lineEdit(group, name, x, y, width);
    e->setText(QStringLiteral("0"));
    return e;
}

QLineEdit* result(QWidget* group, const char* name, int x) {
    return form::lineEdit(group, name, x, 40, 121, kResultHint);
}

// Narrows a caption where this machine's font is wider than the one the layout was made for,
// so that it ends before the control at `right`.
void fitBefore(QLabel* l, int right) {
    l->setFont(form::narrowedToFit(l->font(), l->text(), right - l->x() - 1));
    l->adjustSize();
}

// An auto-sized label keeps fitting its caption when the caption changes.
void setCaption(QLabel* l, const QString& caption) {
    if (l->text() == caption)
        return;
    l->setText(caption);
    l->adjustSize();
}
} // namespace

TCalc::TCalc(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("Calc"));
    setWindowTitle(QStringLiteral("Калькулятор"));
    // A tool window with a caption and a close box, nothing else.
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setWindowIcon(QIcon(QStringLiteral(":/icons/calculator.xpm")));
    setFont(form::font(QStringLiteral("MS Sans Serif"), 11));
    createControls();
    createMenu();
    connectCommands();
    // Fixed size: the client area below the menu bar stays 794 x 477.
    setFixedSize(kClientWidth, kClientHeight + menuBar()->sizeHint().height());
}

void TCalc::createControls() {
    ClientArea = new QWidget(this);
    ClientArea->setFixedSize(kClientWidth, kClientHeight);
    setCentralWidget(ClientArea);
    QPalette background = ClientArea->palette();
    background.setColor(QPalette::Window, kGradientActiveCaption);
    ClientArea->setPalette(background);
    ClientArea->setAutoFillBackground(true);

    Label20 = form::label(ClientArea, "Label20", QStringLiteral("Расчитать :"), 120, 80, nullptr);
    Label20->setFont(form::font(QStringLiteral("MS Sans Serif"), 16, true));
    Label20->adjustSize();

    ComboBox1 =
        named(new QComboBox(ClientArea), "ComboBox1",
              QStringLiteral(
                  "Выберите из предложенного списка ту величину, которую вы хотите рассчитать"));
    ComboBox1->setGeometry(40, 136, 257, 21);
    ComboBox1->setEditable(false);
    ComboBox1->addItems({QStringLiteral("Не выбрано"), QStringLiteral("Показатель преломления"),
                         QStringLiteral("Собственную частоту колебаний"),
                         QStringLiteral("Частоту колебаний частиц падающей волны"),
                         QStringLiteral("Массу одной частицы"),
                         QStringLiteral("Коэффициент затуханий"),
                         QStringLiteral("Концентрацию частиц"), QStringLiteral("Заряд частицы")});
    ComboBox1->setCurrentIndex(0);
    ComboBox1->setCursor(Qt::PointingHandCursor);

    Button1 = named(new QPushButton(QStringLiteral("Рассчитать"), ClientArea), "Button1",
                    QStringLiteral("Нажмите, чтобы рассчитать"));
    Button1->setGeometry(80, 224, 177, 41);
    Button1->setCursor(Qt::PointingHandCursor);

    createInputGroup();
    createResultGroup();

    StatusBar1 = named(new StatusBar(ClientArea), "StatusBar1");
    StatusBar1->setGeometry(0, kClientHeight - kStatusBarHeight, kClientWidth, kStatusBarHeight);
    // The status bar keeps the system colour, not the window's.
    QPalette own;
    own.setColor(QPalette::Window, palette().color(QPalette::Window));
    StatusBar1->setPalette(own);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(kTimerInterval);
    Timer1->start();

    m_edits = {nullptr, Edit1,  Edit2,  Edit3,  Edit4,  Edit5,  Edit6,  Edit7,  Edit8,
               Edit9,   Edit10, Edit11, Edit12, Edit13, Edit14, Edit15, Edit16, Edit17};
    m_labels = {nullptr, Label1,  Label2,  Label3,  Label4,  Label5,  Label6,  Label7,
                Label8,  Label9,  Label10, Label11, Label12, Label13, Label14, Label15,
                Label16, Label17, Label18, Label19, Label20, Label21, Label22, Label23};
    // Every row and result waits for a choice.
    for (int n = 1; n <= 17; ++n)
        edit(n)->hide();
    for (int n = 1; n <= 23; ++n)
        if (n != 20)
            label(n)->hide();

    const QWidget* order[] = {Edit1,  Edit2,  Edit3,  Edit4,   Edit5,    Edit6,  Edit7,
                              Edit8,  Edit9,  Edit10, Edit13,  Edit14,   Edit16, Edit17,
                              Edit11, Edit12, Edit15, Button1, ComboBox1};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(const_cast<QWidget*>(order[i - 1]), const_cast<QWidget*>(order[i]));
}

void TCalc::createInputGroup() {
    GroupBox1 = form::groupBox(ClientArea, "GroupBox1", QStringLiteral("Исходные Данные :"),
                               QRect(336, 16, 441, 329));
    setHint(GroupBox1, kInputsHint);
    QWidget* g = GroupBox1;
    const QFont serif = serifFont(13);
    const QFont gammaFont = serifFont(16);
    const QFont x10 = form::font(QStringLiteral("MS Sans Serif"), 13, true);

    const QString w0Caption = QStringLiteral("Частота колебаний частицы  w   :");
    Label2 = form::label(g, "Label2", w0Caption, 8, 40, &serif);
    Label3 = form::loweredZero(g, "Label3", Label2);
    Label17 = form::label(g, "Label17",
                          QStringLiteral("Действительная часть показателя преломления n(w)"), 8, 40,
                          &serif);
    Label5 = form::label(g, "Label5", rowCaption(5), 8, 88, &serif);
    Label22 = form::label(g, "Label22", rowCaption(22), 8, 136, &serif);
    Label4 = form::label(g, "Label4", QStringLiteral("γ  :"), 168, 136, &gammaFont);
    Label23 = form::label(g, "Label23", rowCaption(23), 8, 184, &serif);
    Label6 = form::label(g, "Label6", QStringLiteral("Q  :"), 168, 184, &serif);
    Label7 = form::label(g, "Label7", rowCaption(7), 8, 230, &serif);
    Label14 = form::label(g, "Label14", QStringLiteral("Частота колебаний частиц"), 8, 264, &serif);
    Label19 = form::label(g, "Label19", rowCaption(19), 8, 280, &serif);
    Label21 = form::label(g, "Label21", QString(), 48, 32);

    Label8 = form::label(g, "Label8", QStringLiteral("x 10"), 288, 40, &x10);
    Label18 = form::label(g, "Label18", QStringLiteral("x 10"), 360, 40, &x10);
    Label11 = form::label(g, "Label11", QStringLiteral("x 10"), 288, 88, &x10);
    Label9 = form::label(g, "Label9", QStringLiteral("x 10"), 288, 136, &x10);
    Label12 = form::label(g, "Label12", QStringLiteral("x 10"), 288, 184, &x10);
    Label10 = form::label(g, "Label10", QStringLiteral("x 10"), 288, 225, &x10);
    Label15 = form::label(g, "Label15", QStringLiteral("x 10"), 288, 281, &x10);

    Edit1 = mantissa(g, "Edit1", 200, 40);
    Edit2 = mantissa(g, "Edit2", 200, 136);
    Edit3 = mantissa(g, "Edit3", 200, 88);
    Edit4 = mantissa(g, "Edit4", 200, 184);
    Edit5 = mantissa(g, "Edit5", 200, 228);
    Edit6 = exponent(g, "Edit6", 328, 24);
    Edit7 = exponent(g, "Edit7", 328, 120);
    Edit8 = exponent(g, "Edit8", 328, 212);
    Edit9 = exponent(g, "Edit9", 328, 72);
    Edit10 = exponent(g, "Edit10", 328, 168);
    Edit13 = mantissa(g, "Edit13", 200, 280);
    Edit14 = exponent(g, "Edit14", 328, 264);
    Edit16 = mantissa(g, "Edit16", 288, 40, 65);
    fitBefore(Label17, Edit16->x());
    Edit17 = exponent(g, "Edit17", 384, 16, 41);
}

void TCalc::createResultGroup() {
    GroupBox2 = form::groupBox(ClientArea, "GroupBox2", QStringLiteral("Полученные Значения: "),
                               QRect(64, 344, 713, 121));
    setHint(GroupBox2, QStringLiteral("В этом окошке отображается значение неизвестной величины"));
    QWidget* g = GroupBox2;
    Label1 = form::label(g, "Label1", QStringLiteral("n(w)"), 104, 40);
    Edit11 = result(g, "Edit11", 136);
    Label13 = form::label(g, "Label13", QStringLiteral("n'(w)"), 304, 40);
    Edit12 = result(g, "Edit12", 336);
    Label16 = form::label(g, "Label16", QStringLiteral("Wo :"), 104, 40);
    Edit15 = result(g, "Edit15", 136);
}

void TCalc::createMenu() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    const auto menu = [bar](const char* name, const QString& title) {
        auto* m = new QMenu(title, bar);
        m->setObjectName(QString::fromLatin1(name));
        bar->addMenu(m);
        return m;
    };
    const auto item = [](QMenu* m, const char* name, const QString& text, const char* picture) {
        QAction* a =
            m->addAction(QIcon(QStringLiteral(":/icons/%1.xpm").arg(QLatin1String(picture))), text);
        a->setObjectName(QString::fromLatin1(name));
        return a;
    };
    N1 = menu("N1", QStringLiteral("Файл"));
    N4 = item(N1, "N4", QStringLiteral("Сохранить Данные в виде  изображения"), "savegraph");
    N5 = item(N1, "N5", QStringLiteral("Стереть введенные данные"), "newcalc");
    N6 = item(N1, "N6", QStringLiteral("Выход"), "exit");
    N2 = menu("N2", QStringLiteral("Расчет"));
    N3 = item(N2, "N3", QStringLiteral("Расчитать"), "calculator");
}

void TCalc::connectCommands() {
    const auto command = [this](auto handler) { return commandOf(this, handler); };
    connect(Button1, &QPushButton::clicked, this, command(&TCalc::Button1Click));
    connect(Timer1, &QTimer::timeout, this, command(&TCalc::Timer1Timer));
    const std::pair<QAction*, void (TCalc::*)()> items[] = {
        {N3, &TCalc::N3Click}, {N4, &TCalc::N4Click}, {N5, &TCalc::N5Click}, {N6, &TCalc::N6Click}};
    for (const auto& [item, handler] : items)
        connect(item, &QAction::triggered, this, command(handler));
    if (VolnografApp* app = VolnografApp::instance())
        connect(app->hints(), &HintTracker::hintChanged, this, &TCalc::ApplicationEvents1Hint);
}

QLineEdit* TCalc::edit(int n) const {
    return m_edits.at(static_cast<std::size_t>(n));
}

QLabel* TCalc::label(int n) const {
    return m_labels.at(static_cast<std::size_t>(n));
}

void TCalc::Button1Click() {
    solve();
}

void TCalc::N3Click() {
    solve();
}

void TCalc::solve() {
    CalcRequest request;
    request.index = ComboBox1->currentIndex();
    for (int n = 1; n <= 17; ++n)
        request.texts.at(static_cast<std::size_t>(n)) = edit(n)->text();
    request.decimalSeparator = QLocale().decimalPoint().at(0);
    const CalcOutcome outcome = SolveForUnknown(request, CalcValues);
    CalcValues = outcome.values;
    for (const CalcResult& result : outcome.results)
        form::showText(edit(result.edit), result.text);
    if (!outcome.message.isEmpty())
        dialogs().showMessage(outcome.message);
    // Ends the command here, shown in the error box as any other error.
    if (outcome.error)
        std::rethrow_exception(outcome.error);
}

void TCalc::N4Click() {
    SaveWindowSnapshot(this, QStringLiteral("Calcul.bmp"),
                       QStringLiteral("Расчеты сохранены в текущую папку программы !"), true);
}

void TCalc::N5Click() {
    ClearCalculatorInputs();
}

void TCalc::N6Click() {
    close();
}

void TCalc::Timer1Timer() {
    ApplyUnknownLayout();
}

void TCalc::ApplyUnknownLayout() {
    const UnknownLayout layout = unknownLayout(ComboBox1->currentIndex());
    if (layout.setsCaptions) {
        for (int n : kRowLabels)
            setCaption(label(n), n == layout.omega0Row ? kOmega0RowCaption : rowCaption(n));
        if (!layout.resultCaption.isEmpty())
            setCaption(Label16, layout.resultCaption);
    }
    for (int n = 1; n <= 17; ++n)
        edit(n)->setVisible(layout.edits[static_cast<std::size_t>(n)]);
    for (int n = 1; n <= 23; ++n)
        if (n != 20)
            label(n)->setVisible(layout.labels[static_cast<std::size_t>(n)]);
}

void TCalc::ClearCalculatorInputs() {
    for (int n : {6, 2, 3, 4, 5, 1, 7, 8, 9, 10, 13, 16, 17, 14})
        edit(n)->clear();
}

void TCalc::ApplicationEvents1Hint(const QString& hint) {
    StatusBar1->showHint(hint);
}

void TCalc::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // Centred on the screen when first shown; afterwards it comes back where the user left it.
    form::centreOnFirstShow(this, m_placed);
}
