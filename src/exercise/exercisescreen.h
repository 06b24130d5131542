// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "answerchain.h"
#include "counter.h"
#include "exerciseframe.h"
#include "screen.h"

#include <QHash>

class QAction;
class QLabel;

namespace Quozzoli {

class Announcer;
class AnswerBox;
class PictureButton;
class SvgPicture;

// What every exercise screen shares: the counts of right and wrong answers,
// the two faces, "avanti" and the menu bar with "Azzera conteggio",
// "Informazioni" and "Esci". Each screen adds its problem and answer boxes.
class ExerciseScreen : public Screen
{
    Q_OBJECT

public:
    explicit ExerciseScreen(const ExerciseFrame &frame, QWidget *parent = nullptr);

    // Poses a new problem.
    virtual void nuovaDivisione() = 0;

    QAction *menuAction(const QString &name) const { return m_menuActions.value(name); }
    PictureButton *bottoneAvanti() const { return m_avanti; }
    QLabel *etichettaEsatti() const { return m_esattiLabel; }
    QLabel *etichettaErrati() const { return m_erratiLabel; }
    SvgPicture *comandoIconaSi() const { return m_faceRight; }
    SvgPicture *comandoIconaNo() const { return m_faceWrong; }

    const Counter &rightCount() const { return *m_esatti; }
    const Counter &wrongCount() const { return *m_errati; }

protected:
    // Counts of this screen's own instead of the shared ones.
    void useOwnCounters();

    // The chain that judges these boxes, its verdicts shown on this screen:
    // a wrong entry by wrongEntry(), a solved problem by answerSolved(). It
    // judges a box when Enter is released in it, unless the screen says it
    // will tell the chain itself.
    AnswerChain *makeAnswerChain(const QList<AnswerBox *> &boxes, AnswerChain::Rules rules = {},
                                 bool judgesOnEnter = true);

    // Both counts to 0, both labels to "0".
    void resetCounters();
    // "avanti" shown when the screen waits for it.
    void applyWaitSwitch();
    // After a right answer: the graphic screens always wait for "avanti",
    // the numeric ones when the menu's switch says so.
    bool waitsForAvanti() const;

    void showVerdict(bool right);
    void addRight(bool refreshLabel = true);
    void refreshRightLabel();
    void addWrong();

    // A wrong move: sad face, one more wrong entry, and a screen reader told
    // what went wrong (`what` ends in ", ") with the new count. Returns what it
    // was told.
    QString wrongMove(const QString &what);
    // A wrong answer: a wrong move, the wrong sound, and the focus back in
    // the box with the text left for correcting.
    void wrongEntry(AnswerBox *box);
    // The problem is solved: one more right answer and the right sound; then
    // "avanti" waits for a click, or the next problem comes at once.
    void problemSolved();
    // "avanti" enabled, to be pressed when the child is ready.
    void waitForAvanti();
    // A screen reader speaks the words at once, wherever the focus is.
    void announce(const QString &words);

    // The last answer box of the problem was right: by default its box
    // closes if "avanti" is awaited, and the problem is solved.
    virtual void answerSolved(AnswerBox *last);

    virtual void bottoneAvantiClick();
    virtual void mnuEsciClick();

    // A label showing a problem: opaque, on the window background colour.
    QLabel *makeProblemLabel(const QString &name);

private:
    void buildMenu(const QList<MenuEntry> &menu);
    void showCount(QLabel *label, const QString &text);
    QString countName(const QLabel *label) const;

    Counter m_ownEsatti;
    Counter m_ownErrati;
    Counter *m_esatti;
    Counter *m_errati;
    bool m_numeric;
    QLabel *m_esattiLabel;
    QLabel *m_erratiLabel;
    QLabel *m_esattiHeading = nullptr; // none on some screens
    QLabel *m_erratiHeading = nullptr;
    QLabel *m_problemLabel = nullptr; // the first one, which a screen reader reads with the box
    SvgPicture *m_faceRight;
    SvgPicture *m_faceWrong;
    PictureButton *m_avanti;
    Announcer *m_announcer;
    QHash<QString, QAction *> m_menuActions;
};

// A number written as captions and counters write it (" 84").
QString written(long value);

} // namespace Quozzoli
