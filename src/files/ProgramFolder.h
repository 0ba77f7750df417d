// SPDX-License-Identifier: GPL-3.0-or-later
// The folder of the program's executable, where the window pictures go.
#pragma once

#include <QString>

/** The folder of the executable, whatever the working folder. */
QString programFolder();

/** The full path of a file beside the executable. */
QString besideProgram(const QString& fileName);

/** The folder of the example lessons installed with the program, beside the executable. */
QString examplesFolder();

/** Where the file dialogs start before a name has been chosen in them: the user's documents
    folder, or the home folder where there is none. Never the program's own folder, which an
    uninstall deletes. */
QString firstDialogFolder();

/** Where the dialog that saves a picture of the plot starts: the user's pictures folder, or
    the home folder where there is none. */
QString firstPicturesFolder();

/** Makes programFolder() answer folder instead (an empty text restores the executable's);
    returns the previous setting. Tests point it at folders of their own. */
QString setProgramFolder(const QString& folder);
