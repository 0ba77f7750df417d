// SPDX-License-Identifier: GPL-3.0-or-later
#include "SelectionKeepingEdit.h"

void SelectionKeepingEdit::focusOutEvent(QFocusEvent* event) {
    const int start = selectionStart();
    const int length = selectionLength();
    const bool backwards = cursorPosition() == start;
    // Qt drops the selection of a field that loses the focus to another control.
    QLineEdit::focusOutEvent(event);
    if (length <= 0 || hasSelectedText())
        return;
    if (backwards)
        setSelection(start + length, -length);
    else
        setSelection(start, length);
}
