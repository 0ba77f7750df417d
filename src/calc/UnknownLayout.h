// SPDX-License-Identifier: GPL-3.0-or-later
// Which rows and results the calculator window shows for the chosen unknown, and how the
// rows are labelled: the window shows exactly the fields the solver reads.
#pragma once

#include <QString>
#include <array>
#include <bitset>

/** The look of the calculator window for one item index of ComboBox1. */
struct UnknownLayout {
    /** Index 0 leaves every caption as it is; the others set the five row captions. */
    bool setsCaptions = false;
    /** Label16's caption over the single result; empty: left as it is. */
    QString resultCaption;
    /** The row label that reads as the natural frequency (0: none). */
    int omega0Row = 0;
    std::bitset<18> edits;  ///< visible EditN, by N
    std::bitset<24> labels; ///< visible LabelN inside the two group boxes, by N
};

/** The layout of an item index; an index out of the list's range shows no row. */
UnknownLayout unknownLayout(int index);

/** The five row labels that carry w0 when their row is the unknown's. */
inline constexpr std::array<int, 5> kRowLabels{19, 7, 23, 5, 22};

/** The caption a row label has in the window's layout. */
QString rowCaption(int label);

extern const QString kOmega0RowCaption; ///< "Собств. частота колебаний  Wo :"
