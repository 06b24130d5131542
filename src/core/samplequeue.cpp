// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "samplequeue.h"

#include <algorithm>

namespace Quozzoli {

std::int64_t SampleQueue::start(Clips clips, std::int64_t silenceBefore)
{
    m_clips.clear();
    m_offset = 0;
    m_silence = std::max<std::int64_t>(silenceBefore, 0);
    std::int64_t frames = 0;
    for (std::shared_ptr<const SoundClip> &clip : clips) {
        if (clip && !clip->samples.empty()) {
            frames += std::int64_t(clip->samples.size());
            m_clips.push_back(std::move(clip));
        }
    }
    if (m_clips.empty())
        m_silence = 0;
    m_soundEnd = m_written + m_silence + frames;
    return m_soundEnd;
}

void SampleQueue::take(std::int16_t *out, std::size_t frames)
{
    std::size_t done = 0;
    while (done < frames) {
        if (m_silence > 0) {
            const std::size_t n = std::min(frames - done, std::size_t(m_silence));
            std::fill_n(out + done, n, std::int16_t(0));
            m_silence -= std::int64_t(n);
            done += n;
        } else if (!m_clips.empty()) {
            const std::vector<std::int16_t> &samples = m_clips.front()->samples;
            const std::size_t n = std::min(frames - done, samples.size() - m_offset);
            std::copy_n(samples.begin() + std::ptrdiff_t(m_offset), n, out + done);
            m_offset += n;
            done += n;
            if (m_offset == samples.size()) {
                m_clips.pop_front();
                m_offset = 0;
            }
        } else {
            std::fill_n(out + done, frames - done, std::int16_t(0));
            done = frames;
        }
    }
    m_written += std::int64_t(frames);
}

void SampleQueue::reset()
{
    m_clips.clear();
    m_offset = 0;
    m_silence = 0;
    m_written = 0;
    m_soundEnd = 0;
}

} // namespace Quozzoli
