// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "screen.h"

class QLabel;

namespace Quozzoli {

class PictureButton;

// The splash screen: the program's title and the "Avvio" button.
class FormAvvio : public Screen
{
    Q_OBJECT

public:
    explicit FormAvvio(QWidget *parent = nullptr);

    void formLoad() override;

private:
    void command1Click();

    QLabel *m_subtitle;
    QLabel *m_title;
    PictureButton *m_avvio;
};

} // namespace Quozzoli
