// SPDX-License-Identifier: GPL-3.0-or-later
// The files an export is about to replace, looked at before anything is written.
#pragma once

#include <QString>
#include <QStringList>

/** Why the outputs may not be written from the input file: a text naming the output, or
    empty when they may. Refused: an output that is the input itself (through links too), one
    that exists and is no regular file or link to one (a folder, a device, a named pipe, a
    socket), a ring of links, and a file named as two outputs. */
QString outputsRefusal(const QString& input, const QStringList& outputs);
