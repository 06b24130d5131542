// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "defaultdevicewatch.h"

#include <utility>

namespace Quozzoli {

DefaultDeviceWatch::DefaultDeviceWatch(std::function<void()> changed)
    : m_changed(std::move(changed))
{ }

ULONG DefaultDeviceWatch::AddRef()
{
    return ++m_references;
}

ULONG DefaultDeviceWatch::Release()
{
    const ULONG left = --m_references;
    if (left == 0)
        delete this;
    return left;
}

HRESULT DefaultDeviceWatch::QueryInterface(REFIID iid, void **object)
{
    if (iid == __uuidof(IUnknown) || iid == __uuidof(IMMNotificationClient)) {
        *object = static_cast<IMMNotificationClient *>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

HRESULT DefaultDeviceWatch::OnDefaultDeviceChanged(EDataFlow flow, ERole role, LPCWSTR)
{
    // The program plays as the console role does, as most programs do.
    if (flow == eRender && role == eConsole)
        m_changed();
    return S_OK;
}

} // namespace Quozzoli
