// SPDX-License-Identifier: GPL-3.0-or-later
// The program's folder, where the window pictures go: the executable's, or the user's own
// data folder for the program where the executable's cannot be written.
#pragma once

#include <QString>

/** The folder of the executable, whatever the working folder, where it can be written;
    otherwise (a system install) the user's own data folder for the program, created when
    needed. */
QString programFolder();

/** The choice programFolder() makes: the executable's folder where it can be written or
    where the user has no data folder, else the user's data folder for the program. */
QString pictureFolder(const QString& executableFolder, bool executableFolderWritable,
                      const QString& userDataFolder);

/** The full path of a file in programFolder(). */
QString besideProgram(const QString& fileName);

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
