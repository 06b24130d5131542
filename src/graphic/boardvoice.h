// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace Quozzoli {

// The voice of a candy board. A prompt is said as one sentence and holds the
// board while it plays: input that comes meanwhile is handled, in order,
// once it has ended. Closing the board silences it and drops what is held.
class BoardVoice : public QObject
{
    Q_OBJECT

public:
    explicit BoardVoice(QObject *board);

    // Says the files as one sentence; false when the board was closed or
    // destroyed meanwhile, and the caller must not go on.
    bool say(const std::vector<std::string> &files);
    // Handles input now, or after the prompt that is playing.
    void whenQuiet(std::function<void()> input);
    void close();

    bool speaking() const { return m_speaking; }
    bool closed() const { return m_closed; }

private:
    void runPendingInput();

    bool m_speaking = false;
    bool m_closed = false;
    std::deque<std::function<void()>> m_pendingInput;
};

} // namespace Quozzoli
