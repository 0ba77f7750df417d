// SPDX-License-Identifier: GPL-3.0-or-later
// The input data file .grafc: the texts of the thirteen input fields, one a line, in
// Windows-1251 with CR LF line ends, as on a Russian Windows desktop.
#pragma once

#include "model/InputTexts.h"

#include <QByteArray>
#include <QString>

class QIODevice;

/** The texts of Edit1 to Edit13, in this order: a lesson file holds the input fields. */
using GrafcTexts = InputTexts;

/** The largest file read as input data: a lesson is a few hundred bytes, and anything
    larger than this is no lesson and would only fill the memory. */
constexpr qint64 kLargestGrafc = 16 * 1024 * 1024;

/** Reads up to thirteen line texts. A text ends at its first CR or LF, the next one begins
    after the next LF, a byte 0x1A ends the file, lines the file lacks read as empty text
    and lines after the thirteenth are ignored. A read error throws "I/O error 100"; more than
    kLargestGrafc bytes before the end of the thirteenth line throw a text that says so. */
GrafcTexts readGrafc(QIODevice& device);

/** The bytes of a file holding the texts: each in Windows-1251 followed by CR LF. */
QByteArray encodeGrafc(const GrafcTexts& texts);

/** The path a save writes: ".grafc" appended unless the chosen name ends in it (any case). */
QString grafcPath(const QString& chosenName);

/** Replaces the file at path with the texts, whole or not at all; a failure throws
    FileError with the text of its system error. */
void saveGrafcFile(const QString& path, const GrafcTexts& texts);

/** Reads the file named exactly path, to the end of its thirteenth line however long; one
    that cannot be opened or is no regular file (a named pipe, a device, a folder) throws
    "I/O error 103" at once, and one larger than kLargestGrafc is refused before it is read. */
GrafcTexts loadGrafcFile(const QString& path);
