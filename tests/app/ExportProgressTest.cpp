// SPDX-License-Identifier: GPL-3.0-or-later
// A long export tells how far it is: silent for two seconds, then once a second.
#include "app/ExportProgress.h"

#include <QString>
#include <QTextStream>
#include <gtest/gtest.h>

TEST(ExportProgress, SilentForTwoSecondsThenOnceASecond) {
    const struct {
        qint64 at; // milliseconds since the start, on a clock the test moves
        int percent;
        const char* printed; // by the poll at that moment
    } steps[] = {
        {0, 0, ""},
        {1999, 3, ""},
        {2000, 4, "Построение графика: 4 %\n"},
        {3000, 6, "Построение графика: 6 %\n"},
        {3999, 7, ""},
        {9000, 8, "Построение графика: 8 %\n"}, // a long step: one line, not six
        {9001, 9, ""},
        {10000, 10, "Построение графика: 10 %\n"},
    };
    qint64 now = 0;
    QString text;
    QTextStream err(&text);
    ExportProgress progress(err, [&now] { return now; });
    for (const auto& s : steps) {
        now = s.at;
        progress.setPercent(s.percent);
        text.clear();
        EXPECT_FALSE(progress.poll()) << s.at;
        EXPECT_EQ(text, QString::fromUtf8(s.printed)) << s.at;
    }
}
