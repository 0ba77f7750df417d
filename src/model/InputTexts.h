// SPDX-License-Identifier: GPL-3.0-or-later
// The texts of the main window's thirteen input fields, as typed.
#pragma once

#include <QString>
#include <array>

/** The texts of Edit1 to Edit13, in this order. */
using InputTexts = std::array<QString, 13>;
