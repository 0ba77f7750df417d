// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Startup.h"
#include "widgets/Application.h"
#include "windows/Unit1.h"

int main(int argc, char** argv) {
    VolnografApp app(argc, argv);
    createWindows();
    Form1->show();
    const int result = VolnografApp::exec();
    destroyWindows();
    return result;
}
