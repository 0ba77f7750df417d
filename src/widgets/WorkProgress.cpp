// SPDX-License-Identifier: GPL-3.0-or-later
#include "WorkProgress.h"

#include "BusyGuard.h"
#include "Dialogs.h"
#include "files/AtomicFile.h"
#include "files/FileErrors.h"
#include "plot/PlotRequest.h"
#include "plot/Sweep.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <memory>

namespace {
// Work shorter than this ends before any box could be read.
constexpr qint64 kBoxAfterMs = 1000;

/** The box: the text, the percentage, "Отмена". Esc and closing it cancel as well. */
class ProgressBox final : public QDialog {
public:
    ProgressBox(QWidget* window, const QString& text) : QDialog(window) {
        setObjectName(QString::fromLatin1(kWorkProgressName));
        setWindowTitle(applicationTitle());
        setWindowModality(Qt::ApplicationModal);
        auto* label = new QLabel(text, this);
        m_bar = new QProgressBar(this);
        m_bar->setRange(0, 100);
        m_bar->setFormat(QStringLiteral("%p %"));
        auto* cancel = new QPushButton(QStringLiteral("Отмена"), this);
        cancel->setObjectName(QStringLiteral("cancelButton"));
        connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
        auto* buttons = new QHBoxLayout;
        buttons->addStretch();
        buttons->addWidget(cancel);
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(label);
        layout->addWidget(m_bar);
        layout->addLayout(buttons);
        setMinimumWidth(320);
    }

    void setValue(int percent) { m_bar->setValue(percent); }

private:
    QProgressBar* m_bar;
};

/** The window's side of the work: the box once a second has passed, the stop from Esc
    or from the box. */
class ProgressSink final : public PlotSink {
public:
    ProgressSink(QWidget* window, const QString& text, BusyGuard& guard)
        : m_window(window), m_text(text), m_guard(guard), m_start(BusyGuard::now()) {}

    void setProgress(int percent) override {
        m_percent = percent;
        if (m_box)
            m_box->setValue(percent);
    }
    bool stopRequested() override { return m_guard.lookDue() && lookNow(); }

    /** Looks at the events now: true once the user has asked to stop. */
    bool lookNow() {
        if (!m_box && BusyGuard::now() - m_start >= kBoxAfterMs) {
            m_box = std::make_unique<ProgressBox>(m_window, m_text);
            QObject::connect(m_box.get(), &QDialog::rejected, [this] { m_cancelled = true; });
            m_box->setValue(m_percent);
            m_box->show();
        }
        const bool escaped = m_guard.look();
        return escaped || m_cancelled;
    }

private:
    QWidget* m_window;
    QString m_text;
    BusyGuard& m_guard;
    qint64 m_start;
    int m_percent = 0;
    bool m_cancelled = false;
    std::unique_ptr<ProgressBox> m_box;
};

bool runWith(QWidget* window, const QString& text, const std::function<void(ProgressSink&)>& work) {
    BusyGuard guard(window ? window->window() : nullptr);
    try {
        ProgressSink sink(window, text, guard);
        work(sink);
    } catch (const PlotStopped&) {
        return false;
    }
    return true;
}
} // namespace

bool runWithProgress(QWidget* window, const QString& text,
                     const std::function<void(PlotSink&)>& work) {
    return runWith(window, text, [&](ProgressSink& sink) { work(sink); });
}

namespace {
/** Prepares the new file with prepare(file), then puts it in place unless the user has
    stopped by then: a stop keeps the old file. */
void replaceUnlessStopped(ProgressSink& sink, const QString& path,
                          const std::function<int(FileReplacement&)>& prepare) {
    FileReplacement file(path);
    if (const int error = prepare(file))
        throw FileError(cannotCreateText(path, error));
    // Writing may have taken long too: a stop meanwhile keeps the old file.
    if (sink.lookNow())
        throw PlotStopped();
    if (const int error = file.finish())
        throw FileError(cannotCreateText(path, error));
}
} // namespace

bool saveWithProgress(QWidget* window, const QString& text, const QString& path,
                      const std::function<QByteArray(PlotSink&)>& bytes) {
    return runWith(window, text, [&](ProgressSink& sink) {
        const QByteArray content = bytes(sink);
        replaceUnlessStopped(sink, path,
                             [&](FileReplacement& file) { return file.prepare(content); });
    });
}

bool saveWithProgress(QWidget* window, const QString& text, const QString& path,
                      const std::function<bool(PlotSink&, int fd)>& write) {
    return runWith(window, text, [&](ProgressSink& sink) {
        replaceUnlessStopped(sink, path, [&](FileReplacement& file) {
            return file.prepare([&](int fd) { return write(sink, fd); });
        });
    });
}
