// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "termschoice.h"

namespace Quozzoli {

const TermsChoice &termsChoice(ScreenId id)
{
    static const TermsChoice divisors {"mnuTermini", 9, 1, 9};
    // In the factor mode the table 0 is never asked: see TableDrawer.
    static const TermsChoice tables {"MenuNumeroMassimo", 10, 0, 10};
    static const TermsChoice none {};
    switch (id) {
    case ScreenId::Form1:
    case ScreenId::Form3:
        return divisors;
    case ScreenId::Form10:
        return tables;
    default:
        return none;
    }
}

} // namespace Quozzoli
