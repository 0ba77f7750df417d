// SPDX-License-Identifier: GPL-3.0-or-later
// "Построить график": the whole plot command, from the request's fields to the last label.
#pragma once

class PlotSink;
class PlotSurface;
struct PlotRequest;
struct PlotSession;

/** Runs the plot command of request into surface, reporting to sink, keeping the medium,
    the range, the unit and the finished plot in the session; the status line is cleared
    once the inputs are read. Conversion and floating-point errors end it where they
    arise, leaving what was drawn and reported so far. A stop asked for by the user ends it
    the same way, with the gauge at 0 and "Построение прервано" in the status line. */
void runPlotCommand(const PlotRequest& request, PlotSink& sink, PlotSurface& surface,
                    PlotSession& session);
