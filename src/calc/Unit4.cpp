// SPDX-License-Identifier: GPL-3.0-or-later
#include "Unit4.h"

TCalc* Calc = nullptr;

TCalc::TCalc(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("Calc"));
    setWindowTitle(QStringLiteral("Калькулятор"));
    setFixedSize(794, 477);
}
