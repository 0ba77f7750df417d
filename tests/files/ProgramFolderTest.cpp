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
        {"the build folder", QStringLiteral("/home/teacher/volnograf/build"), true, data,
         QStringLiteral("/home/teacher/volnograf/build")},
        {"an install into the home folder", QStringLiteral("/home/teacher/.local/lib/volnograf"),
         true, data, QStringLiteral("/home/teacher/.local/lib/volnograf")},
        {"the Debian package", QStringLiteral("/usr/lib/volnograf"), false, data, data},
        {"an install under /usr/local", QStringLiteral("/usr/local/lib/volnograf"), false, data,
         data},
        // No home to keep a data folder in: the error names the program's folder.
        {"a user without a data folder", QStringLiteral("/usr/lib/volnograf"), false, QString(),
         QStringLiteral("/usr/lib/volnograf")},
    };
    for (const auto& c : cases)
        EXPECT_EQ(pictureFolder(c.executable, c.writable, c.userData), c.chosen) << c.install;
}
