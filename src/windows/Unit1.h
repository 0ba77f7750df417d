// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: input fields, interval, plot, readouts, menu, toolbar and status bar.
#pragma once

#include "plot/PlotRequest.h"
#include "plot/PlotSession.h"
#include "widgets/Dialogs.h"

#include <QMainWindow>
#include <array>
#include <memory>

class BusyGuard;
class Canvas;
class PlotImage;
class PlotMenu;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QProgressBar;
class QPushButton;
class QTimer;
class QToolButton;
class StatusBar;
class ToolBar;

class TForm1 : public QMainWindow {
public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    // Controls, named as the window's layout names them.
    QWidget* ClientArea = nullptr;
    ToolBar* ToolBar1 = nullptr;
    QToolButton *ToolButton1 = nullptr, *ToolButton2 = nullptr, *ToolButton3 = nullptr,
                *ToolButton4 = nullptr, *ToolButton5 = nullptr, *ToolButton6 = nullptr,
                *ToolButton7 = nullptr;
    QGroupBox *GroupBox1 = nullptr, *GroupBox2 = nullptr, *GroupBox3 = nullptr,
              *GroupBox4 = nullptr, *GroupBox5 = nullptr;
    QLabel *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr, *Label4 = nullptr,
           *Label5 = nullptr, *Label6 = nullptr, *Label7 = nullptr, *Label8 = nullptr,
           *Label9 = nullptr, *Label10 = nullptr, *Label11 = nullptr, *Label12 = nullptr,
           *Label13 = nullptr, *Label14 = nullptr, *Label15 = nullptr, *Label16 = nullptr,
           *Label17 = nullptr, *Label18 = nullptr, *Label19 = nullptr, *Label20 = nullptr,
           *Label22 = nullptr, *Label23 = nullptr, *Label24 = nullptr, *Label25 = nullptr,
           *Label26 = nullptr;
    QLineEdit *Edit1 = nullptr, *Edit2 = nullptr, *Edit3 = nullptr, *Edit4 = nullptr,
              *Edit5 = nullptr, *Edit6 = nullptr, *Edit7 = nullptr, *Edit8 = nullptr,
              *Edit9 = nullptr, *Edit10 = nullptr, *Edit11 = nullptr, *Edit12 = nullptr,
              *Edit13 = nullptr, *Edit14 = nullptr, *Edit15 = nullptr, *Edit18 = nullptr,
              *Edit19 = nullptr;
    QCheckBox *CheckBox1 = nullptr, *CheckBox2 = nullptr, *CheckBox3 = nullptr;
    QPushButton* Button1 = nullptr;
    QProgressBar* Gauge1 = nullptr;
    PlotImage* Image1 = nullptr;
    StatusBar* StatusBar1 = nullptr;
    QTimer* Timer1 = nullptr;
    ColorDialogState ColorDialog1{QColor(Qt::black)}; ///< "Фон" opens with the colour chosen last

    // The menu.
    QMenu *N1 = nullptr, *N2 = nullptr, *N3 = nullptr, *N18 = nullptr, *N4 = nullptr,
          *N12 = nullptr, *N20 = nullptr, *N22 = nullptr;
    QAction *N5 = nullptr, *N6 = nullptr, *N7 = nullptr, *N8 = nullptr, *N9 = nullptr,
            *N10 = nullptr, *N11 = nullptr, *N13 = nullptr, *N14 = nullptr, *N15 = nullptr,
            *N17 = nullptr, *N19 = nullptr, *N21 = nullptr, *N23 = nullptr, *N24 = nullptr,
            *N25 = nullptr, *N26 = nullptr, *N31 = nullptr, *N32 = nullptr, *N33 = nullptr,
            *N34 = nullptr, *N35 = nullptr, *N36 = nullptr, *N37 = nullptr;
    QAction *N110 = nullptr, *N111 = nullptr, *N112 = nullptr, *N210 = nullptr;

    // The plot's own menu, opened by a right click on Image1.
    PlotMenu* plotMenu = nullptr;

    // Commands the user triggers.
    void Button1Click();
    void N13Click();
    void N21Click();
    void ToolButton4Click();
    void Image1MouseMove(int x, int y);
    void N14Click();
    void ToolButton5Click();
    void N8Click();
    void N9Click();
    void N10Click();
    void N11Click();
    void N25Click();
    void N17Click();
    void N15Click();
    void N19Click();
    void ToolButton6Click();
    void N26Click();
    void N23Click();
    void ToolButton7Click();
    void N24Click();
    void N5Click();
    void ToolButton2Click();
    void N6Click();
    void ToolButton1Click();
    void N7Click();
    void ToolButton3Click();

    /** The input fields into a .grafc file chosen in SaveDialog1. */
    void SaveInputData();
    /** The input fields from a .grafc file chosen in OpenDialog1. */
    void LoadInputData();
    /** Fills the thirteen fields from the .grafc file at path, as the load does, without
        its message. */
    void loadLessonFile(const QString& path);

    // Commands the program triggers.
    void FormCreate();
    void Timer1Timer();
    void ApplicationEvents1Hint(const QString& hint);
    /** Asked on every request to close the window; canClose false keeps it open. */
    void FormCloseQuery(bool& canClose);

    /** A plot of the fields, check boxes and settings as they stand. */
    PlotRequest plotRequest() const;
    /** The separator of the numbers the user types and the program writes. */
    QChar decimalSeparator() const;

    /** The medium, range and unit of the picture on screen. */
    const PlotSession& plotSession() const { return m_plotSession; }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls();
    void createInputGroup();
    void createIntervalGroup();
    void createReadoutGroups();
    void createToolBar();
    void createMenu();
    void connectCommands();
    QLineEdit* edit(int n) const;
    /** The texts of Edit1 to Edit13 as typed. */
    InputTexts inputTexts() const;
    void plot();
    void clearPlot();
    void showCalculator();
    void openHelp();
    /** SaveDialog1, then the file: false when the dialog is cancelled. */
    bool saveInputFields();
    void saveGraph(bool messageFirst);
    PlotSettings plotSettings() const;
    /** The edit commands act on the five mantissa fields in turn. */
    template <typename Operation> void forMantissaFields(Operation operation);

    std::array<QLineEdit*, 20> m_edits{};
    std::unique_ptr<Canvas> m_canvas;
    QFont m_lastFont;       ///< FontDialog1 opens with the font chosen last
    QString m_lastSaveName; ///< SaveDialog1 offers the name chosen last
    QString m_lastOpenName; ///< OpenDialog1 offers the name chosen last
    bool m_placed = false;
    PlotSession m_plotSession;
};

/** The main window, created first and living until the program ends. */
extern TForm1* Form1;
