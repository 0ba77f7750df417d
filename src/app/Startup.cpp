// SPDX-License-Identifier: GPL-3.0-or-later
#include "Startup.h"

#include "windows/Unit1.h"
#include "windows/Unit2.h"
#include "windows/Unit3.h"
#include "windows/Unit4.h"

void createWindows() {
    Form1 = new TForm1;
    AboutForm = new TAboutForm(Form1);
    Settings = new TSettings(Form1);
    Calc = new TCalc;
    // Only the main window ends the program when it closes.
    Calc->setAttribute(Qt::WA_QuitOnClose, false);
}

void destroyWindows() {
    delete Calc;
    Calc = nullptr;
    Settings = nullptr;
    AboutForm = nullptr;
    delete Form1;
    Form1 = nullptr;
}
