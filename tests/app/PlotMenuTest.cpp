// SPDX-License-Identifier: GPL-3.0-or-later
// The plot's own menu, opened by a right click on the picture: the picture to the
// clipboard, to a PNG file, the samples to CSV, the print preview; and a lesson file
// loaded at the start.
#include "windows/PlotMenu.h"
#include "MainWindowShown.h"
#include "QtPrinters.h"
#include "ScriptedDialogs.h"
#include "app/Startup.h"
#include "files/ProgramFolder.h"
#include "plot/PlotData.h"
#include "widgets/BusyGuard.h"
#include "widgets/PlotImage.h"
#include "widgets/WorkProgress.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QGuiApplication>
#include <QMenu>
#include <QProgressBar>
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
        rightClickPlot(QPoint(10, 10));
        EXPECT_TRUE(Form1->plotMenu->isVisible());
        for (std::size_t i = 0; i < std::size(items); ++i)
            EXPECT_EQ(items[i]->isEnabled(), c.enabled[i]) << items[i]->text().toStdString();
        Form1->plotMenu->close();
    }
}

TEST_F(PlotMenuWindow, EachItemTakesThePlotAway) {
    Form1->Button1->click();
    const QImage picture = Form1->Image1->image().copy();

    ASSERT_TRUE(choosePlotMenuItem(Form1->plotMenu->copyImageItem));
    EXPECT_EQ(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32), picture);

    // PNG, enlarged 4 times: 1892 x 1892, each pixel a sharp 4 x 4 block.
    script->fileNames << path("график");
    script->enlargements.push_back(4);
    ASSERT_TRUE(choosePlotMenuItem(Form1->plotMenu->saveImageItem));
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
    ASSERT_TRUE(choosePlotMenuItem(Form1->plotMenu->saveImageItem));
    ASSERT_TRUE(choosePlotMenuItem(Form1->plotMenu->saveImageItem));
    const QByteArray svg = readBytes(path("график.svg"));
    EXPECT_TRUE(svg.contains("<text") && svg.contains("Wx10(15)")) << "texts as texts";
    EXPECT_TRUE(readBytes(path("график.pdf")).startsWith("%PDF"));

    // The data: the complete plot's samples, the window's decimal comma.
    script->fileNames << path("данные.csv");
    ASSERT_TRUE(choosePlotMenuItem(Form1->plotMenu->saveDataItem));
    ASSERT_TRUE(Form1->plotSession().complete);
    EXPECT_EQ(readBytes(path("данные.csv")),
              plotDataCsv(*Form1->plotSession().complete, QLatin1Char(',')));

    // One page: the picture as wide as the page, each pixel a block; the fields under it.
    ASSERT_TRUE(choosePlotMenuItem(Form1->plotMenu->printItem));
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
    choosePlotMenuItem(Form1->plotMenu->saveImageItem);
    EXPECT_EQ(script->fileInitials, (QStringList{firstPicturesFolder(), dir.path(), dir.path(),
                                                 firstDialogFolder(), dir.path()}));
}

namespace {
/** Time that passes only as the program reads it, by step milliseconds at each reading:
    an export is long or short whatever the machine. */
class SteppingClock {
public:
    explicit SteppingClock(qint64 step)
        : m_previous(BusyGuard::setClock([this, step] { return m_now += step; })) {}
    ~SteppingClock() { BusyGuard::setClock(std::move(m_previous)); }

private:
    qint64 m_now = 0;
    BusyGuard::Clock m_previous;
};

/** What the user does while an export runs. */
enum class UserAction { Waits, PressesEscBeforeTheBox, ClicksCancel, PressesEscInTheBox };

/** The user at the screen while an export runs: looks at the events the program handles
    and acts once, on the busy cursor or on the progress box. */
class Watcher {
public:
    explicit Watcher(UserAction action) : m_action(action) {
        QObject::connect(&m_tick, &QTimer::timeout, [this] { look(); });
        m_tick.start(0);
    }

    bool boxShown = false;
    int lastPercent = -1;

private:
    void look() {
        auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (box && box->objectName() == QLatin1String(kWorkProgressName)) {
            boxShown = true;
            EXPECT_EQ(box->windowTitle(), applicationTitle());
            lastPercent = box->findChild<QProgressBar*>()->value();
            if (m_acted)
                return;
            if (m_action == UserAction::ClicksCancel) {
                m_acted = true;
                for (QPushButton* b : box->findChildren<QPushButton*>())
                    if (b->text() == QStringLiteral("Отмена"))
                        QTest::mouseClick(b, Qt::LeftButton);
            } else if (m_action == UserAction::PressesEscInTheBox) {
                m_acted = true;
                QTest::keyClick(box, Qt::Key_Escape);
            }
        } else if (m_action == UserAction::PressesEscBeforeTheBox && !m_acted &&
                   QApplication::overrideCursor()) {
            m_acted = true;
            QTest::keyClick(Form1->windowHandle(), Qt::Key_Escape);
        }
    }

    UserAction m_action;
    bool m_acted = false;
    QTimer m_tick;
};
} // namespace

// A long CSV shows its progress after a second and may be cancelled; a cancelled one keeps
// the old file byte for byte and leaves no temporary file, with no error box.
TEST_F(PlotMenuWindow, LongDataExportShowsProgressAndCancelKeepsTheOldFile) {
    const QByteArray old = "OLD;1\r\n";
    const struct {
        const char* name;
        const char* step;    // 1E11: 60 000 samples, a look every 4096; 1E12: 6000
        qint64 msPerReading; // of the clock; 0: no time passes
        UserAction action;
        bool boxShown;
        bool written;
    } cases[] = {
        {"short: no box", "1E11", 0, UserAction::Waits, false, true},
        {"long: the box, then the file", "1E11", 100, UserAction::Waits, true, true},
        {"Esc before the box", "1E11", 100, UserAction::PressesEscBeforeTheBox, false, false},
        {"\"Отмена\" in the box", "1E11", 100, UserAction::ClicksCancel, true, false},
        {"Esc in the box", "1E11", 100, UserAction::PressesEscInTheBox, true, false},
        // The box comes only while the file is written: the new file is ready, not in place.
        {"\"Отмена\" while writing", "1E12", 400, UserAction::ClicksCancel, true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        mainField(13)->setText(QString::fromLatin1(c.step));
        Form1->Button1->click();
        ASSERT_TRUE(Form1->plotSession().complete);
        const QByteArray expected = plotDataCsv(*Form1->plotSession().complete, QLatin1Char(','));
        writeBytes(path("данные.csv"), old);
        script->fileNames << path("данные.csv");
        {
            const SteppingClock clock(c.msPerReading);
            const Watcher user(c.action);
            ASSERT_TRUE(choosePlotMenuItem(Form1->plotMenu->saveDataItem));
            EXPECT_EQ(user.boxShown, c.boxShown);
            if (c.boxShown && c.written) {
                EXPECT_GT(user.lastPercent, 0);
            }
        }
        EXPECT_EQ(readBytes(path("данные.csv")), c.written ? expected : old);
        EXPECT_EQ(filesIn(dir.path()), QStringList{QStringLiteral("данные.csv")})
            << "no temporary file left";
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "the box is gone";
        EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "the normal cursor is back";
        EXPECT_TRUE(script->errors.isEmpty()) << script->errors.join(' ').toStdString();
        EXPECT_TRUE(script->messages.isEmpty());
    }
}

// The command line's lesson file fills the fields as "Загрузить" does, without its message;
// one that cannot be read gives the load's error box and leaves the fields empty.
TEST_F(PlotMenuWindow, LessonFileFromTheCommandLine) {
    writeLessonFile(path("урок.grafc"));
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
