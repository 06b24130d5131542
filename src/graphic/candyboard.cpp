// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "candyboard.h"

#include "answerbox.h"
#include "answerchain.h"
#include "answerpanel.h"
#include "boardvoice.h"
#include "boardwords.h"
#include "candydrag.h"
#include "childpicture.h"
#include "clock.h"
#include "picturebutton.h"
#include "services.h"
#include "soundfiles.h"
#include "svgpicture.h"

#include <QKeyEvent>
#include <QTimer>

namespace Quozzoli {

namespace {

std::int64_t clockSeconds()
{
    return Services::clock().seconds();
}

} // namespace

CandyBoard::CandyBoard(const Setup &setup, QWidget *parent)
    : ExerciseScreen(setup.frame(), parent)
    , m_layout(setup.layout)
    , m_boardId(CandyDrag::newBoardId())
    , m_sharing(m_layout.sharing)
    , m_table(m_boardId, canvas())
    , m_children(m_boardId, canvas())
    , m_words(std::make_unique<BoardWords>(m_layout, canvas()))
    , m_panel(new AnswerPanel(m_layout, canvas()))
    , m_timer(new QTimer(this))
    , m_voice(new BoardVoice(this))
    , m_flow({
          .speaking = [this] { return m_voice->speaking(); },
          .stepReached = [this] { return m_steps.passo(); },
          .lastCandy = [this] { return m_table.last(); },
          .share = [this](int child, int candy) { share(child, candy); },
          .type = [](const Action &typed) { typed.box->type(typed.typed); },
          .judge = [this](AnswerBox *box) { m_answers->judge(box); },
          .nextProblem = [this] { nextProblem(); },
      })
{
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setInterval(m_layout.timerMs);
    connect(m_timer, &QTimer::timeout, this, &CandyBoard::timer1Timer);
    // What was held waits for the events that came with the sentence's end.
    connect(
        m_voice, &BoardVoice::quiet, this, [this] { m_flow.handleHeld(); }, Qt::QueuedConnection);
    for (int n = 0; n < m_children.size(); ++n) {
        connect(m_children.child(n), &ChildPicture::candyDropped, this,
                [this](int child, int candy) {
                    m_flow.receive({.kind = Action::Kind::Drop, .child = child, .candy = candy});
                });
    }
    // An empty box is a wrong answer here, and the face changes only when
    // the whole division is right. Enter goes to the chain through the flow,
    // and what is typed during a prompt is kept until its end.
    m_panel->takeIn(bottoneAvanti());
    m_answers = makeAnswerChain(m_panel->boxes(),
                                {.judgesEmpty = true, .everyRightEntrySmiles = false}, false);
    for (AnswerBox *box : m_panel->boxes()) {
        box->setGate([this, box](const AnswerBox::Keystroke &typed) {
            return m_flow.hold({.kind = Action::Kind::Type, .box = box, .typed = typed});
        });
        connect(box, &AnswerBox::enterReleased, this,
                [this, box] { m_flow.receive({.kind = Action::Kind::Enter, .box = box}); });
    }
    // A right entry before the last is the quotient: the remainder is asked.
    connect(m_answers, &AnswerChain::right, this, [this] { m_flow.quotientRight(); });
    // The panel covers the children and, where it reaches them, the counts;
    // the faces stay on top, so every answer is seen to be judged. Until the
    // first verdict both faces show, the smiling one in front.
    m_panel->raise();
    comandoIconaNo()->raise();
    comandoIconaSi()->raise();
}

CandyBoard::~CandyBoard() = default;

void CandyBoard::formActivate()
{
    resetCounters();
    nuovaDivisione();
}

void CandyBoard::nuovaDivisione()
{
    m_flow.newProblem();
    bottoneAvanti()->setEnabled(false);
    m_steps.restart(clockSeconds());
    m_timer->start();
    m_words->clear();
    m_table.clear();
    m_children.clear();
    m_sharing.clear();
    m_table.takeFocus();
}

// The step clock.

void CandyBoard::timer1Timer()
{
    if (m_voice->speaking())
        return; // the next step waits for the sentence to end
    const int step = m_steps.tick(clockSeconds());
    if (step == 0)
        return;
    m_timer->stop();
    if (step == 1)
        primoPasso();
    else if (step == 2)
        secondoPasso();
    sayStep(step);
}

void CandyBoard::primoPasso()
{
    m_sharing.start(m_layout.rule().draw(Services::random()));
    m_table.lay(problem().dividendo);
}

void CandyBoard::secondoPasso()
{
    // Partition: every child in play; quotition: the first of those to serve.
    const bool partition = m_layout.sharing == SharingMode::Partition;
    m_children.emptyTrays(partition ? problem().divisore : problem().quoziente);
    for (int n = 0; n < (partition ? problem().divisore : 1); ++n)
        m_children.seat(n);
}

void CandyBoard::sayStep(int step)
{
    // The caption follows the sentence, and the wait for the next step
    // begins when both are done; the last step leaves the clock stopped.
    m_voice->say(m_words->step(step, problem()), [this, step] {
        m_words->write(step, problem());
        if (step < StepSequencer::Steps) {
            m_steps.waitFrom(clockSeconds());
            m_timer->start();
        }
    });
}

bool CandyBoard::speaking() const
{
    return m_voice->speaking();
}

// The child's input goes through the flow, which may hold it.

// The digits 1 to 5 share without a mouse, those of the keypad too, as
// ordinary key presses that a screen reader hears; an answer box in focus
// takes them as its text. A held key gives one candy, not one per repeat.
void CandyBoard::keyPressEvent(QKeyEvent *event)
{
    const int child = event->key() - Qt::Key_1;
    const bool digit = child >= 0 && child < CandySharing::Children
        && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (!digit || qobject_cast<AnswerBox *>(focusWidget())) {
        ExerciseScreen::keyPressEvent(event);
        return;
    }
    event->accept();
    if (!event->isAutoRepeat())
        m_flow.receive({.kind = Action::Kind::Key, .child = child});
}

void CandyBoard::bottoneAvantiClick()
{
    m_flow.receive({.kind = Action::Kind::Avanti});
}

void CandyBoard::share(int child, int candy)
{
    if (!m_table.holds(candy))
        return;
    const CandySharing::Outcome outcome = m_sharing.drop(child);
    if (outcome == CandySharing::Outcome::Ignored)
        return;
    if (outcome == CandySharing::Outcome::Refused) {
        wrongMove(
            QStringLiteral("attento, %1, risposta sbagliata, ").arg(m_children.trayName(child)));
        m_voice->say({SoundFiles::Attento1});
        return;
    }
    m_table.take(candy);
    m_children.give(child, m_sharing.count(child));
    announce(m_children.trayName(child));
    if (outcome == CandySharing::Outcome::ChildServed)
        m_children.serveNext(child);
    else if (outcome == CandySharing::Outcome::Complete)
        openPanel();
}

void CandyBoard::openPanel()
{
    m_flow.panelOpened();
    m_panel->open(problem().dividendo, problem().divisore);
    const CandyProblem &p = problem();
    QList<AnswerChain::Answer> answers {{m_panel->text1(), AnswerChain::reading(p.quoziente)}};
    if (AnswerBox *text2 = m_panel->text2())
        answers.append({text2, AnswerChain::reading(p.resto)});
    m_answers->start(answers);
}

void CandyBoard::answerSolved(AnswerBox *last)
{
    m_flow.solved();
    addRight(false); // the count is shown when "avanti" is clicked
    m_voice->say(m_words->solution(problem()), [this, last] {
        last->setEnabled(false);
        waitForAvanti();
    });
}

void CandyBoard::nextProblem()
{
    m_panel->hide();
    refreshRightLabel();
    ExerciseScreen::bottoneAvantiClick();
}

void CandyBoard::closeEvent(QCloseEvent *event)
{
    m_timer->stop();
    m_flow.dropHeld();
    m_voice->silence();
    ExerciseScreen::closeEvent(event);
}

} // namespace Quozzoli
