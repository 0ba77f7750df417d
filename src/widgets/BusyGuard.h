// SPDX-License-Identifier: GPL-3.0-or-later
// A long command stays in the user's hands: it looks at the event queue now and then,
// Esc stops it, and what the user types or clicks meanwhile waits until it has ended.
#pragma once

#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>
#include <vector>

class QEvent;
class QWidget;

/** Lives for one command. While it lives, paint and timer events are delivered at each
    look, and the keyboard and mouse input of every window of the program is held back;
    when it ends, the held input is posted again in its order, so that it is handled as a
    busy program catches up, never inside the command. Esc, or a request to close the main
    window, asks the command to stop; the close request is handled after the command. After
    Esc the held mouse clicks are dropped (the user wanted the program back, not what the
    impatient clicks would start); typed keys still follow. A modal box that opens during
    the command gets its own input. */
class BusyGuard : public QObject {
public:
    /** Milliseconds from any fixed start. */
    using Clock = std::function<qint64()>;

    explicit BusyGuard(QWidget* mainWindow);
    ~BusyGuard() override;

    /** The clock every guard reads: a monotonic one unless a test installed its own.
        Returns the previous one. */
    static Clock setClock(Clock clock);
    /** The time by that clock. */
    static qint64 now();

    /** Reads the clock: whether about 50 ms have passed since the last look. */
    bool lookDue() const;
    /** Delivers the pending events (the first look shows the busy cursor); true once the
        user has asked to stop. */
    bool look();
    /** The command's work is over: the normal cursor comes back, input stays held until
        the guard ends. */
    void workEnded();
    /** Clicks on control are dropped, not held: a command clicked again while it runs
        does not run once more after it. (Its menu item needs no such care: no menu opens
        while input is held.) */
    void dropClicksOn(QWidget* control);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool holdClose(QObject* watched, QEvent* event);
    bool clickOnDropped(QObject* watched, QEvent* event) const;

    /** An event to post again when the command ends; without an event, a close request
        for the window. */
    struct Held {
        QPointer<QObject> receiver;
        std::unique_ptr<QEvent> event;
    };

    QPointer<QWidget> m_mainWindow;
    QPointer<QWidget> m_modalAtStart;
    std::vector<Held> m_held;
    std::vector<QPointer<QWidget>> m_droppedControls;
    qint64 m_lastLook;
    bool m_stop = false;
    bool m_escaped = false;
    bool m_busyCursor = false;
};
