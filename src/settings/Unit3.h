// SPDX-License-Identifier: GPL-3.0-or-later
// The settings window: the style of the plot.
#pragma once

#include <QDialog>

class TSettings : public QDialog {
public:
    explicit TSettings(QWidget* parent = nullptr);
};

extern TSettings* Settings;
