// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "boardvoice.h"

#include "services.h"
#include "soundcues.h"
#include "soundplayer.h"

#include <QPointer>

namespace Quozzoli {

BoardVoice::BoardVoice(QObject *board)
    : QObject(board)
{ }

bool BoardVoice::say(const std::vector<std::string> &files)
{
    QPointer<BoardVoice> self(this);
    m_speaking = true;
    SoundCues::speak(files);
    if (!self)
        return false; // the window was closed and destroyed meanwhile
    m_speaking = false;
    if (m_closed)
        return false;
    if (!m_pendingInput.empty())
        QMetaObject::invokeMethod(this, &BoardVoice::runPendingInput, Qt::QueuedConnection);
    return true;
}

void BoardVoice::whenQuiet(std::function<void()> input)
{
    if (m_closed)
        return;
    if (m_speaking) {
        m_pendingInput.push_back(std::move(input));
        return;
    }
    input();
}

void BoardVoice::close()
{
    m_closed = true;
    m_pendingInput.clear();
    if (m_speaking)
        Services::sound().stop(); // the rest of the sentence is not said
}

void BoardVoice::runPendingInput()
{
    QPointer<BoardVoice> self(this);
    while (self && !m_speaking && !m_closed && !m_pendingInput.empty()) {
        const std::function<void()> input = std::move(m_pendingInput.front());
        m_pendingInput.pop_front();
        input();
    }
}

} // namespace Quozzoli
