// SPDX-License-Identifier: GPL-3.0-or-later
// The program's start: its four windows, created in order and kept until the end.
#pragma once

/** Creates Form1, AboutForm, Settings and Calc, in this order; only Form1 is to be shown. */
void createWindows();

/** Destroys the four windows at the end of the program. */
void destroyWindows();
