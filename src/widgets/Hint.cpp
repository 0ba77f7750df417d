// SPDX-License-Identifier: GPL-3.0-or-later
#include "Hint.h"

#include <QObject>
#include <QVariant>

namespace {
constexpr const char* kHintProperty = "volnografHint";
}

void setHint(QObject* control, const QString& hint) {
    control->setProperty(kHintProperty, hint);
}

QString hintOf(const QObject* control) {
    return control->property(kHintProperty).toString();
}

QString longHint(const QString& hint) {
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    return bar < 0 ? hint : hint.mid(bar + 1);
}

QString shortHint(const QString& hint) {
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    return bar < 0 ? hint : hint.left(bar);
}
