// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "messageboxes.h"

#include <QList>
#include <QStringList>

// Answers the program's questions as the test says (No when it said
// nothing), as soon as they are asked, and remembers what was asked.
class ScriptedMessageBoxes final : public Quozzoli::MessageBoxes
{
public:
    void answer(bool yes) { m_answers.append(yes); }

    void askYesNo(QWidget *parent, const QString &text, Answer answered) override;
    void inform(QWidget *parent, const QString &text) override;

    const QStringList &questions() const { return m_questions; }
    const QStringList &notices() const { return m_notices; }

private:
    QList<bool> m_answers;
    QStringList m_questions;
    QStringList m_notices;
};
