// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlotExplorer.h"

#include "PlotMenu.h"
#include "plot/PlotOverlay.h"
#include "plot/PlotRequest.h"
#include "plot/PlotSession.h"
#include "widgets/Application.h"
#include "widgets/PlotImage.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <cmath>
#include <cstdlib>

PlotExplorer::PlotExplorer(PlotImage* image, PlotSurface& surface, PlotSession& session,
                           PlotMenu* menu, Window window)
    : QObject(menu), m_image(image), m_surface(surface), m_session(session),
      m_window(std::move(window)) {
    const auto item = [menu](const char* name, const QString& text) {
        QAction* a = menu->addAction(text);
        a->setObjectName(QString::fromLatin1(name));
        return a;
    };
    menu->addSeparator();
    previousIntervalItem = item("previousIntervalItem", QStringLiteral("Предыдущий интервал"));
    clearProbesItem = item("clearProbesItem", QStringLiteral("Убрать метки"));
    copyProbesItem = item("copyProbesItem", QStringLiteral("Копировать значения меток"));
    compareItem = item("compareItem", QStringLiteral("Сравнивать с этим графиком"));
    compareItem->setCheckable(true);
    fitItem = item("fitItem", QStringLiteral("Масштаб по кривым"));
    fitItem->setCheckable(true);
    connect(previousIntervalItem, &QAction::triggered, this,
            commandOf(this, &PlotExplorer::previousInterval));
    connect(clearProbesItem, &QAction::triggered, this,
            commandOf(this, &PlotExplorer::clearProbes));
    connect(copyProbesItem, &QAction::triggered, this, commandOf(this, &PlotExplorer::copyProbes));
    connect(compareItem, &QAction::triggered, this,
            [this](bool on) { runCommand([this, on] { compare(on); }); });
    connect(fitItem, &QAction::triggered, this, commandOf(this, &PlotExplorer::fit));
    connect(menu, &QMenu::aboutToShow, this, [this] { menuOpening(); });

    PlotImage::Gestures gestures;
    gestures.press = [this](int x, int) { runCommand([this, x] { press(x); }); };
    gestures.release = [this](int x, int) { runCommand([this, x] { release(x); }); };
    gestures.wheel = [this](int x, int, int notches) {
        runCommand([this, x, notches] { wheel(x, notches); });
    };
    image->setGestures(std::move(gestures));
}

PlotExplorer::~PlotExplorer() = default;

void PlotExplorer::menuOpening() {
    previousIntervalItem->setEnabled(!m_history.empty());
    clearProbesItem->setEnabled(!m_probes.empty());
    copyProbesItem->setEnabled(!m_probes.empty() && m_session.onScreen());
    // A plot is kept from the picture of one that ran to its end; the comparison can
    // always be ended.
    compareItem->setEnabled(compareItem->isChecked() || m_session.onScreen());
}

void PlotExplorer::completeRequest(PlotRequest& request) const {
    request.fitToCurves = fitItem->isChecked();
    request.reference = m_reference;
}

std::optional<FrequencyInterval> PlotExplorer::explorable() const {
    const CompletedPlot* plot = m_session.onScreen();
    if (!plot)
        return std::nullopt;
    const FrequencyInterval interval = sweptInterval(plot->PlotState, plot->unit);
    if (!canExplore(interval))
        return std::nullopt;
    return interval;
}

void PlotExplorer::moveTo(const FrequencyInterval& interval) {
    // Under "Автоматически" the first gesture writes the interval in hertz and unticks it.
    m_history.push_back(m_window.interval());
    m_window.setInterval({intervalTexts(interval, m_window.decimalSeparator()), false});
    m_window.plot();
}

void PlotExplorer::wheel(int x, int notches) {
    const std::optional<FrequencyInterval> interval = explorable();
    if (!interval)
        return;
    const CompletedPlot& plot = *m_session.onScreen();
    const long double pivot = pointerFrequency(plot.PlotState, plot.unit, x, m_image->width());
    // Away from the user zooms in: each notch halves the interval.
    moveTo(zoomedInterval(*interval, pivot, std::pow(0.5L, notches)));
}

void PlotExplorer::press(int x) {
    m_pressX = x;
}

void PlotExplorer::release(int x) {
    if (!m_pressX)
        return;
    const int from = *m_pressX;
    m_pressX.reset();
    const std::optional<FrequencyInterval> interval = explorable();
    if (!interval)
        return;
    if (std::abs(x - from) >= QApplication::startDragDistance()) {
        moveTo(pannedInterval(*interval, dragShift(*interval, from, x, m_image->width())));
        return;
    }
    const CompletedPlot& plot = *m_session.onScreen();
    if (m_probes.size() >= std::size_t(kMaxProbes))
        m_probes.erase(m_probes.begin());
    m_probes.push_back(pointerFrequency(plot.PlotState, plot.unit, x, m_image->width()));
    redrawProbes();
}

void PlotExplorer::plotEnded() {
    if (!m_session.onScreen())
        return;
    m_bare = m_image->image();
    redrawProbes();
}

void PlotExplorer::redrawProbes() {
    CompletedPlot* plot = m_session.complete ? &*m_session.complete : nullptr;
    if (!plot || !m_session.onScreen())
        return;
    plot->probes.clear();
    for (const long double w : m_probes)
        plot->probes.push_back(readProbe(plot->medium, plot->unit, w));
    m_image->image() = m_bare;
    drawProbes(m_surface, plot->PlotState, plot->unit, plot->probes, plot->request.settings,
               plot->request.decimalSeparator);
    m_image->update();
}

void PlotExplorer::previousInterval() {
    if (m_history.empty())
        return;
    const Interval last = m_history.back();
    m_history.pop_back();
    m_window.setInterval(last);
    m_window.plot();
}

void PlotExplorer::clearProbes() {
    m_probes.clear();
    redrawProbes();
}

void PlotExplorer::copyProbes() {
    const CompletedPlot* plot = m_session.onScreen();
    if (!plot)
        return;
    QApplication::clipboard()->setText(probeTable(plot->probes, plot->request.decimalSeparator));
}

void PlotExplorer::compare(bool on) {
    const CompletedPlot* plot = m_session.onScreen();
    if (!on || !plot) {
        m_reference.reset();
        compareItem->setChecked(false);
        return;
    }
    m_reference = std::make_shared<const ReferencePlot>(ReferencePlot{
        m_session.ModelParams, plot->unit, plot->im, plot->re, plot->request.connected});
}

void PlotExplorer::fit() {
    // The picture on screen follows the choice at once.
    if (m_session.onScreen())
        m_window.plot();
}
