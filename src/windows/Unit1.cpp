// SPDX-License-Identifier: GPL-3.0-or-later
#include "Unit1.h"

#include "PlotMenu.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"
#include "files/GrafcFile.h"
#include "files/ProgramFolder.h"
#include "plot/Canvas.h"
#include "plot/CursorReadout.h"
#include "plot/PlotCommand.h"
#include "plot/PlotPicture.h"
#include "widgets/Application.h"
#include "widgets/BusyGuard.h"
#include "widgets/Desktop.h"
#include "widgets/Dialogs.h"
#include "widgets/FormBuilder.h"
#include "widgets/Hint.h"
#include "widgets/HintTracker.h"
#include "widgets/PlotImage.h"
#include "widgets/SelectionKeepingEdit.h"
#include "widgets/StatusBar.h"
#include "widgets/ToolBar.h"
#include "widgets/WindowSnapshot.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

TForm1* Form1 = nullptr;

namespace {
// Timer1 greys the interval fields and shows the toolbar buttons within this many ms.
constexpr int kTimerInterval = 1000;
constexpr int kClientWidth = 1038;
constexpr int kClientHeight = 540;
const QString kGrafcFilter = QStringLiteral("Файлы программы (*.grafc)");

using form::checkBox;
using form::groupBox;
using form::label;
using form::lineEdit;
using form::named;

QFont formFont() {
    return form::font(QStringLiteral("MS Sans Serif"), 11, true);
}

QFont serifFont(int pixels) {
    return form::font(QStringLiteral("Times New Roman"), pixels);
}

QFont boldSansFont() {
    return form::font(QStringLiteral("MS Sans Serif"), 13, true);
}
} // namespace

TForm1::TForm1(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Волнограф Вер. 1.2"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/app.xpm")));
    setFont(formFont());
    // FontDialog1 opens first with the classic dialog font as the desktop maps it.
    m_lastFont = form::mapped(form::font(QStringLiteral("MS Sans Serif"), 11));
    createControls();
    createMenu();
    plotMenu = new PlotMenu(
        Image1, m_plotSession, [this] { return plotRequest(); }, this);
    connectCommands();
    // Fixed size: the client area below the menu bar stays 1038 x 540.
    setFixedSize(kClientWidth, kClientHeight + menuBar()->sizeHint().height());
    FormCreate();
}

TForm1::~TForm1() = default;

void TForm1::createControls() {
    ClientArea = new QWidget(this);
    ClientArea->setFixedSize(kClientWidth, kClientHeight);
    setCentralWidget(ClientArea);

    createToolBar();
    createInputGroup();
    createIntervalGroup();
    createReadoutGroups();

    Button1 = named(new QPushButton(QStringLiteral("Построить график"), ClientArea), "Button1",
                    QStringLiteral("Построить график в правом окне"));
    Button1->setGeometry(8, 480, 233, 33);
    Button1->setCursor(Qt::PointingHandCursor);

    Gauge1 =
        named(new QProgressBar(ClientArea), "Gauge1", QStringLiteral("Показывает ход построения"));
    Gauge1->setGeometry(256, 480, 281, 33);
    Gauge1->setRange(0, 100);
    Gauge1->setValue(0);
    Gauge1->setAlignment(Qt::AlignCenter);
    Gauge1->setCursor(Qt::ForbiddenCursor);
    Gauge1->setStyleSheet(QStringLiteral(
        "QProgressBar { border: 1px solid #808080; background: white; color: black; }"
        "QProgressBar::chunk { background-color: #00ff00; }"));

    Image1 = named(new PlotImage(ClientArea, QSize(kPictureSide, kPictureSide)), "Image1",
                   QStringLiteral("Окно построения графика"));
    Image1->move(552, 40);
    Image1->setMouseMoveHandler(
        [this](int x, int y) { runCommand([this, x, y] { Image1MouseMove(x, y); }); });
    m_canvas = std::make_unique<Canvas>(Image1->image());

    StatusBar1 = named(new StatusBar(ClientArea), "StatusBar1");
    StatusBar1->setGeometry(0, 521, kClientWidth, 19);
    StatusBar1->setCursor(Qt::WhatsThisCursor);

    // The toolbar and the status bar keep the system colour when the window's changes.
    for (QWidget* w : {static_cast<QWidget*>(ToolBar1), static_cast<QWidget*>(StatusBar1)}) {
        QPalette own;
        own.setColor(QPalette::Window, w->palette().color(QPalette::Window));
        w->setPalette(own);
        w->setAutoFillBackground(true);
    }

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(kTimerInterval);
    Timer1->start();

    m_edits = {nullptr, Edit1,  Edit2,  Edit3,  Edit4,  Edit5,  Edit6,   Edit7,   Edit8,  Edit9,
               Edit10,  Edit11, Edit12, Edit13, Edit14, Edit15, nullptr, nullptr, Edit18, Edit19};

    const QWidget* order[] = {Button1, Edit1,  Edit2,     Edit3,  Edit4,     Edit5,     Edit6,
                              Edit7,   Edit8,  Edit9,     Edit10, CheckBox1, CheckBox3, Edit11,
                              Edit12,  Edit13, CheckBox2, Edit14, Edit15,    Edit18,    Edit19};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(const_cast<QWidget*>(order[i - 1]), const_cast<QWidget*>(order[i]));
}

void TForm1::createToolBar() {
    ToolBar1 = named(new ToolBar(ClientArea), "ToolBar1", QStringLiteral("Панель инструментов"));
    ToolBar1->setGeometry(0, 0, kClientWidth, 29);
    const auto add = [this](const char* name, const char* picture, const QString& hint) {
        return ToolBar1->addButton(QString::fromLatin1(name),
                                   QStringLiteral(":/icons/%1.xpm").arg(QLatin1String(picture)),
                                   hint);
    };
    ToolButton1 = add("ToolButton1", "load", QStringLiteral("Загрузить  Исходные Данные|"));
    ToolButton2 = add("ToolButton2", "save", QStringLiteral("Сохранить  Исходные Данные|"));
    ToolButton3 = add("ToolButton3", "savegraph", QStringLiteral("Сохранить график|"));
    ToolButton4 = add("ToolButton4", "settings", QStringLiteral("Настройки графика|"));
    ToolButton5 = add("ToolButton5", "clear", QStringLiteral("Очистить экран|"));
    ToolButton6 = add("ToolButton6", "calculator", QStringLiteral("Калькулятор|"));
    ToolButton7 = add("ToolButton7", "help", QStringLiteral("Справка|"));
    ToolButton7->setCursor(Qt::WhatsThisCursor);
}

void TForm1::createInputGroup() {
    GroupBox1 = groupBox(ClientArea, "GroupBox1", QStringLiteral("Исходные Данные :"),
                         QRect(8, 32, 529, 265));
    QWidget* g = GroupBox1;
    const QFont serif = serifFont(13);
    const QFont gammaFont = serifFont(16);
    const QFont x10 = boldSansFont();

    const QString w0Caption = QStringLiteral("Собственная частота колебаний частицы  w   :");
    Label2 = label(g, "Label2", w0Caption, 8, 32, &serif);
    Label3 = form::loweredZero(g, "Label3", Label2);
    Label5 = label(g, "Label5",
                   QStringLiteral("Концентрация частиц                                      N  :"),
                   8, 72, &serif);
    Label22 = label(g, "Label22", QStringLiteral("Коэффициент затуханий"), 8, 112, &serif);
    Label4 = label(g, "Label4", QStringLiteral("γ  :"), 240, 112, &gammaFont);
    Label23 = label(g, "Label23", QStringLiteral("Заряд одной частицы "), 8, 152, &serif);
    Label6 = label(g, "Label6", QStringLiteral("Q  :"), 240, 152, &serif);
    Label7 = label(g, "Label7",
                   QStringLiteral("Масса одной частицы                                    m  :"), 8,
                   190, &serif);
    Label8 = label(g, "Label8", QStringLiteral("x 10"), 384, 32, &x10);
    Label11 = label(g, "Label11", QStringLiteral("x 10"), 384, 72, &x10);
    Label9 = label(g, "Label9", QStringLiteral("x 10"), 384, 112, &x10);
    Label12 = label(g, "Label12", QStringLiteral("x 10"), 384, 152, &x10);
    Label10 = label(g, "Label10", QStringLiteral("x 10"), 384, 193, &x10);
    Label17 = label(g, "Label17", QStringLiteral("Гц"), 480, 32, nullptr,
                    QStringLiteral("Размерность собственной частоты колебаний"));
    Label18 = label(g, "Label18", QStringLiteral("м"), 480, 64, nullptr,
                    QStringLiteral("Размерность концентрации"));
    Label24 = label(g, "Label24", QStringLiteral("-3"), 488, 56, nullptr,
                    QStringLiteral("Размерность концентрации"));
    Label25 = label(g, "Label25", QStringLiteral("Кл"), 480, 152, nullptr,
                    QStringLiteral("Размерность заряда"));
    Label26 = label(g, "Label26", QStringLiteral("Кг"), 480, 192, nullptr,
                    QStringLiteral("Размерность массы"));

    // The mantissa fields keep their selections side by side for the edit commands.
    const auto mantissa = [g](const char* name, int y, const QString& hint) {
        return form::placeLineEdit(new SelectionKeepingEdit(g), name, 272, y, 97, hint);
    };
    Edit1 = mantissa("Edit1", 32, QStringLiteral("Собственная частота колебаний частицы "));
    Edit2 = mantissa("Edit2", 112, QStringLiteral("Коэффициент затуханий"));
    Edit3 = mantissa("Edit3", 72, QStringLiteral("Концентрация частиц"));
    Edit4 = mantissa("Edit4", 152, QStringLiteral("Заряд одной частицы "));
    Edit5 = mantissa("Edit5", 188, QStringLiteral("Масса одной частицы"));
    Edit6 = lineEdit(g, "Edit6", 440, 16, 33);
    Edit7 = lineEdit(g, "Edit7", 440, 96, 33);
    Edit8 = lineEdit(g, "Edit8", 440, 180, 33);
    Edit9 = lineEdit(g, "Edit9", 440, 56, 33);
    Edit10 = lineEdit(g, "Edit10", 440, 136, 33);

    GroupBox5 = groupBox(g, "GroupBox5", QStringLiteral("Особенности построения :"),
                         QRect(8, 216, 513, 41));
    CheckBox1 =
        checkBox(GroupBox5, "CheckBox1", QStringLiteral("Соединить точки"), QRect(16, 16, 129, 17),
                 QStringLiteral("Соединить\\не соединять полученные точки на графике "));
    CheckBox1->setChecked(true);
    CheckBox3 = checkBox(
        GroupBox5, "CheckBox3", QStringLiteral("Отметить пунктиром облать аномальной дисперсии"),
        QRect(160, 16, 345, 17),
        QStringLiteral(
            "На графике строится пунктиром\\сплошной линией облать аномальной дисперсии"));
}

void TForm1::createIntervalGroup() {
    GroupBox2 = groupBox(ClientArea, "GroupBox2",
                         QStringLiteral("Интервал изменения частоты частиц падающей волны W:"),
                         QRect(8, 304, 529, 65));
    QWidget* g = GroupBox2;
    const QFont bold = boldSansFont();
    CheckBox2 = checkBox(g, "CheckBox2", QStringLiteral("Автоматически"), QRect(16, 24, 121, 17),
                         QStringLiteral("Автоматический выбор интервала. Если галочка поставлена, "
                                        "то компьютер сам определяет максимально комфортное "
                                        "полное отображение графика функции"));
    Label1 = label(g, "Label1", QStringLiteral("От "), 144, 24, &bold);
    Edit11 = lineEdit(g, "Edit11", 184, 24, 57, QStringLiteral("Начало интервала по оси Х"));
    Label13 = label(g, "Label13", QStringLiteral("до"), 248, 24, &bold);
    Edit12 = lineEdit(g, "Edit12", 272, 24, 57, QStringLiteral("Конец интервала по оси Х"));
    Label14 = label(g, "Label14", QStringLiteral("Шаг :"), 336, 24);
    Edit13 = lineEdit(g, "Edit13", 384, 24, 41,
                      QStringLiteral("Расстояние между ближайшими точками для построения "
                                     "графика. Чем он меньше, тем точнее строится график."));
}

void TForm1::createReadoutGroups() {
    GroupBox3 =
        groupBox(ClientArea, "GroupBox3", QStringLiteral("Координаты выбранной точки на графике :"),
                 QRect(8, 376, 529, 49));
    Label15 = label(GroupBox3, "Label15", QStringLiteral("W ="), 24, 16);
    Edit14 = lineEdit(GroupBox3, "Edit14", 48, 16, 145,
                      QStringLiteral("При наведении мышки на графике в окне отображается "
                                     "координата по Х"));
    Edit14->setText(QStringLiteral("0"));
    Label16 = label(GroupBox3, "Label16", QStringLiteral("n(w) ="), 312, 16);
    Edit15 = lineEdit(GroupBox3, "Edit15", 352, 16, 153,
                      QStringLiteral("При наведении мышки на графике в окне отображается "
                                     "координата по Y"));
    Edit15->setText(QStringLiteral("0"));

    GroupBox4 = groupBox(ClientArea, "GroupBox4",
                         QStringLiteral("Интервал изменения функции n(w) на графике:"),
                         QRect(8, 432, 529, 41));
    Label19 = label(GroupBox4, "Label19", QStringLiteral("n(w) min :"), 24, 16);
    Edit18 = lineEdit(GroupBox4, "Edit18", 104, 16, 161,
                      QStringLiteral("В этом окне отображается минимальное значение по оси OY, "
                                     "задействованное на графике"));
    Label20 = label(GroupBox4, "Label20", QStringLiteral("n(w) max :"), 272, 16);
    Edit19 = lineEdit(GroupBox4, "Edit19", 344, 16, 161,
                      QStringLiteral("В этом окне отображается максимальное значение по оси OY, "
                                     "задействованное на графике"));
}

void TForm1::createMenu() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    const auto menu = [](QWidget* parent, const char* name, const QString& title) {
        auto* m = new QMenu(title, parent);
        m->setObjectName(QString::fromLatin1(name));
        return m;
    };
    const auto item = [](QMenu* m, const char* name, const QString& text, const char* picture) {
        QAction* a = m->addAction(text);
        a->setObjectName(QString::fromLatin1(name));
        if (picture)
            a->setIcon(QIcon(QStringLiteral(":/icons/%1.xpm").arg(QLatin1String(picture))));
        return a;
    };
    const auto separator = [](QMenu* m, const char* name) {
        QAction* a = m->addSeparator();
        a->setObjectName(QString::fromLatin1(name));
        return a;
    };

    N1 = menu(bar, "N1", QStringLiteral("Файл"));
    N6 = item(N1, "N6", QStringLiteral("Загрузить  Исходные Данные"), "load");
    N5 = item(N1, "N5", QStringLiteral("Сохранить Исходные Данные "), "save");
    N7 = item(N1, "N7", QStringLiteral("Соxранить График"), "savegraph");
    N8 = item(N1, "N8", QStringLiteral("Новые Расчеты"), "newcalc");
    N110 = separator(N1, "N110");
    N26 = item(N1, "N26", QStringLiteral("Выход"), "exit");

    N2 = menu(bar, "N2", QStringLiteral("Правка"));
    N9 = item(N2, "N9", QStringLiteral("Вырезать"), "cut");
    N10 = item(N2, "N10", QStringLiteral("Копировать"), "copy");
    N11 = item(N2, "N11", QStringLiteral("Вставить"), "paste");
    N111 = separator(N2, "N111");
    N25 = item(N2, "N25", QStringLiteral("Отменить"), "undo");

    N3 = menu(bar, "N3", QStringLiteral("Запуск"));
    N13 = item(N3, "N13", QStringLiteral("Построить график"), "plot");
    N112 = separator(N3, "N112");
    N14 = item(N3, "N14", QStringLiteral("Очистить экран"), "clear");

    N18 = menu(bar, "N18", QStringLiteral("Расчет"));
    N19 = item(N18, "N19", QStringLiteral("Калькулятор"), "calculator");

    N4 = menu(bar, "N4", QStringLiteral("Настройки"));
    N20 = menu(N4, "N20", QStringLiteral("Окно"));
    N20->setIcon(QIcon(QStringLiteral(":/icons/window.xpm")));
    N4->addMenu(N20);
    N17 = item(N20, "N17", QStringLiteral("Шрифт"), "font");
    N15 = item(N20, "N15", QStringLiteral("Фон"), "background");
    N210 = separator(N4, "N210");
    N22 = menu(N4, "N22", QStringLiteral("Панель инструментов"));
    N22->setIcon(QIcon(QStringLiteral(":/icons/toolbar.xpm")));
    N4->addMenu(N22);
    N31 = item(N22, "N31", QStringLiteral("Загрузить результат"), nullptr);
    N32 = item(N22, "N32", QStringLiteral("Сохранить результат"), nullptr);
    N33 = item(N22, "N33", QStringLiteral("Сохранить график"), nullptr);
    N34 = item(N22, "N34", QStringLiteral("Настройки графика"), nullptr);
    N35 = item(N22, "N35", QStringLiteral("Очистить экран"), nullptr);
    N36 = item(N22, "N36", QStringLiteral("Калькулятор"), nullptr);
    N37 = item(N22, "N37", QStringLiteral("Справка"), nullptr);
    for (QAction* toggle : {N31, N32, N33, N34, N35, N36, N37}) {
        toggle->setCheckable(true);
        toggle->setChecked(true);
    }
    N21 = item(N4, "N21", QStringLiteral("График"), "graph");

    N12 = menu(bar, "N12", QStringLiteral("Помощь"));
    N23 = item(N12, "N23", QStringLiteral("Справка"), "help");
    N24 = item(N12, "N24", QStringLiteral("О программе"), "about");

    for (QMenu* m : {N1, N2, N3, N18, N4, N12})
        bar->addMenu(m);
}

void TForm1::connectCommands() {
    const auto command = [this](auto handler) { return commandOf(this, handler); };
    connect(Button1, &QPushButton::clicked, this, command(&TForm1::Button1Click));
    connect(N13, &QAction::triggered, this, command(&TForm1::N13Click));
    connect(N21, &QAction::triggered, this, command(&TForm1::N21Click));
    connect(ToolButton4, &QToolButton::clicked, this, command(&TForm1::ToolButton4Click));
    connect(Timer1, &QTimer::timeout, this, command(&TForm1::Timer1Timer));
    const std::pair<QAction*, void (TForm1::*)()> items[] = {
        {N14, &TForm1::N14Click}, {N8, &TForm1::N8Click},   {N9, &TForm1::N9Click},
        {N10, &TForm1::N10Click}, {N11, &TForm1::N11Click}, {N25, &TForm1::N25Click},
        {N17, &TForm1::N17Click}, {N15, &TForm1::N15Click}, {N19, &TForm1::N19Click},
        {N26, &TForm1::N26Click}, {N23, &TForm1::N23Click}, {N24, &TForm1::N24Click},
        {N5, &TForm1::N5Click},   {N6, &TForm1::N6Click},   {N7, &TForm1::N7Click},
    };
    for (const auto& [item, handler] : items)
        connect(item, &QAction::triggered, this, command(handler));
    const std::pair<QToolButton*, void (TForm1::*)()> buttons[] = {
        {ToolButton1, &TForm1::ToolButton1Click}, {ToolButton2, &TForm1::ToolButton2Click},
        {ToolButton3, &TForm1::ToolButton3Click}, {ToolButton5, &TForm1::ToolButton5Click},
        {ToolButton6, &TForm1::ToolButton6Click}, {ToolButton7, &TForm1::ToolButton7Click},
    };
    for (const auto& [button, handler] : buttons)
        connect(button, &QToolButton::clicked, this, command(handler));
    // The toolbar toggles N31 to N37 are check items: a click inverts the mark, and the
    // timer shows or hides the buttons by it.
    if (VolnografApp* app = VolnografApp::instance())
        connect(app->hints(), &HintTracker::hintChanged, this, &TForm1::ApplicationEvents1Hint);
}

QLineEdit* TForm1::edit(int n) const {
    return m_edits.at(static_cast<std::size_t>(n));
}

void TForm1::FormCreate() {
    m_canvas->setBrushColor(qRgb(0, 0, 0));
    m_canvas->setPenColor(qRgb(0, 0, 0));
    m_canvas->rectangle(0, 0, Image1->width(), Image1->height());
    Image1->update();
}

namespace {
/** The main window's side of a running plot: its messages, range fields, gauge, status
    line and stop. */
class WindowPlotSink final : public PlotSink {
public:
    WindowPlotSink(TForm1& form, BusyGuard& busy) : m_form(form), m_busy(busy) {}

    void showMessage(const QString& text) override { dialogs().showMessage(text); }
    void setRangeTexts(const QString& min, const QString& max) override {
        form::showText(m_form.Edit18, min);
        form::showText(m_form.Edit19, max);
    }
    void setProgress(int percent) override {
        // The plot looks at the event queue only now and then: repaint the gauge when its
        // value changes.
        if (m_form.Gauge1->value() == percent)
            return;
        m_form.Gauge1->setValue(percent);
        m_form.Gauge1->repaint();
    }
    void setStatusText(const QString& text) override { m_form.StatusBar1->setSimpleText(text); }
    bool stopRequested() override {
        if (!m_busy.lookDue())
            return false;
        // The picture as far as it is drawn shows with the repaints of this look.
        m_form.Image1->update();
        return m_busy.look();
    }

private:
    TForm1& m_form;
    BusyGuard& m_busy;
};
} // namespace

void TForm1::plot() {
    // Input that comes while the plot runs, or while its error box is open, is handled
    // when the whole command is over.
    BusyGuard guard(this);
    guard.dropClicksOn(Button1);
    runCommand([this, &guard] {
        // Whatever the command drew before it ended is shown, also after an error; its
        // error box comes with the normal cursor.
        struct Finish {
            TForm1* form;
            BusyGuard& guard;
            ~Finish() {
                guard.workEnded();
                form->Image1->update();
            }
        } finish{this, guard};
        WindowPlotSink sink(*this, guard);
        runPlotCommand(plotRequest(), sink, *m_canvas, m_plotSession);
    });
}

InputTexts TForm1::inputTexts() const {
    InputTexts texts;
    for (int n = 1; n <= 13; ++n)
        texts[static_cast<std::size_t>(n - 1)] = edit(n)->text();
    return texts;
}

PlotRequest TForm1::plotRequest() const {
    PlotRequest r;
    r.fields = inputTexts();
    r.rangeMin = Edit18->text();
    r.rangeMax = Edit19->text();
    r.connected = CheckBox1->isChecked();
    r.automatic = CheckBox2->isChecked();
    r.dotted = CheckBox3->isChecked();
    r.decimalSeparator = decimalSeparator();
    r.settings = plotSettings();
    return r;
}

void TForm1::Button1Click() {
    plot();
}

void TForm1::N13Click() {
    plot();
}

void TForm1::clearPlot() {
    m_plotSession.completeOnScreen = false;
    const QRgb background = plotSettings().BackgroundColor;
    m_canvas->setBrushColor(background);
    m_canvas->setPenColor(background);
    m_canvas->rectangle(0, 0, Image1->width(), Image1->height());
    Image1->update();
}

void TForm1::N14Click() {
    clearPlot();
}

void TForm1::ToolButton5Click() {
    clearPlot();
}

void TForm1::N8Click() {
    // Nine fields: the charge's exponent and the interval stay.
    for (int n = 1; n <= 9; ++n)
        edit(n)->clear();
}

template <typename Operation> void TForm1::forMantissaFields(Operation operation) {
    for (QLineEdit* e : {Edit1, Edit2, Edit3, Edit4, Edit5})
        operation(e);
}

void TForm1::N9Click() {
    forMantissaFields([](QLineEdit* e) { e->cut(); });
}

void TForm1::N10Click() {
    forMantissaFields([](QLineEdit* e) { e->copy(); });
}

void TForm1::N11Click() {
    forMantissaFields([](QLineEdit* e) { e->paste(); });
}

void TForm1::N25Click() {
    forMantissaFields([](QLineEdit* e) { e->undo(); });
}

void TForm1::N17Click() {
    const std::optional<QFont> font = dialogs().chooseFont(m_lastFont);
    if (!font)
        return;
    // A size too large for the layout is reduced to the largest that fits, and offered so.
    m_lastFont = form::setFittingFont({Edit1, Edit2, Edit3, Edit4, Edit5}, *font);
}

void TForm1::N15Click() {
    if (!runColorDialog(ColorDialog1))
        return;
    // The window's own background: group boxes, labels and check boxes show it; edit
    // fields, buttons, the toolbar, the status bar and the plot keep their colours.
    QPalette palette = ClientArea->palette();
    palette.setColor(QPalette::Window, ColorDialog1.color);
    ClientArea->setPalette(palette);
    ClientArea->setAutoFillBackground(true);
}

void TForm1::showCalculator() {
    Calc->show();
    Calc->raise();
    Calc->activateWindow();
}

void TForm1::N19Click() {
    showCalculator();
}

void TForm1::ToolButton6Click() {
    showCalculator();
}

void TForm1::N26Click() {
    if (dialogs().ask(QStringLiteral("Волнограф"), QStringLiteral("Выйти из программы?"), false,
                      Dialogs::Answer::No) == Dialogs::Answer::Yes)
        close();
}

void TForm1::openHelp() {
    // The viewer resolves the relative path against the working folder it inherits; what
    // it makes of it is its own affair.
    startProgram(QStringLiteral("xdg-open"), {QStringLiteral("help/help.chm")});
}

void TForm1::N23Click() {
    openHelp();
}

void TForm1::ToolButton7Click() {
    openHelp();
}

void TForm1::N24Click() {
    AboutForm->showCentredOn(this);
}

bool TForm1::saveInputFields() {
    const GrafcTexts texts = inputTexts();
    const std::optional<QString> chosen = dialogs().saveFileName(
        kGrafcFilter, m_lastSaveName.isEmpty() ? firstDialogFolder() : m_lastSaveName);
    if (!chosen)
        return false;
    m_lastSaveName = *chosen;
    saveGrafcFile(grafcPath(*chosen), texts);
    dialogs().showMessage(QStringLiteral("Результаты успешно сохранёны!"));
    return true;
}

void TForm1::SaveInputData() {
    saveInputFields();
}

void TForm1::LoadInputData() {
    const std::optional<QString> chosen = dialogs().openFileName(
        kGrafcFilter, m_lastOpenName.isEmpty() ? firstDialogFolder() : m_lastOpenName);
    if (!chosen)
        return;
    loadLessonFile(*chosen);
    dialogs().showMessage(QStringLiteral("Результаты успешно загружены!"));
}

void TForm1::loadLessonFile(const QString& path) {
    m_lastOpenName = path;
    // Read whole before any field changes; disabled interval fields are filled too.
    const GrafcTexts texts = loadGrafcFile(path);
    for (int n = 1; n <= 13; ++n)
        form::showText(edit(n), texts[static_cast<std::size_t>(n - 1)]);
}

void TForm1::N5Click() {
    SaveInputData();
}

void TForm1::ToolButton2Click() {
    SaveInputData();
}

void TForm1::N6Click() {
    LoadInputData();
}

void TForm1::ToolButton1Click() {
    LoadInputData();
}

void TForm1::saveGraph(bool messageFirst) {
    SaveWindowSnapshot(this, QStringLiteral("grafic.bmp"),
                       QStringLiteral("График сохранен в текущую папку программы !"), messageFirst);
}

void TForm1::N7Click() {
    saveGraph(true);
}

void TForm1::ToolButton3Click() {
    saveGraph(false);
}

void TForm1::N21Click() {
    Settings->exec();
}

void TForm1::ToolButton4Click() {
    Settings->exec();
}

void TForm1::Image1MouseMove(int x, int y) {
    // The picture on screen tells the unit: hertz until an interval was first chosen.
    const CursorTexts texts =
        cursorReadout(x, y, Image1->width(), Image1->height(), m_plotSession.PlotState,
                      m_plotSession.unit.value_or(PlotUnit()), decimalSeparator());
    form::showText(Edit14, texts.frequency);
    form::showText(Edit15, texts.value);
}

void TForm1::Timer1Timer() {
    const bool manual = !CheckBox2->isChecked();
    for (QLineEdit* e : {Edit11, Edit12, Edit13})
        e->setEnabled(manual);
    const std::array<QAction*, 7> toggles{N31, N32, N33, N34, N35, N36, N37};
    const std::array<QToolButton*, 7> buttons{ToolButton1, ToolButton2, ToolButton3, ToolButton4,
                                              ToolButton5, ToolButton6, ToolButton7};
    for (std::size_t k = 0; k < toggles.size(); ++k)
        ToolBar1->setButtonVisible(buttons[k], toggles[k]->isChecked());
}

QChar TForm1::decimalSeparator() const {
    return QLocale().decimalPoint().at(0);
}

void TForm1::ApplicationEvents1Hint(const QString& hint) {
    StatusBar1->showHint(hint);
}

void TForm1::FormCloseQuery(bool& canClose) {
    switch (dialogs().ask(QStringLiteral("Волнограф"),
                          QStringLiteral("Сохранить файл перед выходом?"), true,
                          Dialogs::Answer::Cancel)) {
    case Dialogs::Answer::Yes:
        // The user wants the fields kept: a cancelled dialog or an error while saving
        // (which ends this request) leaves the window open.
        canClose = false;
        canClose = saveInputFields();
        break;
    case Dialogs::Answer::No:
        canClose = true;
        break;
    case Dialogs::Answer::Cancel:
        canClose = false;
        break;
    }
}

void TForm1::closeEvent(QCloseEvent* event) {
    bool canClose = true;
    runCommand([&] { FormCloseQuery(canClose); });
    if (!canClose) {
        event->ignore();
        return;
    }
    // The last window that ends the program: the calculator, settings and About windows
    // do not keep it running.
    event->accept();
}

PlotSettings TForm1::plotSettings() const {
    return Settings ? Settings->plotSettings() : PlotSettings{};
}

void TForm1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    form::centreOnFirstShow(this, m_placed);
}
