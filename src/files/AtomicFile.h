// SPDX-License-Identifier: GPL-3.0-or-later
// Files replaced whole or not at all: written beside the old one, then renamed over it.
#pragma once

#include <QByteArrayView>
#include <QString>

/** Writes the bytes to path: a new file beside it, flushed to disk, then renamed over the
    old one. On failure the old file stays as it was, no partial file is left, and the
    result is the system's error number of the step that failed; 0 on success. */
[[nodiscard]] int writeFileAtomically(const QString& path, QByteArrayView bytes);

/** Whether a file can be created in the folder: creates and removes one there. The
    system's error number of the failure, 0 when it can. */
[[nodiscard]] int probeCreatable(const QString& folder);
