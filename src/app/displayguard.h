// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QtGlobal>

namespace Quozzoli {

// Stands guard while the application connects to the desktop. Without a
// usable display Qt would abort with a long message in English; the program
// instead says in one line, in Italian and in English, that it needs a
// graphical desktop and which display it tried, and ends with status 1.
// Qt's messages of that moment are held back and passed on afterwards.
class DisplayGuard
{
public:
    DisplayGuard();
    ~DisplayGuard();
    DisplayGuard(const DisplayGuard &) = delete;
    DisplayGuard &operator=(const DisplayGuard &) = delete;

    // The desktop answered: the messages held back go out, in order.
    void connected();

private:
    bool m_watching = true;
};

} // namespace Quozzoli
