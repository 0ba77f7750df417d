// SPDX-License-Identifier: GPL-3.0-or-later
// An edit field that keeps its selection when the focus leaves it.
#pragma once

#include <QLineEdit>

/** The mantissa fields: "Вырезать" and "Копировать" act on the selection of each of them,
    so a selection stays when the user moves on to another field, until the user changes it
    (a click or a key in the field itself). */
class SelectionKeepingEdit : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

protected:
    void focusOutEvent(QFocusEvent* event) override;
};
