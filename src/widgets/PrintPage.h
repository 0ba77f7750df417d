// SPDX-License-Identifier: GPL-3.0-or-later
// The printed page: margins a printer can print within, and where a print to a file goes.
#pragma once

#include <QPageLayout>
#include <QString>

/** The least margin on every side of a printed page, in millimetres: printers cannot print
    at the very edge of the sheet. */
inline constexpr double kLeastPrintMargin = 10;

/** The layout with every margin at least kLeastPrintMargin; a larger margin of the
    printer's stays. */
QPageLayout withPrintMargins(const QPageLayout& layout);

/** The file "Печать в файл" proposes: the document's name as a PDF file in folder. */
QString printFileName(const QString& folder);
