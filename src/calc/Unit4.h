// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator window: solves the dispersion relation for one unknown.
#pragma once

#include <QMainWindow>

class TCalc : public QMainWindow {
public:
    explicit TCalc(QWidget* parent = nullptr);
};

extern TCalc* Calc;
