// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator window: solves the dispersion relation for one unknown.
#pragma once

#include "calc/CalcSolver.h"

#include <QMainWindow>
#include <array>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTimer;
class StatusBar;

class TCalc : public QMainWindow {
public:
    explicit TCalc(QWidget* parent = nullptr);

    // Controls, named as the window's layout names them.
    QWidget* ClientArea = nullptr;
    QLabel *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr, *Label4 = nullptr,
           *Label5 = nullptr, *Label6 = nullptr, *Label7 = nullptr, *Label8 = nullptr,
           *Label9 = nullptr, *Label10 = nullptr, *Label11 = nullptr, *Label12 = nullptr,
           *Label13 = nullptr, *Label14 = nullptr, *Label15 = nullptr, *Label16 = nullptr,
           *Label17 = nullptr, *Label18 = nullptr, *Label19 = nullptr, *Label20 = nullptr,
           *Label21 = nullptr, *Label22 = nullptr, *Label23 = nullptr;
    QLineEdit *Edit1 = nullptr, *Edit2 = nullptr, *Edit3 = nullptr, *Edit4 = nullptr,
              *Edit5 = nullptr, *Edit6 = nullptr, *Edit7 = nullptr, *Edit8 = nullptr,
              *Edit9 = nullptr, *Edit10 = nullptr, *Edit11 = nullptr, *Edit12 = nullptr,
              *Edit13 = nullptr, *Edit14 = nullptr, *Edit15 = nullptr, *Edit16 = nullptr,
              *Edit17 = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QPushButton* Button1 = nullptr;
    QGroupBox *GroupBox1 = nullptr, *GroupBox2 = nullptr;
    StatusBar* StatusBar1 = nullptr;
    QTimer* Timer1 = nullptr;

    // The menu.
    QMenu *N1 = nullptr, *N2 = nullptr;
    QAction *N3 = nullptr, *N4 = nullptr, *N5 = nullptr, *N6 = nullptr;

    // Commands the user triggers.
    void Button1Click();
    void N3Click();
    void N4Click();
    void N5Click();
    void N6Click();

    // Commands the program triggers.
    void Timer1Timer();
    void ApplicationEvents1Hint(const QString& hint);

    /** Shows the rows the solver reads for the chosen unknown: captions first, then
        visibility; field texts are never touched. */
    void ApplyUnknownLayout();
    /** Empties the fourteen input fields, exponents included; results and choice stay. */
    void ClearCalculatorInputs();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void createControls();
    void createInputGroup();
    void createResultGroup();
    void createMenu();
    void connectCommands();
    QLineEdit* edit(int n) const;
    QLabel* label(int n) const;
    /** The solve command: the request from the fields, its outcome applied in order. */
    void solve();

    std::array<QLineEdit*, 18> m_edits{};
    std::array<QLabel*, 24> m_labels{};
    bool m_placed = false;
    TCalcValues CalcValues; ///< kept from one solve to the next
};

extern TCalc* Calc;
