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

private:
    void option1Click(int index);
    void openExercise(ScreenId id);

    WrapRadioButton *m_options[2];
};

} // namespace Quozzoli
