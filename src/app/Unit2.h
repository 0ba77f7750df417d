// SPDX-License-Identifier: GPL-3.0-or-later
// The About window.
#pragma once

#include <QDialog>

class TAboutForm : public QDialog {
  public:
    explicit TAboutForm(QWidget* parent = nullptr);
};

extern TAboutForm* AboutForm;
