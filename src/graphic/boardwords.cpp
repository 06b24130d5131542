// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "boardwords.h"

#include "accessibletext.h"
#include "boardlayout.h"
#include "candyproblem.h"
#include "designcanvas.h"
#include "screen.h"
#include "soundfiles.h"

#include <QLabel>

namespace Quozzoli {

namespace {

constexpr int CaptionLeft = 120;
constexpr int CaptionHeight = 360;
constexpr int Label3Width = 6735;
constexpr qreal CaptionPoints = 14.25;

QLabel *caption(const QString &name, const QString &text, int top, int width, DesignCanvas *canvas)
{
    QLabel *label = makeLabel(name, text, canvas);
    label->setWordWrap(false);
    canvas->place(label, QRect(CaptionLeft, top, width, CaptionHeight), {CaptionPoints});
    label->hide();
    return label;
}

} // namespace

BoardWords::BoardWords(const BoardLayout &layout, DesignCanvas *canvas)
    : m_layout(layout)
    , m_label3(caption(QStringLiteral("Label3"), QStringLiteral("Ci sono           caramelle."),
                       5400, Label3Width, canvas))
    , m_label4(caption(QStringLiteral("Label4"), QStringLiteral("Ci sono           bambini."), 5760,
                       layout.label4Width, canvas))
    , m_label5(
          caption(QStringLiteral("Label5"), layout.label5Caption, 6120, layout.label5Width, canvas))
{ }

std::vector<std::string> BoardWords::step(int step, const CandyProblem &problem) const
{
    using namespace SoundFiles;
    const bool partition = m_layout.sharing == SharingMode::Partition;
    switch (step) {
    case 1:
        return {CiSono, number(problem.dividendo), Caramelle};
    case 2:
        if (!partition)
            return {Ogni, number(problem.divisore), Caramelle};
        if (problem.divisore == 1)
            return {SoloUno};
        return {CiSono, number(problem.divisore), Bambini};
    default:
        return {partition ? Scopri1 : Scopri2};
    }
}

std::vector<std::string> BoardWords::solution(const CandyProblem &problem) const
{
    using namespace SoundFiles;
    std::vector<std::string> files {number(problem.dividendo), Diviso, number(problem.divisore),
                                    Uguale, number(problem.quoziente)};
    if (m_layout.remainder) {
        files.push_back(Resto);
        files.push_back(number(problem.resto));
    }
    return files;
}

void BoardWords::clear()
{
    m_label3->hide();
    m_label4->hide();
    m_label5->hide();
}

void BoardWords::write(int step, const CandyProblem &problem)
{
    const int divisore = problem.divisore;
    switch (step) {
    case 1:
        m_label3->setText(QStringLiteral("ci sono %1 caramelle").arg(problem.dividendo));
        AccessibleText::showAfresh(m_label3);
        break;
    case 2:
        if (m_layout.sharing == SharingMode::Quotition)
            m_label4->setText(QStringLiteral("ogni bambino deve avere %1 caramelle").arg(divisore));
        else if (divisore == 1)
            m_label4->setText(QStringLiteral("c'è un solo bambino"));
        else
            m_label4->setText(QStringLiteral("ci sono %1 bambini").arg(divisore));
        AccessibleText::showAfresh(m_label4);
        break;
    default:
        AccessibleText::showAfresh(m_label5);
        break;
    }
}

} // namespace Quozzoli
