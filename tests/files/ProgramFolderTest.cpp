// SPDX-License-Identifier: GPL-3.0-or-later
// Where the window pictures go in each kind of install.
#include "files/ProgramFolder.h"

#include <gtest/gtest.h>

TEST(ProgramFolder, PicturesGoBesideTheProgramUnlessItsFolderIsReadOnly) {
    const QString data = QStringLiteral("/home/teacher/.local/share/volnograf");
    const struct {
        const char* install;
        QString executable;
        bool writable;
        QString userData;
        QString chosen;
    } cases[] = {
        // clang-format off
        {"the build folder", "/home/teacher/volnograf/build", true, data, "/home/teacher/volnograf/build"},
        {"an install into the home folder", "/home/teacher/.local/lib/volnograf", true, data, "/home/teacher/.local/lib/volnograf"},
        {"the Debian package", "/usr/lib/volnograf", false, data, data},
        {"an install under /usr/local", "/usr/local/lib/volnograf", false, data, data},
        // No home to keep a data folder in: the error names the program's folder.
        {"a user without a data folder", "/usr/lib/volnograf", false, QString(), "/usr/lib/volnograf"},
        // clang-format on
    };
    for (const auto& c : cases)
        EXPECT_EQ(pictureFolder(c.executable, c.writable, c.userData), c.chosen) << c.install;
}
