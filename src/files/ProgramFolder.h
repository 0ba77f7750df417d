// SPDX-License-Identifier: GPL-3.0-or-later
// The folder of the program's executable, where the window pictures go.
#pragma once

#include <QString>

/** The folder of the executable, whatever the working folder. */
QString programFolder();

/** The full path of a file beside the executable. */
QString besideProgram(const QString& fileName);

/** Makes programFolder() answer folder instead (an empty text restores the executable's);
    returns the previous setting. Tests point it at folders of their own. */
QString setProgramFolder(const QString& folder);
