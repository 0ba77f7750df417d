// SPDX-License-Identifier: GPL-3.0-or-later
#include "Application.h"

#include "Dialogs.h"
#include "HintTracker.h"
#include "model/Errors.h"

#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <new>

namespace {
// The layout names Windows fonts; these are the nearest of a Debian desktop.
void substituteFonts() {
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(
        QStringLiteral("Times New Roman"),
        {QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")});
    QFont::insertSubstitutions(QStringLiteral("MS Serif"), {QStringLiteral("Liberation Serif"),
                                                            QStringLiteral("DejaVu Serif")});
    QFont::insertSubstitutions(QStringLiteral("Symbol"), {QStringLiteral("Liberation Serif"),
                                                          QStringLiteral("DejaVu Serif")});
}

// Everything the user sees is Russian, the standard buttons ("Да", "Нет", "Отмена") and
// dialogs too, whatever the system's language; only the decimal separator follows the system.
void loadQtTranslations(QApplication& app) {
    auto* translator = new QTranslator(&app);
    if (translator->load(QLocale(QLocale::Russian, QLocale::Russia), QStringLiteral("qtbase"),
                         QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);
}
} // namespace

VolnografApp::VolnografApp(int& argc, char** argv) : QApplication(argc, argv) {
    substituteFonts();
    loadQtTranslations(*this);
    m_hints = new HintTracker(this);
    installEventFilter(m_hints);
}

VolnografApp* VolnografApp::instance() {
    return dynamic_cast<VolnografApp*>(qApp);
}

bool VolnografApp::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        reportError(std::current_exception());
    }
    return false;
}

void VolnografApp::reportError(const std::exception_ptr& error) {
    QString text;
    try {
        std::rethrow_exception(error);
    } catch (const AppError& e) {
        text = e.text();
    } catch (const std::bad_alloc&) {
        // What failed was one large request: the box itself still has room.
        text = kOutOfMemoryText;
    } catch (const std::exception& e) {
        text = QString::fromLocal8Bit(e.what());
    } catch (...) {
        text = QStringLiteral("Unknown error");
    }
    dialogs().showError(text);
}
