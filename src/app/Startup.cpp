// SPDX-License-Identifier: GPL-3.0-or-later
#include "Startup.h"

#include "CommandLine.h"
#include "Export.h"
#include "ExportProgress.h"
#include "model/Errors.h"
#include "widgets/Application.h"
#include "widgets/Dialogs.h"

#include "windows/Unit1.h"
#include "windows/Unit2.h"
#include "windows/Unit3.h"
#include "windows/Unit4.h"

#include <QGuiApplication>
#include <QTextStream>
#include <QTimer>
#include <new>

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

void openLessonFile(const QString& file) {
    // Loaded once the window is up, so that a file's error box stands over it.
    QTimer::singleShot(0, Form1, [file] { runCommand([&] { Form1->loadLessonFile(file); }); });
}

int runWindows(int& argc, char** argv, const CommandLine& command) {
    // Qt reads the scale factor as the application starts; the plot's picture is then
    // shown with each pixel a sharp block.
    if (command.scale > 0)
        qputenv("QT_SCALE_FACTOR", QByteArray::number(command.scale));
    VolnografApp app(argc, argv);
    createWindows();
    Form1->show();
    if (!command.file.isEmpty())
        openLessonFile(command.file);
    const int result = VolnografApp::exec();
    destroyWindows();
    return result;
}

int runExport(int& argc, char** argv, const ExportRequest& request) {
    // No window and no display: the offscreen platform still gives the plot its fonts.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Standard error carries the program's own messages only: success is silent.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    catchStopSignals();
    return headlessStatus([&] { return exportPlot(request, err); }, request.file, err);
}

int headlessStatus(const std::function<int()>& work, const QString& file, QTextStream& err) {
    try {
        return work();
    } catch (const std::bad_alloc&) {
        err << file << ": " << errorBoxText(kOutOfMemoryText) << '\n';
        err.flush();
        return 1;
    }
}
