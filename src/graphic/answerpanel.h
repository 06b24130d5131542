// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFrame>

class QLabel;

namespace Quozzoli {

class AnswerBox;
class DesignCanvas;
struct BoardLayout;

// The blue panel that opens when the sharing is complete: the division
// written out, the quotient box and, on the remainder screens, "resto di"
// and the remainder box; and "avanti", which the board hands over to it.
class AnswerPanel : public QFrame
{
    Q_OBJECT

public:
    static constexpr QSize SizeTwips {9015, 3615};

    AnswerPanel(const BoardLayout &layout, DesignCanvas *canvas);

    // Shows the panel with the division written out; the board's answer
    // chain readies the boxes.
    void open(int dividendo, int divisore);
    // "avanti" comes to stand in the panel, its place measured from the
    // panel's corner.
    void takeIn(QWidget *avanti);

    // The quotient box, then the remainder box if there is one.
    QList<AnswerBox *> boxes() const;

    QLabel *label7() const { return m_label7; }
    AnswerBox *text1() const { return m_text1; }
    AnswerBox *text2() const { return m_text2; } // null without a remainder

private:
    DesignCanvas *m_canvas;
    QLabel *m_label7;
    AnswerBox *m_text1;
    QLabel *m_label6 = nullptr;
    AnswerBox *m_text2 = nullptr;
};

} // namespace Quozzoli
