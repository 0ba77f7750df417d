// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrintPage.h"

#include <QDir>

#include <algorithm>
#include <cmath>

QPageLayout withPrintMargins(const QPageLayout& layout) {
    // The page's dots are reckoned from whole points: the least margin is rounded up to one.
    QPageLayout wide(layout);
    wide.setUnits(QPageLayout::Point);
    const QMarginsF own = wide.margins();
    const double leastPoints = std::ceil(kLeastPrintMargin / 25.4 * 72);
    const auto least = [&](double margin) { return std::max(margin, leastPoints); };
    wide.setMargins(
        QMarginsF(least(own.left()), least(own.top()), least(own.right()), least(own.bottom())));
    return wide;
}

QString printFileName(const QString& folder) {
    return QDir(folder).filePath(QStringLiteral("Волнограф.pdf"));
}
