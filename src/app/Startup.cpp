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
#include <QLocale>
#include <QScreen>
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

namespace {
/** What a window manager's frame and caption usually add around a window, unscaled. */
constexpr QSize kFrame(10, 40);

/** The scale the screen has room for, measured by an application that lives only for the
    measuring: Qt takes the scale factor once, as the application starts. A lowered factor
    is told on standard error. */
double scaleForScreen(int& argc, char** argv, const ScaleRequest& request) {
    qunsetenv("QT_SCALE_FACTOR");
    // Qt's own notes would be told twice: the application that follows tells them.
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    WindowScale chosen{request.fit ? 1 : request.factor, false};
    QSize available;
    {
        VolnografApp measuring(argc, argv);
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            available = screen->availableGeometry().size();
            chosen = chooseScale(request, TForm1().size(), kFrame, available);
        }
    }
    qInstallMessageHandler(previous);
    if (chosen.lowered)
        QTextStream(stderr) << loweredScaleNote(request, chosen, available,
                                                QLocale().decimalPoint().at(0));
    return chosen.factor;
}
} // namespace

int runWindows(int& argc, char** argv, const CommandLine& command) {
    // The plot's picture is shown with each pixel a sharp block at whole factors, and
    // without smoothing at fractional ones.
    if (command.scale)
        qputenv("QT_SCALE_FACTOR",
                QByteArray::number(scaleForScreen(argc, argv, *command.scale), 'g', 4));
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
