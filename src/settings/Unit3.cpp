// SPDX-License-Identifier: GPL-3.0-or-later
#include "Unit3.h"

TSettings* Settings = nullptr;

TSettings::TSettings(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Settings"));
    setWindowTitle(QStringLiteral("Настройки"));
    resize(524, 451);
}
