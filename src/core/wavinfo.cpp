// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "wavinfo.h"

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace Quozzoli {

namespace {

std::uint32_t le32(const unsigned char *p)
{
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16
        | std::uint32_t(p[3]) << 24;
}

std::uint16_t le16(const unsigned char *p)
{
    return std::uint16_t(p[0] | p[1] << 8);
}

bool tagIs(const unsigned char *p, const char *tag)
{
    return p[0] == tag[0] && p[1] == tag[1] && p[2] == tag[2] && p[3] == tag[3];
}

} // namespace

double WavInfo::durationSeconds() const
{
    if (!valid || sampleRate <= 0 || channels <= 0 || bitsPerSample <= 0)
        return 0.0;
    const double bytesPerSecond = double(sampleRate) * channels * (bitsPerSample / 8);
    return double(dataBytes) / bytesPerSecond;
}

WavInfo parseWavHeader(const unsigned char *bytes, std::size_t size)
{
    WavInfo info;
    if (size < 12 || !tagIs(bytes, "RIFF") || !tagIs(bytes + 8, "WAVE"))
        return info;
    bool haveFormat = false;
    std::size_t pos = 12;
    while (pos + 8 <= size) {
        const unsigned char *chunk = bytes + pos;
        const std::uint64_t length = le32(chunk + 4);
        const std::uint64_t bodyStart = pos + 8;
        if (bodyStart + length > size)
            return WavInfo {}; // the chunk runs past the end of the file
        if (tagIs(chunk, "fmt ")) {
            if (length < 16)
                return WavInfo {};
            const unsigned char *fmt = chunk + 8;
            const int formatTag = le16(fmt);
            info.channels = le16(fmt + 2);
            info.sampleRate = int(le32(fmt + 4));
            info.bitsPerSample = le16(fmt + 14);
            const bool pcm = formatTag == 1;
            if (!pcm || (info.bitsPerSample != 8 && info.bitsPerSample != 16) || info.channels < 1
                || info.channels > 2 || info.sampleRate <= 0)
                return WavInfo {};
            haveFormat = true;
        } else if (tagIs(chunk, "data")) {
            if (!haveFormat)
                return WavInfo {};
            info.dataBytes = std::uint32_t(length);
            info.dataOffset = std::size_t(bodyStart);
            info.valid = true;
            if (info.durationSeconds() > LongestSoundSeconds)
                return WavInfo {};
            return info;
        }
        pos = std::size_t(bodyStart + length + (length & 1));
    }
    return WavInfo {};
}

#ifdef _WIN32

bool readSoundFile(const std::string &path, std::vector<unsigned char> &bytes)
{
    bytes.clear();
    // The path is UTF-8; Windows takes any folder name in UTF-16.
    const int length = ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, path.data(),
                                             int(path.size()), nullptr, 0);
    if (length <= 0)
        return false;
    std::wstring widePath(std::size_t(length), L'\0');
    ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, path.data(), int(path.size()),
                          widePath.data(), length);
    // Opening a folder fails without FILE_FLAG_BACKUP_SEMANTICS; opening a
    // pipe or a device such as CON succeeds, and is told apart below.
    const HANDLE file = ::CreateFileW(widePath.c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    LARGE_INTEGER size {};
    bool ok = ::GetFileType(file) == FILE_TYPE_DISK && ::GetFileSizeEx(file, &size)
        && size.QuadPart > 0 && std::uint64_t(size.QuadPart) <= LargestSoundFileBytes;
    if (ok) {
        bytes.resize(std::size_t(size.QuadPart));
        std::size_t done = 0;
        while (ok && done < bytes.size()) {
            DWORD got = 0;
            ok = ::ReadFile(file, bytes.data() + done, DWORD(bytes.size() - done), &got, nullptr)
                && got > 0; // shrunk meanwhile, or unreadable
            done += got;
        }
    }
    ::CloseHandle(file);
    if (!ok)
        bytes.clear();
    return ok;
}

#else

bool readSoundFile(const std::string &path, std::vector<unsigned char> &bytes)
{
    bytes.clear();
    // Opening without waiting: a FIFO would otherwise hold the program until
    // something wrote to it.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat status
    {
    };
    bool ok = ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode) && status.st_size > 0
        && std::uint64_t(status.st_size) <= LargestSoundFileBytes;
    if (ok) {
        bytes.resize(std::size_t(status.st_size));
        std::size_t done = 0;
        while (ok && done < bytes.size()) {
            const ssize_t got = ::read(fd, bytes.data() + done, bytes.size() - done);
            if (got > 0)
                done += std::size_t(got);
            else
                ok = false; // shrunk meanwhile, or unreadable
        }
    }
    ::close(fd);
    if (!ok)
        bytes.clear();
    return ok;
}

#endif

WavInfo readWavInfo(const std::string &path)
{
    std::vector<unsigned char> bytes;
    if (!readSoundFile(path, bytes))
        return {};
    return parseWavHeader(bytes.data(), bytes.size());
}

} // namespace Quozzoli
