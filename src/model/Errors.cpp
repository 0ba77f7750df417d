// SPDX-License-Identifier: GPL-3.0-or-later
#include "Errors.h"

const QString kOutOfMemoryText = QStringLiteral("Недостаточно памяти для выполнения команды");

ConversionError::ConversionError(const QString& source)
    : AppError(QStringLiteral("'%1' is not a valid floating point value").arg(source)) {}

static QString floatErrorText(FloatError::Kind kind) {
    switch (kind) {
    case FloatError::Kind::Invalid:
        return QStringLiteral("Invalid floating point operation");
    case FloatError::Kind::DivisionByZero:
        return QStringLiteral("Floating point division by zero");
    case FloatError::Kind::Overflow:
        break;
    }
    return QStringLiteral("Floating point overflow");
}

FloatError::FloatError(Kind kind) : AppError(floatErrorText(kind)), m_kind(kind) {}
