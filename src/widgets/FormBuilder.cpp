// SPDX-License-Identifier: GPL-3.0-or-later
#include "FormBuilder.h"

#include <QCheckBox>
#include <QFont>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QScreen>
#include <qdrawutil.h>

#include <algorithm>
#include <cmath>
#include <limits>

namespace form {

namespace {
/** The height of an edit field in the window layouts. */
constexpr int kEditHeight = 21;
} // namespace

QFont font(const QString& family, int pixels, bool bold) {
    QFont f(family);
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

QFont mapped(const QFont& font) {
    QFont f(font);
    f.setFamily(QFontInfo(font).family());
    return f;
}

void centreOnScreen(QWidget* window) {
    const QScreen* screen = window->screen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    const QSize outer = window->frameGeometry().size();
    window->move(area.left() + (area.width() - outer.width()) / 2,
                 area.top() + (area.height() - outer.height()) / 2);
}

void centreOnFirstShow(QWidget* window, bool& placed) {
    if (placed)
        return;
    placed = true;
    centreOnScreen(window);
}

QFont narrowedToFit(const QFont& font, const QString& text, int room) {
    if (QFontMetrics(font).horizontalAdvance(text) <= room)
        return font;
    constexpr int kNarrowest = 50; // per cent of the face's own width
    QFont narrowed = font;
    narrowed.setStretch(QFont::Unstretched);
    while (QFontMetrics(narrowed).horizontalAdvance(text) > room && narrowed.stretch() > kNarrowest)
        narrowed.setStretch(narrowed.stretch() - 1);
    return narrowed;
}

void GroupBox::paintEvent(QPaintEvent*) {
    constexpr int kTitleIndent = 7;
    QPainter painter(this);
    const QFontMetrics metrics(font());
    qDrawShadeRect(&painter, rect().adjusted(0, metrics.height() / 2, 0, 0), palette(), true, 1);
    if (title().isEmpty())
        return;
    const QRect caption(kTitleIndent, 0, metrics.horizontalAdvance(title()) + 2, metrics.height());
    painter.fillRect(caption, palette().window());
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(caption, Qt::AlignCenter, title());
}

QLabel* label(QWidget* parent, const char* name, const QString& text, int x, int y,
              const QFont* font, const QString& hint) {
    auto* l = named(new QLabel(text, parent), name, hint);
    if (font)
        l->setFont(*font);
    l->move(x, y);
    l->adjustSize();
    return l;
}

QLabel* loweredZero(QWidget* parent, const char* name, const QLabel* caption) {
    constexpr int kDrop = 8; // pixels below the caption's line
    const QString text = caption->text();
    const int wEnd = QFontMetrics(caption->font())
                         .horizontalAdvance(text.left(text.indexOf(QLatin1Char('w')) + 1));
    const QFont font = caption->font();
    return label(parent, name, QStringLiteral("0"), caption->x() + wEnd, caption->y() + kDrop,
                 &font);
}

QLineEdit* lineEdit(QWidget* parent, const char* name, int x, int y, int width,
                    const QString& hint) {
    return placeLineEdit(new QLineEdit(parent), name, x, y, width, hint);
}

QLineEdit* placeLineEdit(QLineEdit* edit, const char* name, int x, int y, int width,
                         const QString& hint) {
    named(edit, name, hint);
    edit->setGeometry(x, y, width, kEditHeight);
    // Qt's default limit of 32767 characters would cut a long line of a loaded file.
    edit->setMaxLength(std::numeric_limits<int>::max());
    return edit;
}

void showText(QLineEdit* edit, const QString& text) {
    edit->setText(text);
    edit->setCursorPosition(0);
}

void fitHeightToFont(QLineEdit* edit) {
    edit->resize(edit->width(), std::max(kEditHeight, edit->sizeHint().height()));
}

QFont largestFitting(const QFont& font, const std::function<bool(const QFont&)>& fits) {
    QFont smaller(font);
    const bool inPoints = font.pointSizeF() > 0;
    while (!fits(smaller)) {
        if (inPoints) {
            const double size = smaller.pointSizeF();
            if (size <= 1)
                break;
            smaller.setPointSizeF(std::max(1.0, std::ceil(size) - 1));
        } else {
            const int size = smaller.pixelSize();
            if (size <= 1)
                break;
            smaller.setPixelSize(size - 1);
        }
    }
    return smaller;
}

int roomBelow(const QWidget* control) {
    const QWidget* parent = control->parentWidget();
    if (!parent)
        return control->height();
    const QRect own = control->geometry();
    int bottom = parent->height();
    for (const QObject* child : parent->children()) {
        const auto* other = qobject_cast<const QWidget*>(child);
        if (!other || other == control || other->isHidden() || other->isWindow())
            continue;
        const QRect g = other->geometry();
        const bool sharesColumns = g.left() <= own.right() && own.left() <= g.right();
        if (sharesColumns && g.top() > own.top())
            bottom = std::min(bottom, g.top());
    }
    return bottom - own.top();
}

QFont setFittingFont(const std::vector<QLineEdit*>& fields, const QFont& font) {
    const QFont fitting = largestFitting(font, [&](const QFont& f) {
        return std::all_of(fields.begin(), fields.end(), [&](QLineEdit* e) {
            e->setFont(f);
            return std::max(kEditHeight, e->sizeHint().height()) <= roomBelow(e);
        });
    });
    for (QLineEdit* e : fields) {
        e->setFont(fitting);
        fitHeightToFont(e);
    }
    return fitting;
}

QGroupBox* groupBox(QWidget* parent, const char* name, const QString& title, QRect rect) {
    auto* g = named(new GroupBox(title, parent), name);
    g->setGeometry(rect);
    return g;
}

QCheckBox* checkBox(QWidget* parent, const char* name, const QString& text, QRect rect,
                    const QString& hint) {
    auto* c = named(new QCheckBox(text, parent), name, hint);
    c->setGeometry(rect);
    return c;
}

} // namespace form
