// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "exercisescreen.h"

#include "accessibletext.h"
#include "announcer.h"
#include "answerbox.h"
#include "dialogs.h"
#include "navigator.h"
#include "pictureaccessible.h"
#include "picturebutton.h"
#include "problemlabel.h"
#include "sharedvalues.h"
#include "soundcues.h"
#include "svgpicture.h"
#include "tastierino.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

namespace Quozzoli {

namespace {

constexpr QSize FaceTwips(975, 855);
constexpr QSize AvantiTwips(1935, 975);
constexpr int HeadingGap = 900; // the headings stand this far left of their counters

} // namespace

QString written(long value)
{
    return QString::fromStdString(writtenNumber(value));
}

ExerciseScreen::ExerciseScreen(const ExerciseFrame &frame, QWidget *parent)
    : Screen(frame.clientTwips, frame.designColour, parent)
    , m_esatti(&shared().numeroEsatti)
    , m_errati(&shared().numeroErrati)
    , m_numeric(frame.numeric)
    , m_esattiLabel(
          makeLabel(QStringLiteral("EtichettaEsatti"), QStringLiteral("quantiesatti"), canvas()))
    , m_erratiLabel(
          makeLabel(QStringLiteral("EtichettaErrati"), QStringLiteral("quantierrati"), canvas()))
    , m_faceRight(new SvgPicture(QStringLiteral(":/pictures/faccia-si.svg"), canvas()))
    , m_faceWrong(new SvgPicture(QStringLiteral(":/pictures/faccia-no.svg"), canvas()))
    , m_avanti(new PictureButton(QStringLiteral("avanti"), QStringLiteral(":/pictures/freccia.svg"),
                                 canvas()))
    , m_announcer(new Announcer(canvas()))
{
    if (frame.colours)
        setColourTable(*frame.colours);

    m_esattiLabel->setWordWrap(false);
    m_erratiLabel->setWordWrap(false);
    canvas()->place(m_esattiLabel, QRect(frame.esatti, QSize(975, 615)), {18});
    canvas()->place(m_erratiLabel, QRect(frame.errati, QSize(855, 615)), {18});
    if (frame.esattiHeading) {
        m_esattiHeading = makeLabel(QStringLiteral("Label1"), QStringLiteral("Esatti"), canvas());
        canvas()->place(m_esattiHeading,
                        QRect(frame.esatti - QPoint(HeadingGap, -90), QSize(900, 400)), {12});
    }
    m_erratiHeading = makeLabel(QStringLiteral("Label2"), QStringLiteral("Errati"), canvas());
    canvas()->place(m_erratiHeading, QRect(frame.errati - QPoint(HeadingGap, -90), QSize(900, 400)),
                    {12});

    m_faceRight->setObjectName(QStringLiteral("ComandoIconaSi"));
    m_faceWrong->setObjectName(QStringLiteral("ComandoIconaNo"));
    m_faceRight->setAccessibleName(QStringLiteral("risposta giusta"));
    m_faceWrong->setAccessibleName(QStringLiteral("risposta sbagliata"));
    canvas()->place(m_faceRight, QRect(frame.faces, FaceTwips));
    canvas()->place(m_faceWrong, QRect(frame.faces, FaceTwips));
    // Until the first verdict both faces stand in one place: the smile in front.
    m_faceRight->raise();

    m_avanti->setObjectName(QStringLiteral("BottoneAvanti"));
    canvas()->place(m_avanti, QRect(frame.avanti, AvantiTwips), {14.25});
    m_avanti->setEnabled(false);
    m_avanti->setVisible(!m_numeric);
    connect(m_avanti, &QToolButton::clicked, this, [this] { bottoneAvantiClick(); });

    buildMenu(frame.menu);
    Tastierino::offerTo(this);
}

void ExerciseScreen::buildMenu(const QList<MenuEntry> &menu)
{
    QMenuBar *bar = menuBar();
    for (const MenuEntry &entry : menu) {
        QAction *action = nullptr;
        if (entry.items.isEmpty()) {
            action = bar->addAction(entry.caption);
        } else {
            QMenu *dropDown = bar->addMenu(entry.caption);
            action = dropDown->menuAction();
            for (const MenuEntry &item : entry.items) {
                QAction *itemAction = dropDown->addAction(item.caption);
                itemAction->setObjectName(item.name);
                itemAction->setCheckable(true);
                m_menuActions.insert(item.name, itemAction);
            }
        }
        action->setObjectName(entry.name);
        m_menuActions.insert(entry.name, action);
    }
    if (QAction *azzera = menuAction(QStringLiteral("MenuAzzera")))
        connect(azzera, &QAction::triggered, this, &ExerciseScreen::resetCounters);
    if (QAction *about = menuAction(QStringLiteral("MenuInformazioni")))
        connect(about, &QAction::triggered, this, [this] { Dialogs::mostraInformazioni(this); });
    if (QAction *esci = menuAction(QStringLiteral("mnuEsci")))
        connect(esci, &QAction::triggered, this, [this] { mnuEsciClick(); });
}

void ExerciseScreen::useOwnCounters()
{
    m_esatti = &m_ownEsatti;
    m_errati = &m_ownErrati;
}

AnswerChain *ExerciseScreen::makeAnswerChain(const QList<AnswerBox *> &boxes,
                                             AnswerChain::Rules rules, bool judgesOnEnter)
{
    auto *chain = new AnswerChain(boxes, rules, this);
    // A screen reader reads the first box with its problem, as its label.
    if (m_problemLabel && !boxes.isEmpty()
        && boxes.first()->parentWidget() == m_problemLabel->parentWidget())
        m_problemLabel->setBuddy(boxes.first());
    for (AnswerBox *box : boxes) {
        if (judgesOnEnter)
            connect(box, &AnswerBox::enterReleased, chain, [chain, box] { chain->judge(box); });
    }
    connect(chain, &AnswerChain::wrong, this, &ExerciseScreen::wrongEntry);
    // A right entry shows the happy face, the solving one always: a child who
    // has just corrected a wrong answer must not keep seeing the sad face.
    connect(chain, &AnswerChain::right, this, [this, chain] {
        if (chain->rules().everyRightEntrySmiles)
            showVerdict(true);
    });
    connect(chain, &AnswerChain::solved, this, [this](AnswerBox *last) {
        showVerdict(true);
        answerSolved(last);
    });
    return chain;
}

void ExerciseScreen::showCount(QLabel *label, const QString &text)
{
    label->setText(text);
    // A screen reader reads a count with the heading the child sees beside it.
    // The boards show no heading beside the right answers: it is said all the same.
    label->setAccessibleName(countName(label));
}

QString ExerciseScreen::countName(const QLabel *label) const
{
    const QLabel *heading = label == m_esattiLabel ? m_esattiHeading : m_erratiHeading;
    const QString title = heading ? heading->text()
        : label == m_esattiLabel  ? QStringLiteral("Esatti")
                                  : QStringLiteral("Errati");
    return title + QLatin1Char(' ') + label->text().trimmed();
}

void ExerciseScreen::resetCounters()
{
    showCount(m_esattiLabel, QString::fromLatin1(ResetCounterText));
    showCount(m_erratiLabel, QString::fromLatin1(ResetCounterText));
    m_esatti->reset();
    m_errati->reset();
}

void ExerciseScreen::applyWaitSwitch()
{
    m_avanti->setVisible(waitsForAvanti());
}

bool ExerciseScreen::waitsForAvanti() const
{
    return !m_numeric || shared().attendiBottone;
}

void ExerciseScreen::showVerdict(bool right)
{
    m_faceRight->setVisible(right);
    m_faceWrong->setVisible(!right);
    // The face shown may have stood behind the other one until now.
    PictureAccessible::coverChanged(right ? m_faceRight : m_faceWrong);
}

void ExerciseScreen::addRight(bool refreshLabel)
{
    m_esatti->increment();
    if (refreshLabel)
        refreshRightLabel();
}

void ExerciseScreen::refreshRightLabel()
{
    showCount(m_esattiLabel, written(m_esatti->value()));
}

void ExerciseScreen::addWrong()
{
    m_errati->increment();
    showCount(m_erratiLabel, written(m_errati->value()));
}

QString ExerciseScreen::wrongMove(const QString &what)
{
    showVerdict(false);
    addWrong();
    const QString verdict = what + countName(m_erratiLabel);
    announce(verdict);
    return verdict;
}

void ExerciseScreen::wrongEntry(AnswerBox *box)
{
    SoundCues::suonoErrato();
    box->setFocus();
    // A screen reader speaks the verdict at once, and reads it again with
    // the control that has the focus.
    box->setAccessibleDescription(wrongMove(QStringLiteral("risposta sbagliata, ")));
}

void ExerciseScreen::problemSolved()
{
    addRight();
    SoundCues::suonoEsatto();
    if (waitsForAvanti()) {
        waitForAvanti();
    } else {
        nuovaDivisione();
        // The box keeps the focus: the new problem is told with the verdict.
        QString verdict = QStringLiteral("risposta giusta, ") + countName(m_esattiLabel);
        if (m_problemLabel)
            verdict += QStringLiteral(". ") + AccessibleText::spoken(m_problemLabel->text());
        if (QWidget *focused = focusWidget())
            focused->setAccessibleDescription(verdict);
        announce(verdict);
    }
}

void ExerciseScreen::answerSolved(AnswerBox *last)
{
    if (waitsForAvanti())
        last->setEnabled(false);
    problemSolved();
}

void ExerciseScreen::waitForAvanti()
{
    // The focus is not given to "avanti", so that an Enter meant for an
    // answer never presses it: the window itself holds the focus, and the
    // next Tab reaches the button, the only control that takes it now.
    setFocus();
    m_avanti->setEnabled(true);
    // The window holds the focus: a screen reader speaks the verdict there.
    setAccessibleDescription(QStringLiteral("risposta giusta, Esatti %1. Tab: avanti")
                                 .arg(written(m_esatti->value()).trimmed()));
}

void ExerciseScreen::announce(const QString &words)
{
    m_announcer->say(words);
}

void ExerciseScreen::bottoneAvantiClick()
{
    m_avanti->setEnabled(false);
    setAccessibleDescription(QString());
    nuovaDivisione();
}

void ExerciseScreen::mnuEsciClick()
{
    Dialogs::chiediRitornoAlMenu(this, [this] { Navigator::open(ScreenId::FormMenu, this); });
}

QLabel *ExerciseScreen::makeProblemLabel(const QString &name)
{
    auto *label = new ProblemLabel(name, canvas());
    if (!m_problemLabel)
        m_problemLabel = label;
    return label;
}

} // namespace Quozzoli
