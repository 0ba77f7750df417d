// SPDX-License-Identifier: GPL-3.0-or-later
// The texts of the file errors that end a command.
#pragma once

#include "model/Errors.h"

/** A file that cannot be read, created or written. */
class FileError : public AppError {
public:
    using AppError::AppError;
};

/** "I/O error N". */
QString ioErrorText(int code);

/** The text of a failed save, by the meaning of the system's error number: "File not found",
    "Invalid filename", "Too many open files", "File access denied", "Disk full", or
    "I/O error N" with N the error number itself. */
QString saveErrorText(int errorNumber);

/** "Cannot create file "PATH". REASON", the reason in the system's own words. */
QString cannotCreateText(const QString& path, int errorNumber);
