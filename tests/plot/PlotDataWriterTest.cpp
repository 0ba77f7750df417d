// SPDX-License-Identifier: GPL-3.0-or-later
// The CSV written a buffer at a time: the very bytes of the table held whole.
#include "plot/PlotDataWriter.h"
#include "ErrorText.h"
#include "PlotRecorder.h"
#include "files/AtomicFile.h"
#include "plot/PlotData.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryFile>
#include <algorithm>
#include <cerrno>
#include <gtest/gtest.h>

namespace {
/** The bytes the writer passes to a sink, and the largest piece it passed at once. */
QByteArray written(const CompletedPlot& s, QChar sep, qsizetype* largest = nullptr) {
    QByteArray bytes;
    qsizetype most = 0;
    EXPECT_TRUE(writePlotDataCsv(s, sep, [&](QByteArrayView piece) {
        bytes += piece;
        most = std::max(most, piece.size());
        return true;
    }));
    if (largest)
        *largest = most;
    return bytes;
}
} // namespace

TEST(PlotDataWriter, SameBytesAsTheWholeTable) {
    const CompletedPlot typed = classroomPlot(false);
    const CompletedPlot automatic = classroomPlot(true);
    const QChar comma = QLatin1Char(','), point = QLatin1Char('.');
    const struct {
        const char* name;
        CompletedPlot samples;
        QChar separator;
    } cases[] = {
        {"classroom, comma", typed, comma},
        {"classroom, point", typed, point},
        // Under the thousand rule w goes back to hertz through a power of ten.
        {"thousand rule", automatic, comma},
        {"thousand rule, point", automatic, point},
        // Negative frequencies, through 0 and out again.
        {"negative start", withInterval(typed, -5e15, 5e15, 3.3e13), point},
        // Around 0,0001, where the fixed notation gives way to the scientific one, and
        // wavelengths of 10^18 nm and more.
        {"smallest fixed", withInterval(typed, 0.00009, 0.0003, 0.00001), comma},
        // Around 10^15, where the integers of 15 digits give way to the scientific form.
        {"largest fixed", withInterval(typed, 999999999999990, 1000000000000100, 10), point},
        // Integers of 16 digits ending in 5: every w is a tie at the 15th digit, which
        // goes to the even digit.
        {"ties", withInterval(typed, 1000000000000005, 1000000000000200, 10), point},
        // The running sum of 0,1 ends on 0,9999999999999999, written 1.
        {"running sum", withInterval(typed, 0, 1, 0.1), comma},
        // A separator of two bytes in UTF-8 (the Arabic decimal separator).
        {"wide separator", typed, QChar(0x066B)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QByteArray expected = plotDataCsv(c.samples, c.separator);
        EXPECT_EQ(written(c.samples, c.separator), expected);

        QBuffer device;
        ASSERT_TRUE(device.open(QIODevice::WriteOnly));
        EXPECT_TRUE(writePlotDataCsv(c.samples, c.separator, device));
        EXPECT_EQ(device.data(), expected);

        QTemporaryFile file;
        ASSERT_TRUE(file.open());
        const int fd = file.handle();
        EXPECT_TRUE(writePlotDataCsv(c.samples, c.separator,
                                     [fd](QByteArrayView bytes) { return writeAll(fd, bytes); }));
        QFile back(file.fileName());
        ASSERT_TRUE(back.open(QIODevice::ReadOnly));
        EXPECT_EQ(back.readAll(), expected);
    }
}

TEST(PlotDataWriter, PiecesStayBoundedWhateverTheLength) {
    // 100 000 rows, some 10 MB held whole; the writer passes no piece over 64 KiB.
    const CompletedPlot many = withInterval(classroomPlot(false), 0, 6e15, 6e10);
    qsizetype largest = 0;
    const QByteArray bytes = written(many, QLatin1Char(','), &largest);
    EXPECT_EQ(bytes.count("\r\n"), 100'001);
    EXPECT_LE(largest, 1 << 16);
}

TEST(PlotDataWriter, StopsAtTheFirstRefusedWrite) {
    const CompletedPlot typed = classroomPlot(false);
    const QChar comma = QLatin1Char(',');
    for (int refusedCall : {1, 2, 3}) {
        SCOPED_TRACE(refusedCall);
        int calls = 0;
        EXPECT_FALSE(
            writePlotDataCsv(typed, comma, [&](QByteArrayView) { return ++calls < refusedCall; }));
        EXPECT_EQ(calls, refusedCall) << "nothing is passed after a refusal";
    }
    errno = 0;
    EXPECT_FALSE(writePlotDataCsv(typed, comma, [](QByteArrayView b) { return writeAll(-1, b); }));
    EXPECT_EQ(errno, EBADF);
    QBuffer closed;
    EXPECT_FALSE(writePlotDataCsv(typed, comma, closed));
}

TEST(PlotDataWriter, ModelErrorLeavesWholeRowsBeforeIt) {
    // Without damping n is 0/0 at w0 = 3E15, which the running sum of 1E11 meets exactly
    // after more rows than one buffer holds.
    CompletedPlot undamped = withInterval(classroomPlot(false), 0, 6e15, 1e11);
    undamped.medium.Gamma = 0;
    const QChar comma = QLatin1Char(',');
    const QString expected = errorText([&] { plotDataCsv(undamped, comma); });
    ASSERT_EQ(expected, "Invalid floating point operation");
    QByteArray bytes;
    EXPECT_EQ(errorText([&] {
                  writePlotDataCsv(undamped, comma, [&](QByteArrayView piece) {
                      bytes += piece;
                      return true;
                  });
              }),
              expected);
    const QByteArray before = plotDataCsv(withInterval(undamped, 0, 3e15, 1e11), comma);
    ASSERT_GT(bytes.size(), 1 << 16);
    EXPECT_TRUE(bytes.endsWith("\r\n"));
    EXPECT_TRUE(before.startsWith(bytes));
}
