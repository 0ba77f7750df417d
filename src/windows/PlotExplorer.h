// SPDX-License-Identifier: GPL-3.0-or-later
// Exploring a finished plot with the mouse: zoom and pan, probes, a kept plot to compare
// with, the range fitted to the curves; and their items in the plot's menu.
#pragma once

#include "plot/IntervalGestures.h"

#include <QImage>
#include <QObject>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class PlotImage;
class PlotMenu;
class PlotSurface;
class QAction;
struct PlotSession;
struct PlotRequest;
struct ReferencePlot;

class PlotExplorer : public QObject {
public:
    /** The interval fields "От", "до", "Шаг :" and the box "Автоматически". */
    struct Interval {
        IntervalTexts texts;
        bool automatic = false;
    };
    /** What the explorer asks of the main window. */
    struct Window {
        std::function<Interval()> interval;
        std::function<void(const Interval&)> setInterval;
        std::function<void()> plot; ///< runs "Построить график"
        std::function<QChar()> decimalSeparator;
    };

    /** Takes the gestures of image, whose picture surface draws and session keeps, and
        adds its items to menu. */
    PlotExplorer(PlotImage* image, PlotSurface& surface, PlotSession& session, PlotMenu* menu,
                 Window window);
    ~PlotExplorer() override;

    QAction *previousIntervalItem = nullptr, *clearProbesItem = nullptr, *copyProbesItem = nullptr,
            *compareItem = nullptr, *fitItem = nullptr;

    /** What a plot started now asks besides the fields: the fitted range, the kept plot. */
    void completeRequest(PlotRequest& request) const;
    /** After each plot command: the probes over a plot that ran to its end. */
    void plotEnded();
    /** The frequencies of the probes, in hertz, oldest first. */
    const std::vector<long double>& probes() const { return m_probes; }

    // The gestures, positions in the picture's pixels.
    void wheel(int x, int notches);
    void press(int x);
    void release(int x);

    // The menu's items.
    void previousInterval();
    void clearProbes();
    void copyProbes();
    void compare(bool on);
    void fit();

private:
    void menuOpening();
    /** The interval of the plot on screen in hertz, if it may be explored. */
    std::optional<FrequencyInterval> explorable() const;
    void moveTo(const FrequencyInterval& interval);
    /** The picture as the plot left it, with the probes drawn again over it. */
    void redrawProbes();

    PlotImage* m_image;
    PlotSurface& m_surface;
    PlotSession& m_session;
    Window m_window;
    std::vector<Interval> m_history;
    std::vector<long double> m_probes;
    std::shared_ptr<const ReferencePlot> m_reference;
    QImage m_bare; ///< the picture of the plot on screen without its probes
    std::optional<int> m_pressX;
};
