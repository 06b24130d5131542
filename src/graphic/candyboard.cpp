// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "candyboard.h"

#include "answerbox.h"
#include "answerchain.h"
#include "answerpanel.h"
#include "boardvoice.h"
#include "candydrag.h"
#include "candypicture.h"
#include "childpicture.h"
#include "childrenrow.h"
#include "clock.h"
#include "picturebutton.h"
#include "services.h"
#include "sharedvalues.h"
#include "soundfiles.h"
#include "svgpicture.h"

#include <QCloseEvent>
#include <QLabel>
#include <QShortcut>
#include <QTimer>

namespace Quozzoli {

namespace {

constexpr QSize CandyTwips(495, 495);
constexpr int CaptionLeft = 120;
constexpr int CaptionHeight = 360;
constexpr int Label3Width = 6735;
constexpr qreal CaptionPoints = 14.25;

std::int64_t clockSeconds()
{
    return Services::clock().seconds();
}

QLabel *caption(const QString &name, const QString &text, int top, int width, DesignCanvas *canvas)
{
    QLabel *label = makeLabel(name, text, canvas);
    label->setWordWrap(false);
    canvas->place(label, QRect(CaptionLeft, top, width, CaptionHeight), {CaptionPoints});
    label->hide();
    return label;
}

// Every board's frame is the same but for its colour, faces and "avanti".
ExerciseFrame boardFrame(const CandyBoard::Setup &setup)
{
    return {.clientTwips = QSize(9900, 6720),
            .designColour = setup.colour,
            .faces = setup.faces,
            .esatti = QPoint(8235, 120),
            .errati = QPoint(8355, 720),
            .avanti = setup.avanti,
            .esattiHeading = setup.esattiHeading,
            .numeric = false,
            .colours = std::nullopt,
            .menu = exerciseMenu(10, {}, 11)};
}

} // namespace

CandyBoard::CandyBoard(const Setup &setup, QWidget *parent)
    : ExerciseScreen(boardFrame(setup), parent)
    , m_layout(setup.layout)
    , m_boardId(CandyDrag::newBoardId())
    , m_sharing(m_layout.sharing)
    , m_candies(buildTable())
    , m_children(m_boardId, canvas())
    , m_timer(new QTimer(this))
    , m_voice(new BoardVoice(this))
{
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setInterval(m_layout.timerMs);
    connect(m_timer, &QTimer::timeout, this, &CandyBoard::timer1Timer);

    connectChildren();
    buildCaptions();
    buildPanel();
    buildKeys();
}

QList<CandyPicture *> CandyBoard::buildTable()
{
    QList<CandyPicture *> candies;
    for (int i = 0; i < Candies; ++i) {
        auto *candy = new CandyPicture(i, m_boardId, canvas());
        canvas()->place(candy,
                        QRect(QPoint(120 + 600 * (i % 10), 120 + 600 * (i / 10)), CandyTwips));
        candy->hide();
        candies.append(candy);
    }
    return candies;
}

void CandyBoard::connectChildren()
{
    for (int n = 0; n < m_children.size(); ++n) {
        connect(m_children.child(n), &ChildPicture::candyDropped, this,
                &CandyBoard::imBambinoDragDrop, Qt::QueuedConnection);
    }
}

void CandyBoard::buildCaptions()
{
    m_label3 = caption(QStringLiteral("Label3"), QStringLiteral("Ci sono           caramelle."),
                       5400, Label3Width, canvas());
    m_label4 = caption(QStringLiteral("Label4"), QStringLiteral("Ci sono           bambini."), 5760,
                       m_layout.label4Width, canvas());
    m_label5 = caption(QStringLiteral("Label5"), m_layout.label5Caption, 6120, m_layout.label5Width,
                       canvas());
}

void CandyBoard::buildPanel()
{
    m_panel = new AnswerPanel(m_layout, canvas());

    // "avanti" lives in the panel, where its place is measured from the
    // panel's corner.
    PictureButton *avanti = bottoneAvanti();
    const QRect avantiTwips = canvas()->designRect(avanti);
    avanti->setParent(m_panel);
    canvas()->place(avanti, avantiTwips, {14.25});
    avanti->show();

    // An empty box is a wrong answer here, and the face changes only when
    // the whole division is right.
    QList<AnswerBox *> boxes {m_panel->text1()};
    if (m_panel->text2())
        boxes.append(m_panel->text2());
    m_answers = makeAnswerChain(boxes, {.judgesEmpty = true, .everyRightEntrySmiles = false});

    // The panel covers the children and, where it reaches them, the counts;
    // the faces stay on top, so every answer is seen to be judged. Until the
    // first verdict both faces show, the smiling one in front.
    m_panel->raise();
    comandoIconaNo()->raise();
    comandoIconaSi()->raise();
}

void CandyBoard::buildKeys()
{
    // The digits 1 to 5 share without a mouse; those of the keypad match
    // them too. A held key gives one candy, not one per repeat. An answer
    // box takes the digits typed into it before these see them.
    for (int n = 0; n < CandySharing::Children; ++n) {
        auto *shortcut = new QShortcut(QKeySequence(Qt::Key(Qt::Key_1 + n)), this);
        shortcut->setAutoRepeat(false);
        connect(shortcut, &QShortcut::activated, this, [this, n] { keyGive(n); });
    }
}

void CandyBoard::formActivate()
{
    resetCounters();
    nuovaDivisione();
}

void CandyBoard::nuovaDivisione()
{
    bottoneAvanti()->setEnabled(false);
    m_steps.restart(clockSeconds());
    m_timer->start();
    m_label3->hide();
    m_label4->hide();
    m_label5->hide();
    for (CandyPicture *candy : std::as_const(m_candies))
        candy->hide();
    m_children.clear();
    m_sharing.clear();
}

void CandyBoard::timer1Timer()
{
    if (m_voice->speaking() || m_voice->closed())
        return; // the step waits for the prompt to end
    switch (m_steps.tick(clockSeconds())) {
    case 1:
        primoPasso();
        break;
    case 2:
        secondoPasso();
        break;
    case 3:
        terzoPasso();
        break;
    default:
        break;
    }
}

void CandyBoard::restartWait()
{
    m_steps.waitFrom(clockSeconds());
    m_timer->start();
}

void CandyBoard::primoPasso()
{
    m_timer->stop();
    m_problem = m_layout.rule().draw(Services::random());
    SharedValues &values = shared();
    values.divisore = std::int16_t(m_problem.divisore);
    values.quoziente = std::int16_t(m_problem.quoziente);
    if (m_layout.remainder)
        values.resto = std::int16_t(m_problem.resto);
    values.dividendo = std::int16_t(m_problem.dividendo);
    m_sharing.start(m_problem.divisore, m_problem.quoziente);

    for (int i = 0; i < m_problem.dividendo && i < Candies; ++i)
        m_candies[i]->show();
    if (!say({SoundFiles::CiSono, SoundFiles::number(m_problem.dividendo), SoundFiles::Caramelle}))
        return;
    m_label3->setText(QStringLiteral("ci sono %1 caramelle").arg(m_problem.dividendo));
    m_label3->show();
    restartWait();
}

void CandyBoard::secondoPasso()
{
    m_timer->stop();
    if (m_layout.sharing == SharingMode::Partition) {
        const int children = m_problem.divisore;
        m_children.emptyTrays(children);
        for (int n = 0; n < children; ++n)
            m_children.seat(n);
        if (children == 1) {
            if (!say({SoundFiles::SoloUno}))
                return;
            m_label4->setText(QStringLiteral("c'è un solo bambino"));
        } else {
            if (!say({SoundFiles::CiSono, SoundFiles::number(children), SoundFiles::Bambini}))
                return;
            m_label4->setText(QStringLiteral("ci sono %1 bambini").arg(children));
        }
    } else {
        m_children.emptyTrays(m_problem.quoziente);
        m_children.seat(0);
        if (!say({SoundFiles::Ogni, SoundFiles::number(m_problem.divisore), SoundFiles::Caramelle}))
            return;
        m_label4->setText(
            QStringLiteral("ogni bambino deve avere %1 caramelle").arg(m_problem.divisore));
    }
    m_label4->show();
    restartWait();
}

void CandyBoard::terzoPasso()
{
    m_timer->stop();
    const bool partition = m_layout.sharing == SharingMode::Partition;
    if (!say({partition ? SoundFiles::Scopri1 : SoundFiles::Scopri2}))
        return;
    m_label5->show();
}

void CandyBoard::imBambinoDragDrop(int child, int candy)
{
    whenQuiet([this, child, candy] {
        if (child < 0 || child >= m_children.size() || candy < 0 || candy >= m_candies.size())
            return;
        const ChildPicture *picture = m_children.child(child);
        // Only a child in view takes a drop, and none once the panel covers them.
        if (picture->isHidden() || !picture->isEnabled() || m_candies[candy]->isHidden()
            || !m_panel->isHidden())
            return;
        switch (m_sharing.drop(child)) {
        case CandySharing::Outcome::Ignored:
            break;
        case CandySharing::Outcome::Refused:
            refuseCandy();
            break;
        case CandySharing::Outcome::Taken:
            takeCandy(child, candy);
            break;
        case CandySharing::Outcome::ChildServed:
            takeCandy(child, candy);
            m_children.serveNext(child);
            break;
        case CandySharing::Outcome::Complete:
            takeCandy(child, candy);
            openPanel();
            break;
        }
    });
}

void CandyBoard::openPanel()
{
    m_panel->open(m_problem.dividendo, m_problem.divisore);
    const SharedValues &values = shared();
    QList<AnswerChain::Answer> answers {{m_panel->text1(), AnswerChain::reading(values.quoziente)}};
    if (AnswerBox *text2 = m_panel->text2())
        answers.append({text2, AnswerChain::reading(values.resto)});
    m_answers->start(answers);
}

void CandyBoard::keyGive(int child)
{
    if (!m_panel->isHidden())
        return;
    // The candy is picked when the key is handled: keys held back by a prompt
    // each take a candy still on the table then.
    whenQuiet([this, child] {
        for (int i = Candies - 1; i >= 0; --i) {
            if (!m_candies[i]->isHidden()) {
                imBambinoDragDrop(child, i);
                return;
            }
        }
    });
}

void CandyBoard::takeCandy(int child, int candy)
{
    m_candies[candy]->hide();
    m_children.give(child, m_sharing.count(child));
}

void CandyBoard::refuseCandy()
{
    showVerdict(false);
    addWrong();
    say({SoundFiles::Attento1});
}

void CandyBoard::answerSolved(AnswerBox *last)
{
    addRight(false); // the count is shown when "avanti" is clicked
    std::vector<std::string> solution {SoundFiles::number(m_problem.dividendo), SoundFiles::Diviso,
                                       SoundFiles::number(m_problem.divisore), SoundFiles::Uguale,
                                       SoundFiles::number(m_problem.quoziente)};
    if (m_layout.remainder) {
        solution.push_back(SoundFiles::Resto);
        solution.push_back(SoundFiles::number(m_problem.resto));
    }
    if (!say(solution))
        return;
    last->setEnabled(false);
    waitForAvanti();
}

void CandyBoard::bottoneAvantiClick()
{
    whenQuiet([this] {
        if (!bottoneAvanti()->isEnabled())
            return;
        m_panel->hide();
        refreshRightLabel();
        ExerciseScreen::bottoneAvantiClick();
    });
}

void CandyBoard::closeEvent(QCloseEvent *event)
{
    m_timer->stop();
    m_voice->close();
    ExerciseScreen::closeEvent(event);
}

bool CandyBoard::speaking() const
{
    return m_voice->speaking();
}

bool CandyBoard::say(const std::vector<std::string> &files)
{
    return m_voice->say(files);
}

void CandyBoard::whenQuiet(std::function<void()> input)
{
    m_voice->whenQuiet(std::move(input));
}

} // namespace Quozzoli
