// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "soundclip.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <vector>

namespace Quozzoli {

// The samples an output stream is fed from: the clips of the sound being
// played, back to back, and silence whenever there is nothing to play.
// Positions count the frames handed to the stream since it was opened.
class SampleQueue
{
public:
    using Clips = std::vector<std::shared_ptr<const SoundClip>>;

    // Drops whatever of the previous sound has not been taken yet and queues
    // the clips one after the other, after `silenceBefore` frames of silence.
    // Returns the position just after the last clip's last sample.
    std::int64_t start(Clips clips, std::int64_t silenceBefore);

    // Hands over the next `frames` samples: sound while there is some, then
    // silence.
    void take(std::int16_t *out, std::size_t frames);

    std::int64_t written() const { return m_written; }
    // The position just after the last sample of sound queued so far.
    std::int64_t soundEnd() const { return m_soundEnd; }

    // The stream starts afresh: nothing queued, positions from 0.
    void reset();

private:
    std::deque<std::shared_ptr<const SoundClip>> m_clips;
    std::size_t m_offset = 0; // into the first clip
    std::int64_t m_silence = 0; // still to come before the first clip
    std::int64_t m_written = 0;
    std::int64_t m_soundEnd = 0;
};

} // namespace Quozzoli
