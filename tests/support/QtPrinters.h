// SPDX-License-Identifier: GPL-3.0-or-later
// Readable Qt values in test failures.
#pragma once

#include <QString>
#include <QStringList>
#include <ostream>

inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}
inline void PrintTo(const QStringList& l, std::ostream* os) {
    *os << '[' << l.join(QStringLiteral("\", \"")).toStdString() << ']';
}
