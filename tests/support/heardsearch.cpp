// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "heardsearch.h"

#include <algorithm>
#include <cstdlib>
#include <functional>

namespace {

using Samples = HeardSearch::Samples;

// Pieces of the file looked for in the recording: long and loud enough to
// be found nowhere else.
constexpr std::int64_t Window = 48;
constexpr int Loud = 200;
// How far past a break the rest of the file is looked for, and past the
// start of the search the file itself.
constexpr std::int64_t LongestHole = 44100;
constexpr std::int64_t FurthestStart = 20 * 44100;

bool loud(const Samples &samples, std::int64_t at)
{
    for (std::int64_t i = at; i < at + Window; ++i) {
        if (std::abs(int(samples[std::size_t(i)])) >= Loud)
            return true;
    }
    return false;
}

// The first place, in [from, to), where the file's window at `offset` was
// heard; -1 if nowhere.
std::int64_t search(const Samples &recording, std::int64_t from, std::int64_t to,
                    const Samples &file, std::int64_t offset)
{
    to = std::min<std::int64_t>(to, std::int64_t(recording.size()));
    if (from >= to)
        return -1;
    const auto begin = file.begin() + std::ptrdiff_t(offset);
    const std::boyer_moore_horspool_searcher searcher(begin, begin + Window);
    const auto start = recording.begin() + std::ptrdiff_t(from);
    const auto end = recording.begin() + std::ptrdiff_t(to);
    const auto hit = std::search(start, end, searcher);
    return hit == end ? -1 : std::int64_t(hit - recording.begin());
}

// The first window of the file at or after `offset` that was heard in
// [from, to): its offset in the file and its place in the recording.
bool resume(const Samples &recording, std::int64_t from, std::int64_t to, const Samples &file,
            std::int64_t offset, std::int64_t end, std::int64_t &foundOffset, std::int64_t &at)
{
    for (std::int64_t o = offset; o + Window <= end; o += Window / 2) {
        if (!loud(file, o))
            continue;
        at = search(recording, from, to, file, o);
        if (at >= 0) {
            foundOffset = o;
            return true;
        }
    }
    return false;
}

} // namespace

HeardSearch::Found HeardSearch::find(const Samples &recording, const Samples &file,
                                     std::int64_t from, std::int64_t until)
{
    Found result;
    const auto nonZero = [](std::int16_t s) {
        return s != 0;
    };
    const auto firstIt = std::find_if(file.begin(), file.end(), nonZero);
    if (firstIt == file.end())
        return result;
    const std::int64_t begin = firstIt - file.begin();
    const std::int64_t end = file.rend() - std::find_if(file.rbegin(), file.rend(), nonZero);
    result.leadingZeros = begin;
    result.trailingZeros = std::int64_t(file.size()) - end;
    const auto recorded = [&](std::int64_t i) {
        return recording[std::size_t(i)];
    };
    const auto sample = [&](std::int64_t i) {
        return file[std::size_t(i)];
    };
    const std::int64_t size = std::int64_t(recording.size());

    // A file more than half of which is missing at its start counts as not
    // heard at all.
    std::int64_t offset = 0;
    std::int64_t at = 0;
    if (until < 0)
        until = from + FurthestStart;
    if (!resume(recording, from, until + Window, file, begin, begin + (end - begin) / 2 + Window,
                offset, at))
        return result;
    // Back to the earliest sample heard.
    while (offset > begin && at > from && recorded(at - 1) == sample(offset - 1)) {
        --offset;
        --at;
    }
    result.found = true;
    result.first = at;
    result.lostAtStart = offset - begin;
    while (true) {
        while (offset < end && at < size && recorded(at) == sample(offset)) {
            ++offset;
            ++at;
        }
        result.last = at - 1;
        if (offset >= end)
            break;
        std::int64_t next = 0;
        std::int64_t nextAt = 0;
        if (!resume(recording, at, at + LongestHole, file, offset, end, next, nextAt)) {
            result.lostAtEnd = end - offset;
            break;
        }
        // Walk back over what was heard of the file just before the window.
        while (next > offset && nextAt > at && recorded(nextAt - 1) == sample(next - 1)) {
            --next;
            --nextAt;
        }
        ++result.holes;
        result.holeFrames += nextAt - at;
        result.lostInside += next - offset;
        offset = next;
        at = nextAt;
    }
    return result;
}

std::int64_t HeardSearch::addedGap(const Found &before, const Found &after)
{
    return after.first - before.last - 1 - before.trailingZeros - after.leadingZeros;
}
