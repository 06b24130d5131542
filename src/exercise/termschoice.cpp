// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "termschoice.h"

namespace Quozzoli {

MenuEntry TermsChoice::menuEntry(int blanks) const
{
    return MenuEntry::command(menuItem, "Scegli i termini da utilizzare", blanks);
}

} // namespace Quozzoli
