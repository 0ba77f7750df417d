// SPDX-License-Identifier: GPL-3.0-or-later
// Building a window from its layout: controls with their names, places, hints and fonts.
#pragma once

#include "Hint.h"

#include <QGroupBox>
#include <QRect>
#include <QString>
#include <functional>
#include <vector>

class QCheckBox;
class QFont;
class QLabel;
class QLineEdit;

namespace form {

/** A font of the layout by family and pixel height (the application maps the Windows
    families to the nearest fonts of the desktop). */
QFont font(const QString& family, int pixels, bool bold = false);

/** The same font naming the family the desktop draws it with, as a font dialog lists it. */
QFont mapped(const QFont& font);

/** Places a window in the middle of its whole screen: left = (screen width - outer width)
    / 2 and top likewise, both in integers. */
void centreOnScreen(QWidget* window);

/** Centres the window the first time it is shown (placed is false, and becomes true);
    afterwards it comes back where the user left it. For a window's showEvent. */
void centreOnFirstShow(QWidget* window, bool& placed);

/** The font narrowed (stretched down to half its width at most) until the text takes no
    more than room pixels; the font itself where it fits already. For captions laid out for
    a narrower face than this machine's. */
QFont narrowedToFit(const QFont& font, const QString& text, int room);

/** Gives a control its layout name and, when there is one, its hint. */
template <typename W> W* named(W* widget, const char* name, const QString& hint = QString()) {
    widget->setObjectName(QString::fromLatin1(name));
    if (!hint.isEmpty())
        setHint(widget, hint);
    return widget;
}

/** A group box whose title stands on its frame line, so the controls inside sit where the
    layout's coordinates put them. */
class GroupBox : public QGroupBox {
public:
    using QGroupBox::QGroupBox;

protected:
    void paintEvent(QPaintEvent* event) override;
};

/** A label that sizes itself to its text, as the layout's labels do. */
QLabel* label(QWidget* parent, const char* name, const QString& text, int x, int y,
              const QFont* font = nullptr, const QString& hint = QString());

/** The lowered "0" of a w0 caption: a label in the caption's font that stands right after
    the caption's "w", a few pixels below its line, whatever the font's widths. */
QLabel* loweredZero(QWidget* parent, const char* name, const QLabel* caption);

/** A single-line edit field, 21 pixels high, that takes a text of any length whole. */
QLineEdit* lineEdit(QWidget* parent, const char* name, int x, int y, int width,
                    const QString& hint = QString());

/** Names and places an edit field made elsewhere (of a kind of its own), 21 pixels high. */
QLineEdit* placeLineEdit(QLineEdit* edit, const char* name, int x, int y, int width,
                         const QString& hint = QString());

/** Writes a text the program computed or read and shows its beginning, where the sign and
    the first digits stand, however much wider than the field the text is. */
void showText(QLineEdit* edit, const QString& text);

/** Makes an edit field tall enough for its font, as auto-sized edit fields are: never lower
    than the layout's 21 pixels, its top-left corner and width kept. */
void fitHeightToFont(QLineEdit* edit);

/** The largest size of font, no larger than its own, for which fits holds; the smallest size
    (one point or pixel) where none does. Face, style and colour stay. */
QFont largestFitting(const QFont& font, const std::function<bool(const QFont&)>& fits);

/** The room of a control down to the nearest control below it that shares some of its
    columns, or to the bottom of its parent: the height it may grow to without covering or
    leaving anything. */
int roomBelow(const QWidget* control);

/** Gives the edit fields font, or the largest smaller size of it with which every field,
    grown to its font's height, keeps within its room below; returns the font they got. */
QFont setFittingFont(const std::vector<QLineEdit*>& fields, const QFont& font);

QGroupBox* groupBox(QWidget* parent, const char* name, const QString& title, QRect rect);

QCheckBox* checkBox(QWidget* parent, const char* name, const QString& text, QRect rect,
                    const QString& hint);

} // namespace form
