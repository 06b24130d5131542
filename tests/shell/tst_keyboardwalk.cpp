// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "answerbox.h"
#include "exercisescreen.h"
#include "picturebutton.h"
#include "screendriver.h"
#include "testenvironment.h"

#include <QAction>
#include <QGuiApplication>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <QWindow>

using namespace Quozzoli;

Q_DECLARE_METATYPE(Quozzoli::ScreenId)

namespace {

// The keys reach the window on view once the X server has given it the
// focus, and in it whichever control holds the focus: the test never picks
// a control.
void key(Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    Screen *screen = TestEnvironment::current();
    QVERIFY(screen && QTest::qWaitForWindowActive(screen, Patience));
    QCOMPARE(QGuiApplication::focusWindow(), screen->windowHandle());
    QTest::keyClick(screen->windowHandle(), k, modifiers);
    QCoreApplication::processEvents(); // a prompt it brings ends
}

void type(int number)
{
    for (const QChar digit : QString::number(number))
        key(Qt::Key(Qt::Key_0 + digit.digitValue()));
}

Screen *activeScreen()
{
    Screen *screen = TestEnvironment::current();
    if (screen && !QTest::qWaitForWindowActive(screen, Patience))
        return nullptr;
    return screen;
}

} // namespace

// A child who has no mouse: every screen from the keyboard alone, on a real
// X server where each window has to get the keyboard focus.
class TestKeyboardWalk : public QObject
{
    Q_OBJECT

private slots:
    void walk();

private:
    void openFromMenu(int tabs);
    void solveNumeric(ExerciseScreen *screen);
    void solveBoard(ExerciseScreen *screen);
    void nextProblem(ExerciseScreen *screen);
    void backToMenu();

    TestEnvironment *m_env = nullptr;
};

void TestKeyboardWalk::openFromMenu(int tabs)
{
    Screen *menu = activeScreen();
    QVERIFY(menu);
    QCOMPARE(menu->objectName(), QStringLiteral("FormMenu"));
    for (int i = 0; i < tabs; ++i)
        key(Qt::Key_Tab);
    key(Qt::Key_Return);
    TestEnvironment::settle();
}

// The answer the child works out from the problem on view, digit by digit
// where the screen asks for the digits, then Enter.
void TestKeyboardWalk::solveNumeric(ExerciseScreen *screen)
{
    const QString name = screen->objectName();
    const QLabel *problem = screen->findChild<QLabel *>(name == QLatin1String("Form10")
                                                            ? QStringLiteral("EtichettaNumero")
                                                            : QStringLiteral("EtNumero"));
    const QList<int> n = ScreenDriver::numbersIn(problem->text());
    QList<int> answers;
    if (name == QLatin1String("Form10")) {
        answers << n.at(1) / n.at(0); // the missing factor
    } else if (screen->findChild<AnswerBox *>(QStringLiteral("Edar"))) {
        answers << n.at(0) / n.at(1) / 10 << n.at(0) / n.at(1) % 10;
        if (screen->findChild<AnswerBox *>(QStringLiteral("Text2")))
            answers << n.at(0) % n.at(1);
    } else {
        answers << n.at(0) / n.at(1);
        if (name == QLatin1String("Form3"))
            answers << n.at(0) % n.at(1);
    }
    for (int answer : std::as_const(answers)) {
        type(answer);
        key(Qt::Key_Return);
    }
}

// The candies go round the children with the keys 1 to 5 until the answer
// panel opens; then the answer, with Enter.
void TestKeyboardWalk::solveBoard(ExerciseScreen *screen)
{
    auto *timer = screen->findChild<QTimer *>(QStringLiteral("Timer1"));
    for (int step = 0; step < 3; ++step) {
        m_env->clock.advance(2000);
        if (timer->isActive())
            QMetaObject::invokeMethod(timer, "timeout");
        QCoreApplication::processEvents(); // its prompt ends
    }
    QWidget *panel = screen->findChild<QWidget *>(QStringLiteral("Frame2"));
    for (int round = 0; round < 30 && panel->isHidden(); ++round) {
        for (int child = 0; child < 5 && panel->isHidden(); ++child)
            key(Qt::Key(Qt::Key_1 + child));
    }
    QVERIFY(!panel->isHidden());
    const QList<int> n
        = ScreenDriver::numbersIn(screen->findChild<QLabel *>(QStringLiteral("Label7"))->text());
    type(n.at(0) / n.at(1));
    key(Qt::Key_Enter, Qt::KeypadModifier);
    if (screen->findChild<AnswerBox *>(QStringLiteral("Text2"))) {
        type(n.at(0) % n.at(1));
        key(Qt::Key_Enter, Qt::KeypadModifier);
    }
}

// "avanti" waits unfocused; one Tab reaches it and Enter presses it.
void TestKeyboardWalk::nextProblem(ExerciseScreen *screen)
{
    PictureButton *avanti = screen->bottoneAvanti();
    QVERIFY(avanti->isEnabled());
    QVERIFY(!avanti->hasFocus());
    // Nor when the window gets the focus back, as after a message box.
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other, Patience));
    screen->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(screen, Patience));
    QVERIFY(!avanti->hasFocus());
    key(Qt::Key_Tab);
    QVERIFY(avanti->hasFocus());
    key(Qt::Key_Return);
    QVERIFY(!avanti->isEnabled());
}

void TestKeyboardWalk::backToMenu()
{
    Screen *screen = activeScreen();
    QVERIFY(screen);
    m_env->boxes.answer(true);
    // The menu bar from the keyboard: Alt, then to the last entry, "Esci".
    key(Qt::Key_Alt);
    key(Qt::Key_Left);
    key(Qt::Key_Return);
    TestEnvironment::settle();
    QCOMPARE(m_env->boxes.questions().last(), QStringLiteral("Vuoi tornare al menù?"));
}

void TestKeyboardWalk::walk()
{
    TestEnvironment env;
    m_env = &env;
    env.open(ScreenId::FormAvvio);
    QVERIFY(activeScreen());
    key(Qt::Key_Return); // "Avvio" holds the focus
    TestEnvironment::settle();
    // Full screen for the whole walk: each screen opens as the one before it.
    key(Qt::Key_F11);

    // Each exercise and the Tabs from "Esci" to its button on the menu.
    const struct
    {
        const char *screen;
        int tabs;
    } exercises[] = {
        {"Form1", 1}, {"Form3", 2}, {"Form4", 3}, {"Form2", 4},   {"Form5", 5},   {"Form6", 6},
        {"Form7", 7}, {"Form8", 8}, {"Form9", 9}, {"Form10", 10}, {"Form11", 11},
    };
    for (const auto &exercise : exercises) {
        openFromMenu(exercise.tabs);
        auto *screen = qobject_cast<ExerciseScreen *>(activeScreen());
        QVERIFY2(screen, exercise.screen);
        QCOMPARE(screen->objectName(), QLatin1String(exercise.screen));
        QVERIFY(screen->isFullScreen());
        const bool board = screen->findChild<QWidget *>(QStringLiteral("Frame2"));
        for (int problem = 1; problem <= 2; ++problem) {
            if (board)
                solveBoard(screen);
            else
                solveNumeric(screen);
            QCOMPARE(screen->wrongCount().value(), 0);
            QCOMPARE(screen->rightCount().value(), problem);
            nextProblem(screen);
        }
        backToMenu();
    }

    // On the menu "Esci" holds the focus: Enter asks, and "Sì" ends the program.
    Screen *menu = activeScreen();
    QVERIFY(menu && menu->isFullScreen());
    key(Qt::Key_F11);
    QVERIFY(!menu->isFullScreen());
    env.boxes.answer(true);
    key(Qt::Key_Return);
    QCOMPARE(env.boxes.questions().last(), QStringLiteral("Vuoi uscire dal programma?"));
    QCOMPARE(env.quitRequests, 1);
}

QTEST_MAIN(TestKeyboardWalk)
#include "tst_keyboardwalk.moc"
