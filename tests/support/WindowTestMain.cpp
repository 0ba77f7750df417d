// SPDX-License-Identifier: GPL-3.0-or-later
// Window tests run on the offscreen platform inside the program's own application object.
#include "widgets/Application.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    VolnografApp app(argc, argv);
    return RUN_ALL_TESTS();
}
