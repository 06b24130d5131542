// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

namespace Quozzoli {

// Whether the exercise screens show the on-screen keypad: always or never
// when the command line says so; otherwise once the computer has a touch
// screen, or a touch screen is first touched. One value for the whole run.
class KeypadSetting : public QObject
{
    Q_OBJECT

public:
    enum class Choice { Automatic, Shown, Hidden };

    static KeypadSetting &shared();

    Choice choice() const { return m_choice; }
    // Also forgets any touch seen so far.
    void setChoice(Choice choice);
    bool shown() const;

    // True when Qt lists a touch screen among the input devices.
    static bool touchScreenListed();

signals:
    // The keypad is to be shown from now on.
    void nowShown();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void watchTouches(bool on);

    Choice m_choice = Choice::Automatic;
    bool m_touched = false;
    bool m_watching = false;
};

} // namespace Quozzoli
