// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <mmdeviceapi.h>

#include <atomic>
#include <functional>

namespace Quozzoli {

// Hears from Windows when the default output device changes (headphones
// plugged in, a device chosen in the settings, the first device after none)
// and calls the function given, on a thread of Windows' own. A COM object:
// it lives for as long as it is referenced.
class DefaultDeviceWatch final : public IMMNotificationClient
{
public:
    explicit DefaultDeviceWatch(std::function<void()> changed);

    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void **object) override;

    HRESULT STDMETHODCALLTYPE OnDefaultDeviceChanged(EDataFlow flow, ERole role,
                                                     LPCWSTR id) override;
    HRESULT STDMETHODCALLTYPE OnDeviceAdded(LPCWSTR) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnDeviceRemoved(LPCWSTR) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnDeviceStateChanged(LPCWSTR, DWORD) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnPropertyValueChanged(LPCWSTR, const PROPERTYKEY) override
    {
        return S_OK;
    }

private:
    ~DefaultDeviceWatch() = default;

    std::atomic<ULONG> m_references = 1;
    std::function<void()> m_changed;
};

} // namespace Quozzoli
