// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "answerpanel.h"

#include "accessibletext.h"
#include "answerbox.h"
#include "boardlayout.h"
#include "designcanvas.h"
#include "exercisescreen.h"
#include "screen.h"

#include <QLabel>

namespace Quozzoli {

namespace {

const QString DesignBoxText = QStringLiteral("Text1");

QLabel *panelLabel(const QString &name, const QString &text, QWidget *panel)
{
    QLabel *label = makeLabel(name, text, panel);
    label->setWordWrap(false);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

} // namespace

AnswerPanel::AnswerPanel(const BoardLayout &layout, DesignCanvas *canvas)
    : QFrame(canvas)
    , m_canvas(canvas)
    , m_label7(panelLabel(QStringLiteral("Label7"), QStringLiteral("27 : 3 ="), this))
    , m_text1(new AnswerBox(QStringLiteral("Text1"), this))
{
    setObjectName(QStringLiteral("Frame2"));
    AccessibleText::markGroup(this, QStringLiteral("risposta"));
    setFrameStyle(QFrame::Box | QFrame::Raised);
    setAutoFillBackground(true);
    // White on the blue panel.
    DesignCanvas::setDesignColours(this, QColor(0, 0, 255), Qt::white);
    canvas->place(this, QRect(layout.panelAt, SizeTwips));

    const DesignFont font {layout.panelPoints};
    canvas->place(m_label7, layout.label7, font);
    m_text1->setText(DesignBoxText);
    m_text1->setAccessibleName(QStringLiteral("quoziente"));
    m_label7->setBuddy(m_text1); // a screen reader reads the box with its problem
    canvas->place(m_text1, layout.text1, font);
    if (layout.remainder) {
        m_label6 = panelLabel(QStringLiteral("Label6"), QStringLiteral("resto di"), this);
        canvas->place(m_label6, layout.label6, font);
        m_text2 = new AnswerBox(QStringLiteral("Text2"), this);
        m_text2->setText(DesignBoxText);
        m_text2->setAccessibleName(QStringLiteral("resto"));
        canvas->place(m_text2, layout.text2, font);
    }
    hide();
}

void AnswerPanel::open(int dividendo, int divisore)
{
    m_label7->setText(written(dividendo) + QStringLiteral(" :") + written(divisore)
                      + QStringLiteral(" = "));
    AccessibleText::showAfresh(this);
}

void AnswerPanel::takeIn(QWidget *avanti)
{
    const QRect twips = m_canvas->designRect(avanti);
    avanti->setParent(this);
    m_canvas->place(avanti, twips, {14.25});
    avanti->show();
}

QList<AnswerBox *> AnswerPanel::boxes() const
{
    QList<AnswerBox *> boxes {m_text1};
    if (m_text2)
        boxes.append(m_text2);
    return boxes;
}

} // namespace Quozzoli
