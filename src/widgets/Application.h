// SPDX-License-Identifier: GPL-3.0-or-later
// The application object: the one place where the error that ends a command is shown.
#pragma once

#include <QApplication>
#include <exception>

class HintTracker;

class VolnografApp : public QApplication {
public:
    VolnografApp(int& argc, char** argv);

    /** The program-wide hint of the control under the mouse pointer. */
    HintTracker* hints() const { return m_hints; }

    /** The running application object, or nullptr outside the program (core tests). */
    static VolnografApp* instance();

    /** Runs the event, showing any error that ends the command in the error box. */
    bool notify(QObject* receiver, QEvent* event) override;

    /** Shows the error box for an error that ended a command; the program goes on. */
    static void reportError(const std::exception_ptr& error);

private:
    HintTracker* m_hints = nullptr;
};

/** Runs one user command; an error ends the command and is shown in the error box. */
template <typename F> void runCommand(F&& command) {
    try {
        command();
    } catch (...) {
        VolnografApp::reportError(std::current_exception());
    }
}

/** A slot that runs the window's handler as one user command. */
template <typename Window> auto commandOf(Window* window, void (Window::*handler)()) {
    return [window, handler] { runCommand([window, handler] { (window->*handler)(); }); };
}
