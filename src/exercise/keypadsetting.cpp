// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "keypadsetting.h"

#include <QCoreApplication>
#include <QInputDevice>
#include <QTimer>
#include <QTouchEvent>

#include <algorithm>

namespace Quozzoli {

KeypadSetting &KeypadSetting::shared()
{
    static KeypadSetting setting;
    return setting;
}

void KeypadSetting::setChoice(Choice choice)
{
    const bool wasShown = shown();
    m_choice = choice;
    m_touched = false;
    watchTouches(m_choice == Choice::Automatic && !shown());
    if (!wasShown && shown())
        emit nowShown();
}

bool KeypadSetting::shown() const
{
    switch (m_choice) {
    case Choice::Shown:
        return true;
    case Choice::Hidden:
        return false;
    case Choice::Automatic:
        break;
    }
    return m_touched || touchScreenListed();
}

bool KeypadSetting::touchScreenListed()
{
    const QList<const QInputDevice *> devices = QInputDevice::devices();
    return std::any_of(devices.cbegin(), devices.cend(), [](const QInputDevice *device) {
        return device->type() == QInputDevice::DeviceType::TouchScreen;
    });
}

void KeypadSetting::watchTouches(bool on)
{
    QCoreApplication *application = QCoreApplication::instance();
    if (on == m_watching || !application)
        return;
    m_watching = on;
    if (on)
        application->installEventFilter(this);
    else
        application->removeEventFilter(this);
}

bool KeypadSetting::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::TouchBegin && m_choice == Choice::Automatic && !m_touched) {
        // Only a touch screen counts: a touchpad's fingers are a mouse.
        const QInputDevice *device = static_cast<QTouchEvent *>(event)->device();
        if (device && device->type() == QInputDevice::DeviceType::TouchScreen) {
            m_touched = true;
            watchTouches(false);
            // The touch is handled first, on the screen as the child sees
            // it; the keypad comes after.
            QTimer::singleShot(0, this, [this] {
                if (shown())
                    emit nowShown();
            });
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace Quozzoli
