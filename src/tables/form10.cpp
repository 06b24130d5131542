// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form10.h"

#include "answerbox.h"
#include "dialogs.h"
#include "navigator.h"
#include "problemlabel.h"
#include "services.h"
#include "termspanel.h"

#include <QAction>
#include <QEvent>
#include <QLabel>

#include <algorithm>
#include <cmath>

namespace Quozzoli {

namespace {

constexpr qreal BoxPoints = 29.25;
constexpr QRect ProblemTwips(360, 1320, 8805, 1455);
// The product box stands clear of the "=" of the widest problem, " 10 x  10 =",
// at the design's font.
constexpr QRect ProductBoxTwips(5100, 1440, 1695, 1095);
constexpr QRect FactorBoxTwips(2475, 1440, 1470, 1095);
// The least room between the problem's text and the box after it.
constexpr int BoxGapTwips = 60;

const ExerciseFrame &frame()
{
    static const ExerciseFrame frame {
        .clientTwips = {10605, 9885},
        .designColour = {0, 255, 255},
        .faces = {600, 120},
        .esatti = {3000, 360},
        .errati = {5205, 360},
        .avanti = {4800, 3120},
        .colours = ColourTableVariant::Standard,
        .menu = exerciseMenu(3,
                             {Form10::terms().menuEntry(3),
                              {QStringLiteral("MenuTipo"),
                               QStringLiteral("Scegli il tipo di esercizio   "),
                               {MenuEntry::command("MenuProdotto", "Trova il prodotto"),
                                MenuEntry::command("MenuFattore", "Trova un fattore")}}},
                             10),
    };
    return frame;
}

} // namespace

const TermsChoice &Form10::terms()
{
    // In the factor mode the table 0 is never asked: see TableDrawer.
    static const TermsChoice tables {"MenuNumeroMassimo", 10, 0, 10};
    return tables;
}

Form10::Form10(QWidget *parent)
    : ExerciseScreen(frame(), parent)
    , m_etichettaNumero(makeProblemLabel(QStringLiteral("EtichettaNumero")))
    , m_text1(new AnswerBox(QStringLiteral("Text1"), canvas()))
    , m_text2(new AnswerBox(QStringLiteral("Text2"), canvas()))
    , m_terms(new TermsPanel(this, terms()))
    , m_drawer(m_terms->drawer())
    , m_answers(makeAnswerChain({m_text1, m_text2}))
{
    setObjectName(QStringLiteral("Form10"));

    DesignCanvas::setDesignColours(m_etichettaNumero, QColor(0, 255, 255));
    m_etichettaNumero->setText(QStringLiteral("Forma il numero"));
    canvas()->place(m_etichettaNumero, ProblemTwips, {49.5});
    canvas()->place(m_text1, ProductBoxTwips, {BoxPoints});
    canvas()->place(m_text2, FactorBoxTwips, {BoxPoints});
    m_text2->hide();
    // The boxes follow the problem's text as its font follows the window.
    m_etichettaNumero->installEventFilter(this);
    m_text1->setAccessibleName(QStringLiteral("prodotto"));
    m_text2->setAccessibleName(QStringLiteral("fattore mancante"));

    m_terms->setConfirmRule([this] { return m_drawer.canDraw(factorMode()); });
    connect(menuAction(QStringLiteral("MenuProdotto")), &QAction::triggered, this,
            &Form10::menuProdottoClick);
    connect(menuAction(QStringLiteral("MenuFattore")), &QAction::triggered, this,
            &Form10::menuFattoreClick);
}

void Form10::formActivate()
{
    applyWaitSwitch();
    resetCounters();
    menuFattoreClick();
    nuovaDivisione();
}

bool Form10::productMode() const
{
    return menuAction(QStringLiteral("MenuProdotto"))->isChecked();
}

bool Form10::factorMode() const
{
    return menuAction(QStringLiteral("MenuFattore"))->isChecked();
}

void Form10::menuProdottoClick()
{
    setMode(true);
}

void Form10::menuFattoreClick()
{
    setMode(false);
}

void Form10::setMode(bool product)
{
    // Set both marks explicitly: a click on the marked item would unmark it.
    menuAction(QStringLiteral("MenuProdotto"))->setChecked(product);
    menuAction(QStringLiteral("MenuFattore"))->setChecked(!product);
    m_text1->setVisible(product);
    m_text2->setVisible(!product);
    m_terms->refreshConfirm();
    nuovaDivisione();
}

void Form10::nuovaDivisione()
{
    const bool factor = factorMode();
    if (!m_drawer.canDraw(factor)) {
        // No table of this mode is ticked: the problem waits for the child's
        // choice on the panel.
        m_answers->stop();
        m_terms->bringUp();
        return;
    }
    caricaColori();
    m_problem = *m_drawer.draw(factor, Services::random());
    const QString table = written(m_problem.primoFattore);
    if (factor) {
        m_etichettaNumero->setText(table + QStringLiteral(" x        =")
                                   + written(m_problem.product()));
        m_answers->start({{m_text2, AnswerChain::reading(m_problem.secondoFattore)}});
    } else {
        m_etichettaNumero->setText(table + QStringLiteral(" x ") + written(m_problem.secondoFattore)
                                   + QStringLiteral(" ="));
        const auto product = [this] {
            return long(m_problem.product());
        };
        m_answers->start({{m_text1, product}});
    }
    keepBoxesClear();
}

bool Form10::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_etichettaNumero
        && (event->type() == QEvent::FontChange || event->type() == QEvent::Resize))
        keepBoxesClear();
    return ExerciseScreen::eventFilter(watched, event);
}

// A box stands where the design puts it, or further right where the text
// before it is wider than the design allowed for (" 10 x", " 10 x  10 =").
void Form10::keepBoxesClear()
{
    auto *label = static_cast<ProblemLabel *>(m_etichettaNumero);
    const QString text = label->text();
    const QFontMetricsF metrics(label->fittedFont());
    const qreal scale = canvas()->scale();
    // Where the text before `stop` ends, in twips on the canvas.
    auto endOf = [&](qsizetype stop) {
        const qreal pixels
            = label->contentsRect().left() + metrics.horizontalAdvance(text.left(stop));
        return ProblemTwips.left() + pixels * DesignCanvas::TwipsPerPixel / scale;
    };
    auto follow = [&](AnswerBox *box, QRect twips, qsizetype stop) {
        if (stop > 0)
            twips.moveLeft(std::max(twips.left(), int(std::ceil(endOf(stop))) + BoxGapTwips));
        if (canvas()->designRect(box) != twips)
            canvas()->moveTo(box, twips.topLeft());
    };
    const qsizetype times = text.indexOf(QLatin1Char('x'));
    const qsizetype equals = text.indexOf(QLatin1Char('='));
    follow(m_text2, FactorBoxTwips, times < 0 ? 0 : times + 1);
    follow(m_text1, ProductBoxTwips, equals < 0 ? 0 : equals + 1);
}

void Form10::mnuEsciClick()
{
    Dialogs::chiediRitornoAlMenu(this, [this] {
        Navigator::open(ScreenId::FormMenu, this);
        // The counts of the times tables are not left behind for the menu. This
        // screen is closed by now, and deleted only once back in the event loop.
        resetCounters();
    });
}

} // namespace Quozzoli
