// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "wasapidevice.h"

#include "defaultdevicewatch.h"
#include "samplequeue.h"
#include "soundoutput.h"

#include <audioclient.h>
#include <mmdeviceapi.h>
#include <windows.h>

#include <utility>

namespace Quozzoli {

namespace {

template<typename T> void release(T *&object)
{
    if (object)
        object->Release();
    object = nullptr;
}

std::string utf8(const wchar_t *text)
{
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1)
        return {};
    std::string result(std::size_t(size - 1), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, result.data(), size, nullptr, nullptr);
    return result;
}

constexpr REFERENCE_TIME hundredNanoseconds(int milliseconds)
{
    return REFERENCE_TIME(milliseconds) * 10000;
}

} // namespace

WasapiDevice::WasapiDevice(std::function<void()> defaultChanged)
{
    if (FAILED(CoCreateInstance(__uuidof(MMDeviceEnumerator), nullptr, CLSCTX_ALL,
                                __uuidof(IMMDeviceEnumerator),
                                reinterpret_cast<void **>(&m_enumerator)))) {
        m_enumerator = nullptr;
        return;
    }
    m_watch = new DefaultDeviceWatch(std::move(defaultChanged));
    if (FAILED(m_enumerator->RegisterEndpointNotificationCallback(m_watch)))
        release(m_watch);
}

WasapiDevice::~WasapiDevice()
{
    close();
    if (m_watch) {
        m_enumerator->UnregisterEndpointNotificationCallback(m_watch);
        release(m_watch);
    }
    release(m_enumerator);
}

long WasapiDevice::open(void *bufferEvent)
{
    close();
    if (!m_enumerator)
        return REGDB_E_CLASSNOTREG;
    IMMDevice *device = nullptr;
    HRESULT result = m_enumerator->GetDefaultAudioEndpoint(eRender, eConsole, &device);
    if (FAILED(result))
        return result;
    wchar_t *id = nullptr;
    if (SUCCEEDED(device->GetId(&id))) {
        m_name = utf8(id);
        CoTaskMemFree(id);
    }
    result = device->Activate(__uuidof(IAudioClient), CLSCTX_ALL, nullptr,
                              reinterpret_cast<void **>(&m_client));
    release(device);
    if (FAILED(result)) {
        m_client = nullptr;
        return result;
    }
    WAVEFORMATEX format {};
    format.wFormatTag = WAVE_FORMAT_PCM;
    format.nChannels = 1;
    format.nSamplesPerSec = SoundOutput::Rate;
    format.wBitsPerSample = 16;
    format.nBlockAlign = format.nChannels * format.wBitsPerSample / 8;
    format.nAvgBytesPerSec = format.nSamplesPerSec * format.nBlockAlign;
    // Shared mode takes the engine's own format unless it is asked to
    // convert; the flags are needed on Windows whatever Wine accepts.
    const DWORD flags = AUDCLNT_STREAMFLAGS_AUTOCONVERTPCM | AUDCLNT_STREAMFLAGS_SRC_DEFAULT_QUALITY
        | AUDCLNT_STREAMFLAGS_EVENTCALLBACK;
    result = m_client->Initialize(AUDCLNT_SHAREMODE_SHARED, flags, hundredNanoseconds(BufferMs), 0,
                                  &format, nullptr);
    if (SUCCEEDED(result))
        result = m_client->SetEventHandle(static_cast<HANDLE>(bufferEvent));
    UINT32 frames = 0;
    if (SUCCEEDED(result))
        result = m_client->GetBufferSize(&frames);
    if (SUCCEEDED(result))
        result = m_client->GetService(__uuidof(IAudioRenderClient),
                                      reinterpret_cast<void **>(&m_render));
    if (SUCCEEDED(result))
        result = m_client->GetService(__uuidof(IAudioClock), reinterpret_cast<void **>(&m_clock));
    UINT64 frequency = 0;
    if (SUCCEEDED(result))
        result = m_clock->GetFrequency(&frequency);
    if (FAILED(result) || frequency == 0 || frames == 0) {
        close();
        return FAILED(result) ? result : E_UNEXPECTED;
    }
    m_bufferFrames = frames;
    m_clockFrequency = frequency;
    return S_OK;
}

void WasapiDevice::close()
{
    if (m_client)
        m_client->Stop();
    release(m_clock);
    release(m_render);
    release(m_client);
    m_bufferFrames = 0;
    m_clockFrequency = 0;
}

long WasapiDevice::restart(SampleQueue &queue)
{
    HRESULT result = stop();
    if (FAILED(result))
        return result;
    // Reset leaves the buffer empty: it is filled whole before the stream
    // starts, so that the first samples are there when the engine asks.
    result = fill(queue);
    if (FAILED(result))
        return result;
    return m_client->Start();
}

long WasapiDevice::stop()
{
    if (!m_client)
        return AUDCLNT_E_NOT_INITIALIZED;
    HRESULT result = m_client->Stop();
    if (FAILED(result))
        return result;
    return m_client->Reset();
}

long WasapiDevice::fill(SampleQueue &queue, bool *ranDry)
{
    if (!m_client)
        return AUDCLNT_E_NOT_INITIALIZED;
    UINT32 padding = 0;
    HRESULT result = m_client->GetCurrentPadding(&padding);
    if (FAILED(result) || padding >= m_bufferFrames)
        return result;
    if (ranDry)
        *ranDry = padding == 0 && queue.written() < queue.soundEnd();
    const UINT32 frames = m_bufferFrames - padding;
    BYTE *data = nullptr;
    result = m_render->GetBuffer(frames, &data);
    if (FAILED(result))
        return result;
    queue.take(reinterpret_cast<std::int16_t *>(data), frames);
    return m_render->ReleaseBuffer(frames, 0);
}

long WasapiDevice::check()
{
    if (!m_client)
        return AUDCLNT_E_NOT_INITIALIZED;
    UINT32 padding = 0;
    return m_client->GetCurrentPadding(&padding);
}

long WasapiDevice::played(std::int64_t *frames)
{
    if (!m_clock)
        return AUDCLNT_E_NOT_INITIALIZED;
    UINT64 position = 0;
    const HRESULT result = m_clock->GetPosition(&position, nullptr);
    if (SUCCEEDED(result))
        *frames
            = std::int64_t(position / m_clockFrequency * SoundOutput::Rate
                           + position % m_clockFrequency * SoundOutput::Rate / m_clockFrequency);
    return result;
}

} // namespace Quozzoli
