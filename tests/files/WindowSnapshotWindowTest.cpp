// SPDX-License-Identifier: GPL-3.0-or-later
// The picture of the main window, grafic.bmp, from the menu and from the toolbar.
#include "QtPrinters.h"
#include "ScriptedDialogs.h"
#include "app/PlotImage.h"
#include "app/Startup.h"
#include "app/Unit1.h"
#include "files/ProgramFolder.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtEndian>
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

namespace {
const QString kGraphSaved = QStringLiteral("График сохранен в текущую папку программы !");

class WindowSnapshot : public ::testing::Test {
protected:
    void SetUp() override {
        createWindows();
        Form1->show();
        m_previousFolder = setProgramFolder(dir.path());
    }
    void TearDown() override {
        setProgramFolder(m_previousFolder);
        destroyWindows();
    }

    QString picture() const { return dir.filePath(QStringLiteral("grafic.bmp")); }

    QTemporaryDir dir;
    DialogsScript script;

private:
    QString m_previousFolder;
};

quint32 u32(const QByteArray& b, int at) {
    return qFromLittleEndian<quint32>(b.constData() + at);
}
} // namespace

TEST_F(WindowSnapshot, MessageBeforeFromTheMenuAfterFromTheToolbar) {
    QList<bool> existed;
    script->onMessage = [&](const QString&) { existed << QFile::exists(picture()); };
    Form1->N7->trigger();
    EXPECT_EQ(existed, QList<bool>{false}) << "the menu tells first, then pictures";
    ASSERT_TRUE(QFile::exists(picture()));
    QFile::remove(picture());
    Form1->ToolButton3->click();
    EXPECT_EQ(existed, (QList<bool>{false, true})) << "the toolbar tells once the file exists";
    EXPECT_EQ(script->messages, QStringList(2, kGraphSaved));
    EXPECT_TRUE(script->errors.isEmpty());
    Form1->N7->trigger(); // replaced, no second file, no question
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("grafic.bmp")});
    EXPECT_TRUE(script->questions.isEmpty());
}

TEST_F(WindowSnapshot, WholeWindowOnePixelLargerAsUncompressedBmp) {
    Form1->ToolButton3->click();
    QFile file(picture());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray b = file.readAll();
    ASSERT_GE(b.size(), 54);
    const QRect outer = Form1->frameGeometry();
    EXPECT_EQ(b.left(2), QByteArray("BM"));
    EXPECT_EQ(u32(b, 14), 40u);
    EXPECT_EQ(u32(b, 18), static_cast<quint32>(outer.width() + 1));
    EXPECT_EQ(u32(b, 22), static_cast<quint32>(outer.height() + 1));
    EXPECT_EQ(u32(b, 30), 0u);

    // The window's own rendering at its place: the black plot, the menu bar above the toolbar.
    const QImage image(picture());
    const QPoint client = Form1->geometry().topLeft() - outer.topLeft();
    const QPoint plotCentre = client + Form1->Image1->mapTo(Form1, Form1->Image1->rect().center());
    EXPECT_EQ(image.pixel(plotCentre), qRgb(0, 0, 0));
    const QPoint menuBar = client + QPoint(Form1->width() - 5, Form1->menuBar()->height() / 2);
    EXPECT_EQ(image.pixel(menuBar),
              Form1->menuBar()->grab().toImage().pixel(Form1->menuBar()->width() - 5,
                                                       Form1->menuBar()->height() / 2));
}

TEST_F(WindowSnapshot, FileGoesBesideTheExecutableNotTheWorkingFolder) {
    setProgramFolder(QString());
    const QString beside = QCoreApplication::applicationDirPath() + QStringLiteral("/grafic.bmp");
    const QString working = QDir::currentPath();
    QDir::setCurrent(dir.path());
    Form1->ToolButton3->click();
    QDir::setCurrent(working);
    EXPECT_TRUE(QFile::exists(beside));
    EXPECT_FALSE(QFile::exists(picture()));
    QFile::remove(beside);
}

TEST_F(WindowSnapshot, FolderThatCannotBeWrittenRefusesWithoutTheMessage) {
    const QString missing = dir.filePath(QStringLiteral("gone"));
    setProgramFolder(missing);
    const QString error = QStringLiteral("Cannot create file \"%1/grafic.bmp\". %2.")
                              .arg(missing, QString::fromLocal8Bit(strerror(ENOENT)));
    Form1->N7->trigger();
    Form1->ToolButton3->click();
    EXPECT_EQ(script->errors, QStringList(2, error));
    EXPECT_TRUE(script->messages.isEmpty()) << "never told saved when it was not";
}
