// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "boardvoice.h"

#include "services.h"
#include "soundcues.h"
#include "soundplayer.h"

namespace Quozzoli {

BoardVoice::BoardVoice(QObject *board)
    : QObject(board)
{ }

void BoardVoice::say(const std::vector<std::string> &files, std::function<void()> then)
{
    m_speaking = true;
    m_then = std::move(then);
    // The end may come before speak() returns.
    m_heard = connect(&Services::sound(), &SoundPlayer::spoken, this, &BoardVoice::spoken,
                      Qt::SingleShotConnection);
    SoundCues::speak(files);
}

void BoardVoice::spoken()
{
    m_speaking = false;
    if (const std::function<void()> then = std::exchange(m_then, {}))
        then();
    if (!m_speaking)
        emit quiet();
}

void BoardVoice::silence()
{
    disconnect(m_heard);
    m_then = {};
    if (std::exchange(m_speaking, false))
        Services::sound().stop();
}

} // namespace Quozzoli
