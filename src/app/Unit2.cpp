// SPDX-License-Identifier: GPL-3.0-or-later
#include "Unit2.h"

TAboutForm* AboutForm = nullptr;

TAboutForm::TAboutForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("AboutForm"));
    setWindowTitle(QStringLiteral("О программе"));
    setFixedSize(361, 329);
}
