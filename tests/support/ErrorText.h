// SPDX-License-Identifier: GPL-3.0-or-later
// The text of the error a piece of work ends with, as the error box would show it
// (without its full stop); empty when it ends normally.
#pragma once

#include "model/Errors.h"

#include <QString>

template <typename Work> QString errorText(Work&& work) {
    try {
        work();
    } catch (const AppError& e) {
        return e.text();
    }
    return {};
}

/** The text of an error a command handed on; empty for none. */
inline QString errorText(const std::exception_ptr& error) {
    return errorText([&] {
        if (error)
            std::rethrow_exception(error);
    });
}
