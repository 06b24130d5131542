// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "answerbox.h"
#include "exercisescreen.h"
#include "picturebutton.h"
#include "svgpicture.h"
#include "termspanel.h"
#include "testenvironment.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QList>
#include <QPoint>
#include <QPushButton>
#include <QString>
#include <QTest>

#include <optional>
#include <set>
#include <utility>

class QPointingDevice;

// The one driver of the screens in the tests: the steps a child takes, by
// keys and mouse or by finger on a touch screen, and what a test reads back.
namespace ScreenDriver {

// Reading back.
QString labelText(const QWidget *screen, const char *name);
// The problem on view: "EtNumero", or "EtichettaNumero" on the times tables.
QLabel *problemLabel(const QWidget *screen);
Quozzoli::AnswerBox *box(const QWidget *screen, const char *name);
// The answer boxes of a two-digit screen, in the order they open.
QList<Quozzoli::AnswerBox *> twoDigitBoxes(const QWidget *screen);
// The counts on view, right then wrong, as their labels write them.
QStringList counts(const QWidget *screen);
// Which face shows: "si", "no", "both" or "none".
QString face(const Quozzoli::ExerciseScreen *screen);
// The division on view (its label "EtNumero"): dividend and divisor.
std::pair<int, int> division(const QWidget *screen);
// The numbers written in a text: " 84 : 7 = " gives 84 and 7.
QList<int> numbersIn(const QString &text);
bool allTicked(Quozzoli::TermsPanel *panel, int lastItem);
inline const QString WrongSound = QStringLiteral(R"(\suoni\no.wav)");

// What a child must type on a numeric screen to solve the problem on view:
// each answer box in the order it opens, with the value it expects. Read
// from what the screen itself holds, never from the test's own arithmetic.
struct Step
{
    Quozzoli::AnswerBox *box = nullptr;
    int expected = 0;
};
QList<Step> rightSteps(const Quozzoli::ExerciseScreen *screen);

// By keys and mouse.
// Types the text into the box (in place of what it holds, if there is a
// text), then Enter there.
void answer(Quozzoli::AnswerBox *box, const QString &text);
// Types the text key by key, characters beyond ASCII as text of no key.
void type(QWidget *box, const QString &text);
void trigger(const Quozzoli::ExerciseScreen *screen, const char *menuItem);
void clickAvanti(const Quozzoli::ExerciseScreen *screen);
void confirm(Quozzoli::TermsPanel *panel);
void tick(Quozzoli::TermsPanel *panel, int term, bool on);
// Leaves ticked only the given items, as a child would by clicking.
void tickOnly(Quozzoli::TermsPanel *panel, const std::set<int> &terms, int lastItem);

// By finger, on a touch screen (QTest::createTouchDevice()).
// A finger taps the widget (at its centre unless told).
void tap(QPointingDevice *finger, QWidget *widget, std::optional<QPoint> at = std::nullopt);
void tapMenu(QPointingDevice *finger, const Quozzoli::ExerciseScreen *screen, const char *name);
// A key of the on-screen keypad of the screen on view: "5", "Cancella", "Invio".
void tapKey(QPointingDevice *finger, const QString &key);
// Taps the digits of the text on the keypad, then Enter.
void tapAnswer(QPointingDevice *finger, const QString &text);

} // namespace ScreenDriver
