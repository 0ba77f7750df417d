// SPDX-License-Identifier: GPL-3.0-or-later
// The settings window: the style of the plot.
#pragma once

#include "plot/PlotSettings.h"
#include "widgets/Dialogs.h"

#include <QColor>
#include <QDialog>

class ColorPanel;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QTimer;
class StatusBar;

class TSettings : public QDialog {
public:
    explicit TSettings(QWidget* parent = nullptr);

    /** The plot's style as the controls hold it now; the plot reads it when it draws. */
    PlotSettings plotSettings() const;

    // Controls, named as the window's layout names them.
    QFrame* Panel1 = nullptr;
    QGroupBox *GroupBox1 = nullptr, *GroupBox2 = nullptr, *GroupBox3 = nullptr,
              *GroupBox4 = nullptr, *GroupBox5 = nullptr, *GroupBox6 = nullptr,
              *GroupBox7 = nullptr, *GroupBox8 = nullptr, *GroupBox9 = nullptr,
              *GroupBox10 = nullptr, *GroupBox12 = nullptr, *GroupBox13 = nullptr,
              *GroupBox14 = nullptr, *GroupBox15 = nullptr;
    QLabel *Label17 = nullptr, *Label18 = nullptr;
    ColorPanel *butShapeColor1 = nullptr, *butSHapeColor2 = nullptr, *butSHapeColor3 = nullptr,
               *butSHapeColor4 = nullptr, *butSHapeColor5 = nullptr, *butSHapeColor6 = nullptr;
    QCheckBox *CheckBox1 = nullptr, *CheckBox2 = nullptr, *CheckBox3 = nullptr,
              *CheckBox4 = nullptr, *CheckBox5 = nullptr, *CheckBox6 = nullptr;
    QComboBox* ComboBox4 = nullptr;
    QPushButton* Button1 = nullptr;
    StatusBar* StatusBar1 = nullptr;
    QTimer* Timer1 = nullptr;

    // The colour dialogs: each opens with its own colour and custom colours, and keeps what
    // is confirmed.
    ColorDialogState ColorDialog1{QColor(255, 0, 0)};
    ColorDialogState ColorDialog2{QColor(0, 0, 255)};
    ColorDialogState ColorDialog3{QColor(255, 255, 255)};
    ColorDialogState ColorDialog4{QColor(255, 255, 255)};
    ColorDialogState ColorDialog5{QColor(0, 0, 0)};

    // Commands the user triggers.
    void butShapeColor1Click();
    void butSHapeColor2Click();
    void butSHapeColor3Click();
    void butSHapeColor4Click();
    void butSHapeColor5Click();
    void butSHapeColor6Click();
    void Button1Click();

    // Commands the program triggers.
    void Timer1Timer();
    /** Shows the program's current hint as the status bar's single text. */
    void ApplicationEvents1Hint(const QString& hint);

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void createControls();
    void createChartGroup();
    void createAxesGridBackgroundGroups();
    void createFeaturesGroup();
    void connectCommands();

    bool m_placed = false;
};

extern TSettings* Settings;
