// SPDX-License-Identifier: GPL-3.0-or-later
// The errors a command can end with; the application object shows their text.
#pragma once

#include <QByteArray>
#include <QString>
#include <exception>

/** Base of every error that ends a running command and is shown in the error box. */
class AppError : public std::exception {
public:
    explicit AppError(QString text) : m_text(std::move(text)), m_utf8(m_text.toUtf8()) {}
    const QString& text() const { return m_text; }
    const char* what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_text;
    QByteArray m_utf8;
};

/** Memory ran out (std::bad_alloc): "Недостаточно памяти для выполнения команды". */
extern const QString kOutOfMemoryText;

/** A text that is not a real number: "'%s' is not a valid floating point value". */
class ConversionError : public AppError {
public:
    explicit ConversionError(const QString& source);
};

/** Invalid operation, division by zero or overflow in real arithmetic. */
class FloatError : public AppError {
public:
    enum class Kind { Invalid, DivisionByZero, Overflow };
    explicit FloatError(Kind kind);
    Kind kind() const { return m_kind; }

private:
    Kind m_kind;
};
