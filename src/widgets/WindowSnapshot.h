// SPDX-License-Identifier: GPL-3.0-or-later
// A window pictured as it shows on the screen, into a BMP file beside the program.
#pragma once

#include <QString>

class QWidget;

/** Pictures the window's outer rectangle (frame, caption and menu bar included) into the BMP
    file fileName in the folder of the executable, replacing it, and shows the message before
    (messageFirst) or after. The file's room on the disk is taken first: a folder or a disk
    that cannot take it gives the error instead of the message. Failures throw FileError. */
void SaveWindowSnapshot(QWidget* window, const QString& fileName, const QString& message,
                        bool messageFirst);
