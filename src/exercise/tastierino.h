// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

class QToolButton;

namespace Quozzoli {

class AnswerBox;
class DesignCanvas;
class Screen;

// The on-screen keypad, for a child at an interactive whiteboard: the digits,
// an erase key and Enter, in a strip beside the screen. A key acts on the
// answer box in focus exactly as the same key of a keyboard would: the keypad
// sends that key's press and release to the box. Its keys never take the
// focus, and are off while no answer box can take them.
class Tastierino : public QWidget
{
    Q_OBJECT

public:
    // A key is 900 twips square (1.6 cm at the design size).
    static constexpr int KeyTwips = 900;
    static constexpr int GapTwips = 120;
    static constexpr int MarginTwips = 240;
    static constexpr int WidthTwips = 3 * KeyTwips + 2 * GapTwips + 2 * MarginTwips;

    // Gives the screen its keypad now if the keypad is to be shown, or else
    // as soon as it is. A screen on view grows by the keypad's width.
    static void offerTo(Screen *screen);

    Tastierino(DesignCanvas *canvas, const QRect &strip);

    // The box a key would act on now, if any.
    AnswerBox *target() const;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    QToolButton *addKey(const QString &name, const QString &accessibleName, int column, int row);
    void type(Qt::Key key, const QString &text);
    void follow();

    DesignCanvas *m_canvas;
    QList<QToolButton *> m_keys;
};

} // namespace Quozzoli
