// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowScale.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace {
constexpr double kSmallest = 1;
constexpr double kLargest = 4;

QString written(double factor, QChar separator) {
    return QString::number(factor, 'g', 4).replace(QLatin1Char('.'), separator);
}
} // namespace

std::optional<ScaleRequest> parseScale(const QString& text) {
    if (text == QLatin1String("fit"))
        return ScaleRequest{true, kLargest};
    QString number = text;
    number.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double factor = number.toDouble(&ok);
    // toDouble() takes blanks, exponents and "inf": a factor is plain digits.
    static const QRegularExpression plain(QStringLiteral("^[0-9]+(\\.[0-9]+)?$"));
    if (!ok || !plain.match(number).hasMatch() || factor < kSmallest || factor > kLargest)
        return std::nullopt;
    return ScaleRequest{false, factor};
}

WindowScale chooseScale(const ScaleRequest& request, QSize window, QSize frame, QSize available) {
    const double wanted = request.fit ? kLargest : request.factor;
    const auto fits = [&](double factor) {
        return std::ceil(window.width() * factor) + frame.width() <= available.width() &&
               std::ceil(window.height() * factor) + frame.height() <= available.height();
    };
    if (fits(wanted))
        return {wanted, false};
    // The largest number of hundredths that fits; the window's own size at the smallest.
    const double room = std::min(double(available.width() - frame.width()) / window.width(),
                                 double(available.height() - frame.height()) / window.height());
    const auto smallest = static_cast<long>(kSmallest * 100);
    long hundredths = std::max(smallest, static_cast<long>(std::floor(room * 100 + 1e-9)));
    while (hundredths > smallest && !fits(hundredths / 100.0))
        --hundredths;
    return {std::min(hundredths / 100.0, wanted), !request.fit};
}

QString loweredScaleNote(const ScaleRequest& request, const WindowScale& chosen, QSize available,
                         QChar decimalSeparator) {
    return QStringLiteral("Волнограф: окна в масштабе %1 не помещаются на экране %2 × %3, "
                          "масштаб уменьшен до %4\n")
        .arg(written(request.factor, decimalSeparator))
        .arg(available.width())
        .arg(available.height())
        .arg(written(chosen.factor, decimalSeparator));
}
