// SPDX-License-Identifier: GPL-3.0-or-later
// Every message box, question and standard dialog of the program goes through Dialogs,
// so that tests can answer them without a person.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <memory>
#include <optional>

class QPainter;
class QRectF;

/** The sixteen custom colours of one colour dialog. */
using CustomColors = std::array<QColor, 16>;

inline CustomColors whiteCustomColors() {
    CustomColors colors;
    colors.fill(QColor(255, 255, 255));
    return colors;
}

/** A colour dialog of a window: the colour it opens with, which takes the colour the user
    confirms, and its own sixteen custom colours, all white at first. */
struct ColorDialogState {
    QColor color;
    CustomColors customColors = whiteCustomColors();
};

/** The title of plain messages and error boxes: the executable's name without extension. */
QString applicationTitle();

/** A name chosen in a save dialog that offers several file types, and the index of the type
    chosen with it. */
struct ChosenFile {
    QString name;
    int type = 0;
};

/** Paints one page into the rectangle of its painter that may be drawn on. */
using PagePainter = std::function<void(QPainter&, const QRectF&)>;

class Dialogs {
public:
    enum class Answer { Yes, No, Cancel };

    virtual ~Dialogs() = default;

    /** Plain modal message: no icon, OK, the application's title as caption. */
    virtual void showMessage(const QString& text) = 0;
    /** The standard error box: stop icon, OK, the application's title as caption. */
    virtual void showError(const QString& text) = 0;
    /** A question with the information icon: Yes/No, or Yes/No/Cancel when withCancel. */
    virtual Answer ask(const QString& caption, const QString& text, bool withCancel,
                       Answer defaultButton) = 0;
    /** The file dialogs offer start: the name chosen last, or the folder to begin in. */
    virtual std::optional<QString> openFileName(const QString& filter, const QString& start) = 0;
    virtual std::optional<QString> saveFileName(const QString& filter, const QString& start) = 0;
    /** Opens with initial and the given custom colours; when the user confirms, the custom
        colours take what the dialog holds then. */
    virtual std::optional<QColor> chooseColor(const QColor& initial,
                                              CustomColors& customColors) = 0;
    virtual std::optional<QFont> chooseFont(const QFont& initial) = 0;
    /** A save dialog with the file types of filters, the first one chosen at first; it
        begins in the folder start and asks before a file is replaced. */
    virtual std::optional<ChosenFile> saveFileOfType(const QStringList& filters,
                                                     const QString& start) = 0;
    /** How many times a picture of side pixels is enlarged when saved: 1 to 4. */
    virtual std::optional<int> chooseEnlargement(int side) = 0;
    /** The print preview of one page; the user prints it from there or closes it. */
    virtual void printPreview(const PagePainter& paintPage) = 0;
};

/** The dialogs in use: Qt's own unless a test installed its double. */
Dialogs& dialogs();

/** Shows a window's colour dialog: a confirmed colour becomes its colour and is returned. */
std::optional<QColor> runColorDialog(ColorDialogState& dialog);

/** Installs another implementation and returns the previous one. */
std::unique_ptr<Dialogs> setDialogs(std::unique_ptr<Dialogs> replacement);

/** The error text as the error box shows it: a full stop added when it lacks one. */
QString errorBoxText(const QString& text);
