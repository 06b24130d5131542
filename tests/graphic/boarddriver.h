// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "candyboard.h"
#include "candydrop.h"
#include "screendriver.h"
#include "testenvironment.h"

#include <QLabel>
#include <QMetaObject>
#include <QTimer>

// The files a board says.
namespace BoardSounds {

inline QString number(int n)
{
    return QStringLiteral("\\voci\\%1.wav").arg(n);
}

inline const QString CiSono = QStringLiteral("\\voci\\cisono.wav");
inline const QString Caramelle = QStringLiteral("\\voci\\caramelle.wav");
inline const QString Attento = QStringLiteral("\\voci\\attento1.wav");

// A division read back: "27 diviso 3 uguale 9", with "resto" and the remainder if any.
inline QStringList solution(int dividendo, int divisore, int quoziente, int resto = -1)
{
    QStringList files {number(dividendo), QStringLiteral("\\voci\\diviso.wav"), number(divisore),
                       QStringLiteral("\\voci\\uguale.wav"), number(quoziente)};
    if (resto >= 0)
        files << QStringLiteral("\\voci\\resto.wav") << number(resto);
    return files;
}

} // namespace BoardSounds

// Opens a candy board whose first problem is the one given, and drives its
// step clock as the running timer would.
struct BoardDriver
{
    TestEnvironment &env;
    Quozzoli::CandyBoard *board = nullptr;
    Quozzoli::ScreenId id = Quozzoli::ScreenId::Form6;

    // The board's next problem, drawn as its screen draws one: Form6 and
    // Form8 share candies among children, Form8 and Form9 leave a remainder.
    void scriptProblem(int divisore, int quoziente, int resto)
    {
        using Quozzoli::ScreenId;
        const bool remainder = id == ScreenId::Form8 || id == ScreenId::Form9;
        const Quozzoli::ProblemRule rule = id == ScreenId::Form6 || id == ScreenId::Form8
            ? Quozzoli::ProblemRule::partition(remainder)
            : Quozzoli::ProblemRule::quotition(remainder);
        env.random.pushDraw(divisore - 1, rule.divisorMax());
        env.random.pushDraw(quoziente - 1, rule.quotientMax());
        if (remainder)
            env.random.pushDraw(resto, divisore);
    }

    Quozzoli::CandyBoard *open(Quozzoli::ScreenId screen, int divisore, int quoziente,
                               int resto = 0)
    {
        // Opening draws nothing: the problem is drawn in the first step.
        id = screen;
        board = static_cast<Quozzoli::CandyBoard *>(env.open(id));
        scriptProblem(divisore, quoziente, resto);
        return board;
    }

    QTimer *timer() const { return control<QTimer>(QStringLiteral("Timer1")); }
    int step() const { return stepOnView(board); }
    int held(int child) const { return ::held(board, child); }

    // The clock moves on, then Timer1 fires if it is running. Sentences
    // end as the events run, before and after, unless the test holds them.
    void tick(int ms)
    {
        QCoreApplication::processEvents();
        env.clock.advance(ms);
        if (timer()->isActive())
            QMetaObject::invokeMethod(timer(), "timeout");
        QCoreApplication::processEvents();
    }

    void introduce(int steps = 3)
    {
        for (int i = 0; i < steps; ++i)
            tick(2000);
    }

    template<class T = QWidget> T *control(const QString &name) const
    {
        return board->findChild<T *>(name);
    }
    Quozzoli::CandyPicture *candy(int i) const { return ::candy(board, i); }
    QWidget *child(int n) const { return control(QStringLiteral("ImBambino_%1").arg(n)); }
    QWidget *tray(int n) const { return control(QStringLiteral("Frame1_%1").arg(n)); }
    QWidget *disc(int i) const { return control(QStringLiteral("Shape1_%1").arg(i)); }
    QString text(const QString &name) const { return control<QLabel>(name)->text(); }

    int candiesOnTable() const { return ::candiesOnTable(board); }

    // Drops the first candy still on the table on the child.
    void drop(int child)
    {
        for (int i = 0; i < Quozzoli::CandyBoard::Candies; ++i) {
            if (!candy(i)->isHidden()) {
                dropCandy(board, child, i);
                return;
            }
        }
    }
};
