// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sharedvalues.h"

namespace Quozzoli {

SharedValues &shared()
{
    static SharedValues values;
    return values;
}

} // namespace Quozzoli
