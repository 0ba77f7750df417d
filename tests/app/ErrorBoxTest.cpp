// SPDX-License-Identifier: GPL-3.0-or-later
// The one place that shows what ended a command: the error box of the window and the
// message and status of the export without one; memory running out included.
#include "ScriptedDialogs.h"
#include "app/Startup.h"
#include "model/Errors.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTextStream>
#include <functional>
#include <gtest/gtest.h>
#include <new>
#include <stdexcept>

namespace {
// A receiver whose handling of an event ends the way the test says.
class Failing : public QObject {
public:
    std::function<void()> fail;
    bool event(QEvent* e) override {
        if (e->type() == QEvent::User)
            fail();
        return QObject::event(e);
    }
};
} // namespace

TEST(ErrorBox, ShowsWhatEndedTheCommandAndTheProgramGoesOn) {
    const struct {
        const char* what;
        std::function<void()> fail;
        const char* box;
    } cases[] = {
        {"memory runs out", [] { throw std::bad_alloc(); },
         "Недостаточно памяти для выполнения команды."},
        {"a bad text", [] { throw ConversionError(QStringLiteral("один")); },
         "'один' is not a valid floating point value."},
        {"a library's error", [] { throw std::runtime_error("broken."); }, "broken."},
    };
    DialogsScript script;
    Failing receiver;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        script->errors.clear();
        receiver.fail = c.fail;
        QEvent event(QEvent::User);
        QCoreApplication::sendEvent(&receiver, &event);
        EXPECT_EQ(script->errors, QStringList(QString::fromUtf8(c.box)));
    }
}

TEST(ErrorBox, ExportOutOfMemoryEndsWithItsMessageAndStatusOne) {
    const struct {
        const char* what;
        std::function<int()> work;
        int status;
        const char* err;
    } cases[] = {
        {"memory runs out", []() -> int { throw std::bad_alloc(); }, 1,
         "урок.grafc: Недостаточно памяти для выполнения команды.\n"},
        {"the export's own status", [] { return 1; }, 1, ""},
        {"success", [] { return 0; }, 0, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QString text;
        QTextStream err(&text);
        EXPECT_EQ(headlessStatus(c.work, QStringLiteral("урок.grafc"), err), c.status);
        EXPECT_EQ(text, QString::fromUtf8(c.err));
    }
}
