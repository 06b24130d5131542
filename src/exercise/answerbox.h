// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLineEdit>

#include <functional>

namespace Quozzoli {

// A text box the child types an answer into. The answer is judged when Enter
// (Return or the keypad's Enter) is released; a held key's repeats are not
// new answers, nor is the release of an Enter pressed elsewhere (one that
// pressed a button or closed a message box). A gate may keep what is typed
// for later, while the screen cannot take it.
class AnswerBox : public QLineEdit
{
    Q_OBJECT

public:
    // A key typed in the box, as what it does there: its text, or the
    // editing key (Backspace, Delete, the arrows, Home, End).
    struct Keystroke
    {
        int key = 0;
        QString text {};
    };
    // True when the gate keeps the keystroke, to be typed later.
    using Gate = std::function<bool(const Keystroke &keystroke)>;

    explicit AnswerBox(const QString &name, QWidget *parent = nullptr);

    void setGate(Gate gate) { m_gate = std::move(gate); }
    // A keystroke kept earlier, done now if the box is still open.
    void type(const Keystroke &keystroke);

    // True when the text reads as the expected number.
    bool holds(long expected) const;
    void setBoxColour(const QColor &colour, const QColor &textColour = Qt::black);

signals:
    void enterReleased();

protected:
    void keyReleaseEvent(QKeyEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    Gate m_gate;
    bool m_enterDown = false;
};

} // namespace Quozzoli
