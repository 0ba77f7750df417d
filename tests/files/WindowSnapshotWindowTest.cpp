// SPDX-License-Identifier: GPL-3.0-or-later
// The picture of the main window, grafic.bmp, from the menu and from the toolbar.
#include "FileBytes.h"
#include "MainWindowShown.h"
#include "ProcessLimit.h"
#include "QtPrinters.h"
#include "ScriptedDialogs.h"
#include "files/ProgramFolder.h"
#include "files/WindowPicture.h"
#include "widgets/PlotImage.h"
#include "windows/Unit4.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtEndian>
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <optional>

namespace {
class WindowSnapshot : public MainWindowShown {
protected:
    void SetUp() override {
        MainWindowShown::SetUp();
        m_previousFolder = setProgramFolder(dir.path());
    }
    void TearDown() override {
        setProgramFolder(m_previousFolder);
        MainWindowShown::TearDown();
    }

    QString picture() const { return dir.filePath(QStringLiteral("grafic.bmp")); }

    QTemporaryDir dir;
    DialogsScript script;

private:
    QString m_previousFolder;
};

qint32 field(const QByteArray& b, int at) {
    return qFromLittleEndian<qint32>(b.constData() + at);
}
} // namespace

TEST_F(WindowSnapshot, MessageBeforeFromTheMenuAfterFromTheToolbar) {
    QList<bool> existed;
    script->onMessage = [&](const QString&) { existed << QFile::exists(picture()); };
    Form1->N7->trigger();
    ASSERT_TRUE(QFile::remove(picture()));
    Form1->ToolButton3->click();
    Form1->N7->trigger(); // replaced: no second file, no question
    EXPECT_EQ(existed, (QList<bool>{false, true, true}));
    EXPECT_EQ(script->messages,
              QStringList(3, QStringLiteral("График сохранен в текущую папку программы !")));
    EXPECT_TRUE(script->errors.isEmpty());
    EXPECT_TRUE(script->questions.isEmpty());
    EXPECT_EQ(filesIn(dir.path()), QStringList{QStringLiteral("grafic.bmp")});
}

TEST_F(WindowSnapshot, WholeWindowOnePixelLargerAsUncompressedBmp) {
    Form1->ToolButton3->click();
    const QByteArray b = readBytes(picture());
    ASSERT_GE(b.size(), 54);
    const QRect outer = Form1->frameGeometry();
    EXPECT_EQ(b.left(2), QByteArray("BM"));
    EXPECT_EQ(field(b, 14), 40) << "the 40-byte information header";
    EXPECT_EQ(field(b, 18), outer.width() + 1);
    EXPECT_EQ(field(b, 22), outer.height() + 1) << "positive: rows stored bottom-up";
    EXPECT_EQ(field(b, 30), 0) << "no compression";
    const int row = ((outer.width() + 1) * (field(b, 28) & 0xffff) + 31) / 32 * 4;
    EXPECT_EQ(field(b, 10) + row * (outer.height() + 1), b.size()) << "rows padded to 4 bytes";
    EXPECT_EQ(bmpFileSize(outer.size()), b.size()) << "the room taken before the picture";

    // Where the screen cannot be read, the window's own rendering at its place.
    const QImage image(picture());
    const QPoint client = Form1->geometry().topLeft() - outer.topLeft();
    const QPoint plot = client + Form1->Image1->mapTo(Form1, Form1->Image1->rect().center());
    EXPECT_EQ(image.pixel(plot), qRgb(0, 0, 0));
    const QPoint menu(Form1->width() - 5, Form1->menuBar()->height() / 2);
    EXPECT_EQ(image.pixel(client + menu), Form1->menuBar()->grab().toImage().pixel(menu));
}

// A plotted lesson saved from the toolbar: the plot in the picture is Image1 row by row.
TEST_F(WindowSnapshot, PlotInThePictureIsThePlotOnScreen) {
    RussianLocale locale;
    for (int n = 1; n <= 13; ++n)
        typeInto(mainField(n), kClassroomTexts[n - 1]);
    QTest::mouseClick(Form1->Button1, Qt::LeftButton);
    ASSERT_TRUE(script->errors.isEmpty());
    Form1->ToolButton3->click();
    const QImage image = QImage(picture()).convertToFormat(QImage::Format_RGB32);
    const QImage& plot = Form1->Image1->image();
    const QPoint at = Form1->geometry().topLeft() - Form1->frameGeometry().topLeft() +
                      Form1->Image1->mapTo(Form1, QPoint(0, 0));
    ASSERT_TRUE(image.rect().contains(QRect(at, plot.size())));
    int firstDiffering = -1;
    for (int y = 0; y < plot.height() && firstDiffering < 0; ++y)
        for (int x = 0; x < plot.width(); ++x)
            if (image.pixel(at.x() + x, at.y() + y) != plot.pixel(x, y)) {
                firstDiffering = y;
                break;
            }
    EXPECT_EQ(firstDiffering, -1) << "the first row of the plot that differs";
}

TEST_F(WindowSnapshot, FileGoesBesideTheExecutableNotTheWorkingFolder) {
    setProgramFolder(QString());
    const QString beside = QCoreApplication::applicationDirPath() + QStringLiteral("/grafic.bmp");
    const QString working = QDir::currentPath();
    QDir::setCurrent(dir.path());
    Form1->ToolButton3->click();
    QDir::setCurrent(working);
    EXPECT_TRUE(QFile::remove(beside));
    EXPECT_TRUE(filesIn(dir.path()).isEmpty());
}

TEST_F(WindowSnapshot, FolderOrDiskThatCannotTakeThePictureRefusesWithoutTheMessage) {
    const struct {
        const char* name;
        QString folder;
        rlim_t sizeLimit; // 0: none
        int error;
    } cases[] = {
        {"a folder that is gone", dir.filePath(QStringLiteral("gone")), 0, ENOENT},
        {"a disk with room for an empty file only", dir.path(), 4096, EFBIG},
    };
    for (const auto& c : cases) {
        DialogsScript each;
        setProgramFolder(c.folder);
        {
            std::optional<FileSizeLimit> limit;
            if (c.sizeLimit != 0)
                limit.emplace(c.sizeLimit);
            Form1->N7->trigger();
            Form1->ToolButton3->click();
        }
        const QString error = QStringLiteral("Cannot create file \"%1/grafic.bmp\". %2.")
                                  .arg(c.folder, QString::fromLocal8Bit(strerror(c.error)));
        EXPECT_EQ(each->errors, QStringList(2, error)) << c.name;
        EXPECT_TRUE(each->messages.isEmpty()) << c.name << ": never told saved when it was not";
        EXPECT_TRUE(filesIn(dir.path()).isEmpty()) << c.name << ": nothing left behind";
    }
}

TEST_F(WindowSnapshot, CalculatorPicturedIntoCalculBmpAfterItsMessage) {
    Calc->show();
    const QString calcul = dir.filePath(QStringLiteral("Calcul.bmp"));
    QList<bool> existed;
    script->onMessage = [&](const QString&) { existed << QFile::exists(calcul); };
    Calc->N4->trigger();
    EXPECT_EQ(existed, QList<bool>{false});
    EXPECT_EQ(script->messages,
              QStringList{QStringLiteral("Расчеты сохранены в текущую папку программы !")});
    const QImage image(calcul);
    EXPECT_EQ(image.size(), Calc->frameGeometry().size() + QSize(1, 1));
    EXPECT_EQ(QFileInfo(calcul).size(), bmpFileSize(Calc->frameGeometry().size()));
}
