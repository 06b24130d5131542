// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scriptedmessageboxes.h"

bool ScriptedMessageBoxes::askYesNo(QWidget *, const QString &text)
{
    m_questions << text;
    return m_answers.isEmpty() ? false : m_answers.takeFirst();
}

void ScriptedMessageBoxes::inform(QWidget *, const QString &text)
{
    m_notices << text;
}
