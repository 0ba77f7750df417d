// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlotState.h"

TPlotState PlotState;
