// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <functional>
#include <string>

struct IAudioClient;
struct IAudioClock;
struct IAudioRenderClient;
struct IMMDeviceEnumerator;

namespace Quozzoli {

class SampleQueue;
class DefaultDeviceWatch;

// A shared-mode stream on Windows' default output device, through WASAPI,
// fed 16-bit mono samples at 44100 Hz as they are: Windows' own audio engine
// converts them to the device's format (which Windows does only when asked
// to, while Wine converts anything). The buffer is refilled whenever Windows
// signals the event given. Every call is made on one thread, on which COM
// has been started for many threads; each returns an HRESULT, where
// AUDCLNT_E_DEVICE_INVALIDATED says the device has gone.
class WasapiDevice
{
public:
    // defaultChanged is called, on a thread of Windows' own, whenever the
    // default output device changes.
    explicit WasapiDevice(std::function<void()> defaultChanged);
    ~WasapiDevice();
    WasapiDevice(const WasapiDevice &) = delete;
    WasapiDevice &operator=(const WasapiDevice &) = delete;

    // A stream, stopped, on the current default device.
    long open(void *bufferEvent);
    void close();
    bool isOpen() const { return m_client != nullptr; }
    // The device's name, once open.
    const std::string &name() const { return m_name; }

    // Drops what the stream still holds, fills its buffer from the queue,
    // which starts afresh, and starts it.
    long restart(SampleQueue &queue);
    // Stops the stream and drops what it holds.
    long stop();
    // Tops the buffer of the running stream up from the queue. Sets ranDry,
    // where given, when the buffer had run out while sound was still queued:
    // the thread that fills it came too late, and a hole was heard.
    long fill(SampleQueue &queue, bool *ranDry = nullptr);
    // Whether the device is still there.
    long check();
    // Frames played since the stream was last started.
    long played(std::int64_t *frames);

    // How much the stream's buffer holds: how long the thread that fills it
    // may be held up before a sound breaks.
    static constexpr int BufferMs = 80;

private:
    IMMDeviceEnumerator *m_enumerator = nullptr;
    DefaultDeviceWatch *m_watch = nullptr;
    IAudioClient *m_client = nullptr;
    IAudioRenderClient *m_render = nullptr;
    IAudioClock *m_clock = nullptr;
    std::uint32_t m_bufferFrames = 0;
    std::uint64_t m_clockFrequency = 0;
    std::string m_name;
};

} // namespace Quozzoli
