// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string_view>

namespace Quozzoli {

// The value of what a child typed in an answer box. Blanks, tabs and line
// feeds are skipped wherever they stand; a sign, digits with an optional
// decimal point and an optional exponent are taken, or hexadecimal digits
// after "&H" and octal digits after "&O". Reading stops at the first
// character that cannot continue the number; a text that starts with no
// number reads as 0.
struct TypedNumber
{
    double value = 0.0;
    bool overflow = false; // too large to hold: equal to no answer
};

TypedNumber readTypedNumber(std::string_view text);

// True when the typed text reads as exactly the expected whole number.
bool typedNumberEquals(std::string_view text, long expected);

} // namespace Quozzoli
