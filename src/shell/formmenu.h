// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "screen.h"
#include "screenid.h"

#include <QList>

class QAbstractButton;

namespace Quozzoli {

class WrapRadioButton;

// The main menu: one button per exercise, the wait-for-Next switch and "Esci".
class FormMenu : public Screen
{
    Q_OBJECT

public:
    explicit FormMenu(QWidget *parent = nullptr);

    void formLoad() override;

    // What a screen reader calls the exercise screen: the caption of the
    // button that opens it, with its column.
    static QString spokenName(ScreenId id);

private:
    void option1Click(int index);
    void openExercise(ScreenId id);

    WrapRadioButton *m_options[2];
};

} // namespace Quozzoli
