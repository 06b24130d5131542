// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scriptedmessageboxes.h"

void ScriptedMessageBoxes::askYesNo(QWidget *, const QString &text, Answer answered)
{
    m_questions << text;
    const bool yes = m_answers.isEmpty() ? false : m_answers.takeFirst();
    if (answered)
        answered(yes);
}

void ScriptedMessageBoxes::inform(QWidget *, const QString &text)
{
    m_notices << text;
}
