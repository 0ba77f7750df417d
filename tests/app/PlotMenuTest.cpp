// SPDX-License-Identifier: GPL-3.0-or-later
// The plot's own menu, opened by a right click on the picture: the picture to the
// clipboard, to a PNG file, the samples to CSV, the print preview; and a lesson file
// loaded at the start.
#include "windows/PlotMenu.h"
#include "FileBytes.h"
#include "MainWindowShown.h"
#include "QtPrinters.h"
#include "ScriptedDialogs.h"
#include "app/Startup.h"
#include "files/ProgramFolder.h"
#include "plot/PlotData.h"
#include "widgets/PlotImage.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {
class PlotMenuWindow : public MainWindowShown {
protected:
    void SetUp() override {
        MainWindowShown::SetUp();
        fillMainFields();
    }

    /** A right click on the picture at p, through the window system as the user's comes. */
    static void rightClick(QPoint p) {
        QTest::mouseClick(Form1->windowHandle(), Qt::RightButton, {},
                          Form1->Image1->mapTo(Form1, p));
    }

    /** A right click on the picture and a click on item, if the menu offers it enabled:
        whether it did. */
    static bool choose(QAction* item) {
        rightClick(QPoint(200, 150));
        QMenu* menu = Form1->plotMenu;
        EXPECT_TRUE(menu->isVisible());
        const bool enabled = item->isEnabled();
        if (enabled)
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
        menu->close();
        return enabled;
    }

    QString path(const char* name) const { return dir.filePath(QString::fromUtf8(name)); }

    QTemporaryDir dir;
    RussianLocale locale;
    DialogsScript script;
};
} // namespace

TEST_F(PlotMenuWindow, ItemsOfferedByWhatThePictureHolds) {
    QAction* const items[] = {Form1->plotMenu->copyImageItem, Form1->plotMenu->saveImageItem,
                              Form1->plotMenu->saveDataItem, Form1->plotMenu->printItem};
    const struct {
        const char* name;
        const char* step; // of the plot before the right click; none: no plot yet
        bool stopped;     // by Esc
        std::array<bool, 4> enabled;
    } cases[] = {
        {"before any plot", nullptr, false, {false, false, false, false}},
        {"after a plot", "1E12", false, {true, true, true, true}},
        {"after a stopped plot: a picture, no samples", "6E6", true, {true, true, false, true}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.step) {
            mainField(13)->setText(QString::fromLatin1(c.step));
            if (c.stopped)
                QTimer::singleShot(200,
                                   [] { QTest::keyClick(Form1->windowHandle(), Qt::Key_Escape); });
            Form1->Button1->click();
        }
        rightClick(QPoint(10, 10));
        EXPECT_TRUE(Form1->plotMenu->isVisible());
        for (std::size_t i = 0; i < std::size(items); ++i)
            EXPECT_EQ(items[i]->isEnabled(), c.enabled[i]) << items[i]->text().toStdString();
        Form1->plotMenu->close();
    }
}

TEST_F(PlotMenuWindow, EachItemTakesThePlotAway) {
    Form1->Button1->click();
    const QImage picture = Form1->Image1->image().copy();

    ASSERT_TRUE(choose(Form1->plotMenu->copyImageItem));
    EXPECT_EQ(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32), picture);

    // PNG, enlarged 4 times: 1892 x 1892, each pixel a sharp 4 x 4 block.
    script->fileNames << path("график");
    script->enlargements.push_back(4);
    ASSERT_TRUE(choose(Form1->plotMenu->saveImageItem));
    const QImage png(path("график.png"));
    ASSERT_EQ(png.size(), QSize(1892, 1892));
    for (const QPoint p : {QPoint(0, 0), QPoint(236, 120), QPoint(472, 472), QPoint(235, 240)})
        for (int d = 0; d < 16; ++d)
            EXPECT_EQ(png.pixel(4 * p.x() + d % 4, 4 * p.y() + d / 4), picture.pixel(p));
    EXPECT_EQ(script->fileFilters.last(),
              QStringLiteral("Рисунок PNG (*.png);;Векторный рисунок SVG (*.svg);;Документ PDF "
                             "(*.pdf)"));
    // SVG and PDF: the same plot as lines and texts.
    script->fileNames << path("график.svg") << path("график.pdf");
    ASSERT_TRUE(choose(Form1->plotMenu->saveImageItem));
    ASSERT_TRUE(choose(Form1->plotMenu->saveImageItem));
    const QByteArray svg = readBytes(path("график.svg"));
    EXPECT_TRUE(svg.contains("<text") && svg.contains("Wx10(15)")) << "texts as texts";
    EXPECT_TRUE(readBytes(path("график.pdf")).startsWith("%PDF"));

    // The data: the complete plot's samples, the window's decimal comma.
    script->fileNames << path("данные.csv");
    ASSERT_TRUE(choose(Form1->plotMenu->saveDataItem));
    ASSERT_TRUE(Form1->plotSession().complete);
    EXPECT_EQ(readBytes(path("данные.csv")),
              plotDataCsv(*Form1->plotSession().complete, QLatin1Char(',')));

    // One page: the picture as wide as the page, each pixel a block; the fields under it.
    ASSERT_TRUE(choose(Form1->plotMenu->printItem));
    ASSERT_EQ(script->printedPages.size(), 1);
    const QImage& page = script->printedPages.constFirst();
    const double scale = page.width() / 473.0;
    for (const QPoint p : {QPoint(0, 0), QPoint(236, 120), QPoint(300, 300), QPoint(472, 472)})
        EXPECT_EQ(page.pixel(int((p.x() + 0.5) * scale), int((p.y() + 0.5) * scale)),
                  picture.pixel(p));
    const QImage below = page.copy(0, page.width() + 1, page.width(), page.height() / 4);
    QImage blank(below.size(), below.format());
    blank.fill(Qt::white);
    EXPECT_NE(below, blank) << "the fields are printed under the plot";
    EXPECT_TRUE(script->errors.isEmpty()) << script->errors.join(' ').toStdString();

    // The save dialogs began in the pictures and the documents folder, then where the user
    // saved last.
    script->fileNames << QString();
    choose(Form1->plotMenu->saveImageItem);
    EXPECT_EQ(script->fileInitials, (QStringList{firstPicturesFolder(), dir.path(), dir.path(),
                                                 firstDialogFolder(), dir.path()}));
}

// The command line's lesson file fills the fields as "Загрузить" does, without its message;
// one that cannot be read gives the load's error box and leaves the fields empty.
TEST_F(PlotMenuWindow, LessonFileFromTheCommandLine) {
    writeBytes(path("урок.grafc"), kClassroomTexts.join("\r\n").toLatin1() + "\r\n");
    const struct {
        const char* file;
        QStringList fields;
        QStringList errors;
    } cases[] = {
        {"урок.grafc", kClassroomTexts, {}},
        {"нет.grafc", QStringList(13, QString()), {QStringLiteral("I/O error 103.")}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        script->errors.clear();
        for (int n = 1; n <= 13; ++n)
            mainField(n)->clear();
        openLessonFile(path(c.file));
        QCoreApplication::processEvents();
        for (int n = 1; n <= 13; ++n)
            EXPECT_EQ(mainField(n)->text(), c.fields[n - 1]);
        EXPECT_EQ(script->errors, c.errors);
        EXPECT_TRUE(script->messages.isEmpty());
    }
}
