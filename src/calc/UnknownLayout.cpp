// SPDX-License-Identifier: GPL-3.0-or-later
#include "UnknownLayout.h"

const QString kOmega0RowCaption = QStringLiteral("Собств. частота колебаний  Wo :");

namespace {
template <std::size_t N> void show(std::bitset<N>& bits, int from, int to) {
    for (int n = from; n <= to; ++n)
        bits.set(static_cast<std::size_t>(n));
}
} // namespace

QString rowCaption(int label) {
    switch (label) {
    case 19:
        return QStringLiteral("падающей волны                      w :");
    case 7:
        return QStringLiteral("Масса одной частицы            m  :");
    case 23:
        return QStringLiteral("Заряд одной частицы ");
    case 5:
        return QStringLiteral("Концентрация частиц              N  :");
    case 22:
        return QStringLiteral("Коэффициент затуханий");
    default:
        return {};
    }
}

UnknownLayout unknownLayout(int index) {
    UnknownLayout layout;
    if (index < 1 || index > 7)
        return layout;
    layout.setsCaptions = true;
    for (int n : {21, 22, 23})
        layout.labels.set(static_cast<std::size_t>(n));
    if (index == 1) {
        // The w0 row and the two results n and n'' side by side.
        show(layout.edits, 1, 14);
        show(layout.labels, 1, 15);
        layout.labels.set(19);
        return layout;
    }
    // The n row in place of the w0 row, the unknown's row relabelled, one result.
    struct Unknown {
        const char* result;
        int row;
    };
    static constexpr Unknown unknowns[] = {{"Wo :", 0}, {"W  :", 19}, {"m :", 7},
                                           {"g :", 22}, {"N :", 5},   {"Q :", 23}};
    const Unknown& unknown = unknowns[index - 2];
    layout.resultCaption = QString::fromLatin1(unknown.result);
    layout.omega0Row = unknown.row;
    show(layout.edits, 2, 5);
    show(layout.edits, 7, 10);
    show(layout.edits, 13, 17);
    show(layout.labels, 4, 7);
    show(layout.labels, 9, 12);
    show(layout.labels, 15, 19);
    // Above the w row, which carries w0 when w is the unknown.
    if (index != 3)
        layout.labels.set(14);
    return layout;
}
