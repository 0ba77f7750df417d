// SPDX-License-Identifier: GPL-3.0-or-later
#include "BusyGuard.h"

#include <QApplication>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>
#include <cfenv>
#include <utility>

namespace {
// Long enough to cost the plot nothing, short enough to feel immediate.
constexpr qint64 kLookEveryMs = 50;

// What the user does with the keyboard and the mouse (the pointer entering and leaving
// controls included, so the hints wait too).
bool isUserInput(QEvent::Type type) {
    switch (type) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Shortcut:
    case QEvent::InputMethod:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::Enter:
    case QEvent::Leave:
    case QEvent::HoverEnter:
    case QEvent::HoverLeave:
    case QEvent::HoverMove:
    case QEvent::ContextMenu:
    case QEvent::NonClientAreaMouseMove:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonRelease:
    case QEvent::NonClientAreaMouseButtonDblClick:
    case QEvent::TabletPress:
    case QEvent::TabletMove:
    case QEvent::TabletRelease:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
    case QEvent::NativeGesture:
        return true;
    default:
        return false;
    }
}

bool isClick(QEvent::Type type) {
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonRelease:
    case QEvent::NonClientAreaMouseButtonDblClick:
        return true;
    default:
        return false;
    }
}

// The widget of a top-level window of the window system, or the widget itself.
QWidget* widgetOf(QObject* watched) {
    if (watched->isWidgetType())
        return static_cast<QWidget*>(watched);
    if (watched->isWindowType())
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->windowHandle() == watched)
                return w;
    return nullptr;
}

BusyGuard::Clock& clockInUse() {
    static BusyGuard::Clock clock;
    return clock;
}

// The program's window that a close request is for: the widget itself, or the widget of a
// top-level window of the window system. Pop-ups and tool tips close as they please.
QWidget* windowClosedBy(QObject* watched) {
    QWidget* widget = widgetOf(watched);
    if (!widget || !widget->isWindow())
        return nullptr;
    const Qt::WindowType type = widget->windowType();
    return type == Qt::Window || type == Qt::Dialog ? widget : nullptr;
}
} // namespace

BusyGuard::Clock BusyGuard::setClock(Clock clock) {
    return std::exchange(clockInUse(), std::move(clock));
}

qint64 BusyGuard::now() {
    if (const Clock& clock = clockInUse())
        return clock();
    static QElapsedTimer monotonic;
    if (!monotonic.isValid())
        monotonic.start();
    return monotonic.elapsed();
}

BusyGuard::BusyGuard(QWidget* mainWindow)
    : m_mainWindow(mainWindow), m_modalAtStart(QApplication::activeModalWidget()),
      m_lastLook(now()) {
    qApp->installEventFilter(this);
}

BusyGuard::~BusyGuard() {
    qApp->removeEventFilter(this);
    workEnded();
    // Posted, not sent: the held input is handled after the command has returned, in the
    // order it came, as if the program had been busy.
    for (Held& held : m_held) {
        if (!held.receiver)
            continue;
        if (m_escaped && held.event && isClick(held.event->type()))
            continue;
        if (held.event) {
            QCoreApplication::postEvent(held.receiver, held.event.release());
            continue;
        }
        auto* window = static_cast<QWidget*>(held.receiver.data());
        QMetaObject::invokeMethod(
            window, [window] { window->close(); }, Qt::QueuedConnection);
    }
}

bool BusyGuard::lookDue() const {
    return now() - m_lastLook >= kLookEveryMs;
}

bool BusyGuard::look() {
    if (!m_busyCursor) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        m_busyCursor = true;
    }
    // Whatever runs meanwhile leaves the command's floating-point state as it was.
    std::fenv_t environment;
    std::fegetenv(&environment);
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    std::fesetenv(&environment);
    m_lastLook = now();
    return m_stop;
}

void BusyGuard::dropClicksOn(QWidget* control) {
    m_droppedControls.emplace_back(control);
}

void BusyGuard::workEnded() {
    if (!m_busyCursor)
        return;
    QApplication::restoreOverrideCursor();
    m_busyCursor = false;
}

bool BusyGuard::eventFilter(QObject* watched, QEvent* event) {
    // A box that the command opened answers its own input (the windows behind it are
    // blocked by the box anyway).
    if (QApplication::activeModalWidget() != m_modalAtStart)
        return false;
    const QEvent::Type type = event->type();
    if (type == QEvent::Close)
        return holdClose(watched, event);
    if (type == QEvent::DragEnter || type == QEvent::DragMove || type == QEvent::Drop) {
        // A drop cannot wait for later: it is refused, and its source keeps the text.
        event->ignore();
        return true;
    }
    if (type == QEvent::ShortcutOverride) {
        // Taken by the focused control: no shortcut fires now; the key press is held.
        event->accept();
        return true;
    }
    if (!isUserInput(type))
        return false;
    // Accepted, so that the event does not travel on to the parents of its receiver.
    event->accept();
    if (type == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        m_stop = true;
        m_escaped = true;
        return true;
    }
    if (clickOnDropped(watched, event))
        return true;
    m_held.push_back({watched, std::unique_ptr<QEvent>(event->clone())});
    return true;
}

bool BusyGuard::clickOnDropped(QObject* watched, QEvent* event) const {
    if (!isClick(event->type()) || !event->isPointerEvent())
        return false;
    QWidget* widget = widgetOf(watched);
    if (!widget)
        return false;
    // A window's clicks are for the control under the pointer.
    const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
    QWidget* target = widget->isWindow() ? widget->childAt(at) : nullptr;
    if (!target)
        target = widget;
    for (const QPointer<QWidget>& control : m_droppedControls)
        if (control && (target == control || control->isAncestorOf(target)))
            return true;
    return false;
}

bool BusyGuard::holdClose(QObject* watched, QEvent* event) {
    QWidget* window = windowClosedBy(watched);
    if (!window)
        return false;
    if (window == m_mainWindow)
        m_stop = true;
    event->ignore();
    m_held.push_back({window, nullptr});
    return true;
}
