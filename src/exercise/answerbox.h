// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLineEdit>

namespace Quozzoli {

// A text box the child types an answer into. The answer is judged when Enter
// (Return or the keypad's Enter) is released; a held key's repeats are not
// new answers, nor is the release of an Enter pressed elsewhere (one that
// pressed a button or closed a message box).
class AnswerBox : public QLineEdit
{
    Q_OBJECT

public:
    explicit AnswerBox(const QString &name, QWidget *parent = nullptr);

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
    bool m_enterDown = false;
};

} // namespace Quozzoli
