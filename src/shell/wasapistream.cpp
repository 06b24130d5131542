// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "wasapistream.h"

#include "wasapidevice.h"

#include <audioclient.h>
#include <avrt.h>
#include <objbase.h>
#include <windows.h>

#include <algorithm>
#include <chrono>

namespace Quozzoli {

namespace {

// How long the first opening may take before the first sound goes without
// it; later ones are made in the background.
constexpr int ConnectWaitMs = 1000;
// While a stream runs, the device is asked for its state at least this
// often, should its events stop; while none runs, whether it is still there.
constexpr int RunningCheckMs = 200;
constexpr int IdleCheckMs = 250;

QString hresult(long result)
{
    return QStringLiteral("0x%1").arg(quint32(result), 8, 16, QLatin1Char('0'));
}

} // namespace

WasapiStream::WasapiStream(QObject *parent)
    : StreamedOutput(parent)
    , m_wake(CreateEventW(nullptr, FALSE, FALSE, nullptr))
    , m_bufferEvent(CreateEventW(nullptr, FALSE, FALSE, nullptr))
{ }

WasapiStream::~WasapiStream()
{
    if (m_thread.joinable()) {
        {
            std::lock_guard locked(m_mutex);
            m_quit = true;
        }
        SetEvent(m_wake);
        m_thread.join();
    }
    if (m_wake)
        CloseHandle(m_wake);
    if (m_bufferEvent)
        CloseHandle(m_bufferEvent);
}

bool WasapiStream::open()
{
    if (!m_wake || !m_bufferEvent)
        return false;
    if (!m_thread.joinable()) {
        m_thread = std::thread(&WasapiStream::run, this);
        std::unique_lock locked(m_mutex);
        m_settledChanged.wait_for(locked, std::chrono::milliseconds(ConnectWaitMs),
                                  [this] { return m_settled; });
        if (!m_ready)
            qCDebug(lcSound) << "no sound output";
    }
    return isOpen();
}

bool WasapiStream::isOpen() const
{
    std::lock_guard locked(m_mutex);
    return m_ready;
}

bool WasapiStream::startStream()
{
    m_command = Command::Start;
    m_streaming = true;
    SetEvent(m_wake);
    return true;
}

void WasapiStream::closeStream()
{
    if (!m_streaming)
        return;
    m_command = Command::Stop;
    m_streaming = false;
    SetEvent(m_wake);
}

qint64 WasapiStream::played() const
{
    // Until the stream's thread has started the new stream, what it played
    // is the old one's.
    return m_command == Command::Start ? -1 : m_played;
}

void WasapiStream::run()
{
    const HRESULT com = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    DWORD task = 0;
    HANDLE audioTask = AvSetMmThreadCharacteristicsW(L"Audio", &task);
    if (!audioTask)
        qCDebug(lcSound) << "the sound thread runs without the multimedia scheduler";
    {
        WasapiDevice device([this] {
            m_defaultChanged = true;
            SetEvent(m_wake);
        });
        std::unique_lock locked(m_mutex);
        serve(device, locked);
        device.close();
    }
    if (audioTask)
        AvRevertMmThreadCharacteristics(audioTask);
    if (SUCCEEDED(com))
        CoUninitialize();
}

void WasapiStream::serve(WasapiDevice &device, std::unique_lock<std::mutex> &locked)
{
    int retryMs = FirstRetryMs;
    while (!m_quit) {
        if (!device.isOpen()) {
            // Opening may take a while: sounds are not held up meanwhile.
            locked.unlock();
            const long result = device.open(m_bufferEvent);
            locked.lock();
            if (SUCCEEDED(result)) {
                m_ready = true;
                retryMs = FirstRetryMs;
                qCInfo(lcSound) << "sound output on" << device.name().c_str();
                notify();
            } else {
                qCDebug(lcSound) << "no sound device:" << hresult(result);
            }
            m_settled = true;
            m_settledChanged.notify_all();
        }
        int waitMs = m_streaming ? RunningCheckMs : IdleCheckMs;
        if (!device.isOpen()) {
            waitMs = retryMs;
            retryMs = std::min(2 * retryMs, RetryMs);
        }
        if (m_command == Command::None && !m_quit) {
            const HANDLE events[] = {m_wake, m_bufferEvent};
            locked.unlock();
            WaitForMultipleObjects(2, events, FALSE, DWORD(waitMs));
            locked.lock();
        }
        if (m_quit)
            break;
        if (m_defaultChanged.exchange(false)) {
            qCInfo(lcSound) << "another default sound device";
            lose(device, S_OK);
            retryMs = FirstRetryMs;
            continue;
        }
        if (!device.isOpen()) {
            m_command = Command::None;
            continue;
        }
        long result = S_OK;
        switch (std::exchange(m_command, Command::None)) {
        case Command::Start:
            m_played = 0;
            result = device.restart(m_queue);
            break;
        case Command::Stop:
            result = device.stop();
            break;
        case Command::None: {
            bool ranDry = false;
            result = m_streaming ? device.fill(m_queue, &ranDry) : device.check();
            if (ranDry)
                qCInfo(lcSound) << "the sound stream ran dry";
            break;
        }
        }
        if (SUCCEEDED(result) && m_streaming) {
            std::int64_t frames = 0;
            result = device.played(&frames);
            m_played = frames;
        }
        if (FAILED(result)) {
            lose(device, result);
            retryMs = FirstRetryMs;
        }
    }
}

void WasapiStream::lose(WasapiDevice &device, long result)
{
    if (m_ready && FAILED(result))
        qCInfo(lcSound) << "sound output lost:"
                        << (result == AUDCLNT_E_DEVICE_INVALIDATED ? QStringLiteral("device gone")
                                                                   : hresult(result));
    device.close();
    m_ready = false;
    m_streaming = false;
    m_command = Command::None;
    ++m_epoch;
    notify();
}

} // namespace Quozzoli
