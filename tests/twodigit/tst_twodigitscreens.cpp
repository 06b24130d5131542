// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "answerbox.h"
#include "form11.h"
#include "form2.h"
#include "form4.h"
#include "form5.h"
#include "picturebutton.h"
#include "sharedvalues.h"
#include "svgpicture.h"
#include "testenvironment.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QTest>

using namespace Quozzoli;

Q_DECLARE_METATYPE(Quozzoli::ScreenId)

namespace {

const QString WrongSound = QStringLiteral("\\suoni\\no.wav");

struct Division
{
    int divisor = 1;
    int quotient = 0;
    int remainder = 0;
};

bool hasRemainder(ScreenId id)
{
    return id == ScreenId::Form4 || id == ScreenId::Form11;
}

QList<ScreenId> allScreens()
{
    return {ScreenId::Form2, ScreenId::Form5, ScreenId::Form4, ScreenId::Form11};
}

const char *nameOf(ScreenId id)
{
    switch (id) {
    case ScreenId::Form2:
        return "Form2";
    case ScreenId::Form4:
        return "Form4";
    case ScreenId::Form5:
        return "Form5";
    default:
        return "Form11";
    }
}

const char *waitName(bool wait)
{
    return wait ? "waits" : "goes on";
}

// The draws of one new problem: the colour first, then the division.
void scriptProblem(ScriptedRandom &random, ScreenId id, int colourIndex, const Division &d)
{
    random.pushDraw(colourIndex - 1, 18);
    random.pushDraw(d.divisor - 1, 9);
    random.pushDraw(d.quotient, 99);
    if (hasRemainder(id))
        random.pushDraw(d.remainder, d.divisor);
}

QString caption(ScreenId id, const Division &d)
{
    const int dividend = d.quotient * d.divisor + (hasRemainder(id) ? d.remainder : 0);
    return QStringLiteral(" %1 :  %2 =%3")
        .arg(dividend)
        .arg(d.divisor)
        .arg(hasRemainder(id) ? QStringLiteral("    ") : QStringLiteral(" "));
}

// The digits typed box after box: tens, units (and the remainder).
QStringList rightAnswers(ScreenId id, const Division &d)
{
    QStringList answers {QString::number(d.quotient / 10), QString::number(d.quotient % 10)};
    if (hasRemainder(id))
        answers << QString::number(d.remainder);
    return answers;
}

// The widget that Tab leads to from `widget`.
QWidget *tabFrom(QWidget *widget)
{
    QWidget *next = widget->nextInFocusChain();
    while (next != widget && !(next->focusPolicy() & Qt::TabFocus))
        next = next->nextInFocusChain();
    return next;
}

void answer(AnswerBox *box, const QString &text)
{
    box->selectAll();
    QTest::keyClicks(box, text);
    QTest::keyClick(box, Qt::Key_Return);
}

} // namespace

class TestTwoDigitScreens : public QObject
{
    Q_OBJECT

private slots:
    void opensOnFirstProblem_data();
    void opensOnFirstProblem();
    void solvesAProblem_data();
    void solvesAProblem();
    void wrongEntries_data();
    void wrongEntries();
    void enterOnEmptyBoxDoesNothing_data();
    void enterOnEmptyBoxDoesNothing();
    void readings_data();
    void readings();
    void smallQuotients_data();
    void smallQuotients();
    void azzeraMidProblem_data();
    void azzeraMidProblem();
    void screensKeepTheirDividendRule_data();
    void screensKeepTheirDividendRule();

private:
    // Opens the screen on the given division, with the menu's switch set.
    TwoDigitScreen *open(ScreenId id, bool wait, const Division &d, int colourIndex = 5);
    QList<AnswerBox *> boxes() const;
    // Only the box `open` is enabled (none once solved), and it has the focus.
    void verifyOpenBox(int open) const;
    void verifyFaces(bool right, bool wrong) const;
    void verifyCounts(const char *right, const char *wrong) const;
    // Types right answers into the first `count` boxes.
    void answerRight(const QStringList &answers, int count);

    std::unique_ptr<TestEnvironment> m_env;
    TwoDigitScreen *m_screen = nullptr;

private slots:
    void init() { m_env = std::make_unique<TestEnvironment>(); }
    void cleanup()
    {
        m_env.reset();
        m_screen = nullptr;
    }
};

TwoDigitScreen *TestTwoDigitScreens::open(ScreenId id, bool wait, const Division &d,
                                          int colourIndex)
{
    shared().attendiBottone = wait;
    scriptProblem(m_env->random, id, colourIndex, d);
    m_screen = m_env->open<TwoDigitScreen>(id);
    if (!m_screen || !QTest::qWaitForWindowActive(m_screen))
        return nullptr;
    return m_screen;
}

QList<AnswerBox *> TestTwoDigitScreens::boxes() const
{
    QList<AnswerBox *> list;
    for (const char *name : {"Edar", "Eur", "Text2"}) {
        if (auto *box = m_screen->findChild<AnswerBox *>(QLatin1String(name)))
            list << box;
    }
    return list;
}

void TestTwoDigitScreens::verifyOpenBox(int open) const
{
    const QList<AnswerBox *> list = boxes();
    for (int i = 0; i < list.size(); ++i)
        QVERIFY2(list[i]->isEnabled() == (i == open), qPrintable(list[i]->objectName()));
    if (open >= 0)
        QCOMPARE(QApplication::focusWidget(), list[open]);
}

void TestTwoDigitScreens::verifyFaces(bool right, bool wrong) const
{
    QCOMPARE(m_screen->comandoIconaSi()->isVisible(), right);
    QCOMPARE(m_screen->comandoIconaNo()->isVisible(), wrong);
}

void TestTwoDigitScreens::verifyCounts(const char *right, const char *wrong) const
{
    QCOMPARE(m_screen->etichettaEsatti()->text(), QLatin1String(right));
    QCOMPARE(m_screen->etichettaErrati()->text(), QLatin1String(wrong));
    QCOMPARE(shared().numeroEsatti.value(), QString::fromLatin1(right).trimmed().toInt());
    QCOMPARE(shared().numeroErrati.value(), QString::fromLatin1(wrong).trimmed().toInt());
}

void TestTwoDigitScreens::answerRight(const QStringList &answers, int count)
{
    const QList<AnswerBox *> list = boxes();
    for (int i = 0; i < count; ++i)
        answer(list[i], answers[i]);
}

void TestTwoDigitScreens::opensOnFirstProblem_data()
{
    QTest::addColumn<ScreenId>("id");
    QTest::addColumn<bool>("wait");
    QTest::addColumn<QColor>("colour3"); // entry 3 of the screen's colours
    const QList<QColor> entry3 {QColor(255, 0, 0), QColor(192, 192, 255), QColor(255, 192, 255),
                                QColor(255, 192, 255)};
    for (int i = 0; i < allScreens().size(); ++i) {
        for (bool wait : {true, false})
            QTest::addRow("%s %s", nameOf(allScreens()[i]), waitName(wait))
                << allScreens()[i] << wait << entry3[i];
    }
}

void TestTwoDigitScreens::opensOnFirstProblem()
{
    QFETCH(ScreenId, id);
    QFETCH(bool, wait);
    QFETCH(QColor, colour3);

    shared().numeroEsatti.increment(); // whatever an earlier screen counted
    const Division d {7, 12, 2};
    QVERIFY(open(id, wait, d, 3));

    QCOMPARE(m_screen->findChild<QLabel *>("EtNumero")->text(), caption(id, d));
    QCOMPARE(m_screen->background(), colour3);
    QCOMPARE(m_env->random.pending(), 0);
    QCOMPARE(shared().divisore, 7);
    QCOMPARE(shared().quoziente, 12);
    QCOMPARE(shared().dividendo, hasRemainder(id) ? 86 : 84);
    if (hasRemainder(id))
        QCOMPARE(shared().resto, 2);
    verifyCounts("0", "0");
    verifyFaces(true, true);
    verifyOpenBox(0);
    QCOMPARE(m_screen->bottoneAvanti()->isVisible(), wait);
    QVERIFY(!m_screen->bottoneAvanti()->isEnabled());

    const QList<AnswerBox *> list = boxes();
    QCOMPARE(list.size(), hasRemainder(id) ? 3 : 2);
    for (int i = 0; i + 1 < list.size(); ++i)
        QCOMPARE(tabFrom(list[i]), list[i + 1]);
    QCOMPARE(list[0]->palette().color(QPalette::Base), QColor(255, 0, 0));
    QCOMPARE(list[1]->palette().color(QPalette::Base), QColor(0, 0, 255));
    auto *label3 = m_screen->findChild<QLabel *>("Label3");
    QCOMPARE(label3 != nullptr, hasRemainder(id));
    if (label3)
        QCOMPARE(label3->text(), QStringLiteral("R."));
    QVERIFY(m_env->sound.played().isEmpty());
}

void TestTwoDigitScreens::solvesAProblem_data()
{
    QTest::addColumn<ScreenId>("id");
    QTest::addColumn<bool>("wait");
    for (ScreenId id : allScreens()) {
        for (bool wait : {true, false})
            QTest::addRow("%s %s", nameOf(id), waitName(wait)) << id << wait;
    }
}

void TestTwoDigitScreens::solvesAProblem()
{
    QFETCH(ScreenId, id);
    QFETCH(bool, wait);

    const Division first {7, 12, 2};
    const Division second {3, 25, 1};
    QVERIFY(open(id, wait, first, 5));
    const QColor firstColour = m_screen->background();
    const QList<AnswerBox *> list = boxes();
    const QStringList answers = rightAnswers(id, first);

    // Every entry but the last opens the next box and counts nothing.
    for (int i = 0; i + 1 < list.size(); ++i) {
        answer(list[i], answers[i]);
        verifyOpenBox(i + 1);
        verifyFaces(true, false);
        QCOMPARE(list[i]->text(), answers[i]);
        QVERIFY(list[i + 1]->text().isEmpty());
    }
    verifyCounts("0", "0");
    QVERIFY(m_env->sound.played().isEmpty());

    m_env->random.pushDraw(2, 4); // the right sound
    if (!wait)
        scriptProblem(m_env->random, id, 9, second);
    answer(list.last(), answers.last());
    verifyCounts(" 1", "0");
    verifyFaces(true, false);
    QCOMPARE(m_env->sound.relativePaths(SoundPlayer::Mode::Asynchronous),
             QStringList {"\\suoni\\si3.wav"});
    QCOMPARE(m_env->sound.played().size(), 1);

    auto *etNumero = m_screen->findChild<QLabel *>("EtNumero");
    PictureButton *avanti = m_screen->bottoneAvanti();
    if (wait) {
        // The solved problem stays until "avanti" is pressed.
        verifyOpenBox(-1);
        QCOMPARE(list.last()->text(), answers.last());
        QCOMPARE(etNumero->text(), caption(id, first));
        QCOMPARE(m_screen->background(), firstColour);
        QVERIFY(avanti->isEnabled());
        QVERIFY(!avanti->hasFocus());
        scriptProblem(m_env->random, id, 9, second);
        QTest::mouseClick(avanti, Qt::LeftButton);
        QVERIFY(!avanti->isEnabled());
    } else {
        QVERIFY(!avanti->isVisible());
    }
    QCOMPARE(m_env->random.pending(), 0);
    QCOMPARE(etNumero->text(), caption(id, second));
    QVERIFY(m_screen->background() != firstColour);
    verifyOpenBox(0);
    for (AnswerBox *box : list)
        QVERIFY(box->text().isEmpty());
    verifyFaces(true, false); // the last verdict stays into the new problem
    verifyCounts(" 1", "0");
}

void TestTwoDigitScreens::wrongEntries_data()
{
    QTest::addColumn<ScreenId>("id");
    QTest::addColumn<bool>("wait");
    QTest::addColumn<int>("box");
    for (ScreenId id : allScreens()) {
        for (bool wait : {true, false}) {
            for (int box = 0; box < (hasRemainder(id) ? 3 : 2); ++box)
                QTest::addRow("%s %s box %d", nameOf(id), waitName(wait), box) << id << wait << box;
        }
    }
}

void TestTwoDigitScreens::wrongEntries()
{
    QFETCH(ScreenId, id);
    QFETCH(bool, wait);
    QFETCH(int, box);

    const Division d {7, 12, 2};
    QVERIFY(open(id, wait, d));
    const QList<AnswerBox *> list = boxes();
    const QStringList answers = rightAnswers(id, d);
    answerRight(answers, box);

    answer(list[box], QStringLiteral("5"));
    verifyFaces(false, true);
    verifyCounts("0", " 1");
    verifyOpenBox(box);
    QCOMPARE(list[box]->text(), QStringLiteral("5"));
    QCOMPARE(m_env->sound.relativePaths(SoundPlayer::Mode::Asynchronous), QStringList {WrongSound});

    // Each Enter on a wrong text counts again.
    QTest::keyClick(list[box], Qt::Key_Return);
    verifyCounts("0", " 2");
    verifyOpenBox(box);
    QCOMPARE(m_env->sound.relativePaths(), QStringList({WrongSound, WrongSound}));

    // The right answer after wrong ones shows the happy face, the last box too.
    const bool last = box + 1 == list.size();
    if (last && !wait)
        scriptProblem(m_env->random, id, 9, d);
    answer(list[box], answers[box]);
    verifyFaces(true, false);
    verifyCounts(last ? " 1" : "0", " 2");
    if (!last)
        verifyOpenBox(box + 1);
    else
        verifyOpenBox(wait ? -1 : 0);
}

void TestTwoDigitScreens::enterOnEmptyBoxDoesNothing_data()
{
    wrongEntries_data();
}

void TestTwoDigitScreens::enterOnEmptyBoxDoesNothing()
{
    QFETCH(ScreenId, id);
    QFETCH(bool, wait);
    QFETCH(int, box);

    const Division d {7, 12, 2};
    QVERIFY(open(id, wait, d));
    const QList<AnswerBox *> list = boxes();
    answerRight(rightAnswers(id, d), box);
    const bool rightFace = m_screen->comandoIconaSi()->isVisible();
    const bool wrongFace = m_screen->comandoIconaNo()->isVisible();
    const int draws = m_env->random.draws();

    QTest::keyClick(list[box], Qt::Key_Return);
    QTest::keyClick(list[box], Qt::Key_Enter, Qt::KeypadModifier);
    verifyCounts("0", "0");
    verifyFaces(rightFace, wrongFace);
    verifyOpenBox(box);
    QVERIFY(m_env->sound.played().isEmpty());
    QCOMPARE(m_env->random.draws(), draws);
}

void TestTwoDigitScreens::readings_data()
{
    QTest::addColumn<ScreenId>("id");
    QTest::addColumn<int>("box");
    QTest::addColumn<int>("digit");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("right");

    struct Reading
    {
        int box;
        int digit;
        const char *text;
        bool right;
    };
    const QList<Reading> readings {
        {0, 7, "7", true},   {0, 7, " 7", true},  {0, 7, "07", true},   {0, 7, "7a", true},
        {0, 7, "7.0", true}, {0, 7, "a7", false}, {0, 7, "7.5", false}, {0, 7, "70", false},
        {0, 0, "a7", true},  {0, 0, " ", true},   {0, 0, "7", false},   {1, 4, "4 ", true},
        {1, 4, "0 4", true}, {1, 4, "a4", false}, {1, 0, "x", true},    {2, 3, "3", true},
        {2, 3, " 03", true}, {2, 3, "3b", true},  {2, 3, "b3", false},  {2, 0, "0", true},
        {2, 0, "-", true},   {2, 0, "1", false},
    };
    for (ScreenId id : allScreens()) {
        for (const Reading &r : readings) {
            if (r.box < 2 || hasRemainder(id))
                QTest::addRow("%s box %d %d \"%s\"", nameOf(id), r.box, r.digit, r.text)
                    << id << r.box << r.digit << QString::fromLatin1(r.text) << r.right;
        }
    }
}

void TestTwoDigitScreens::readings()
{
    QFETCH(ScreenId, id);
    QFETCH(int, box);
    QFETCH(int, digit);
    QFETCH(QString, text);
    QFETCH(bool, right);

    // A division whose digit in the tested box is `digit`.
    Division d {9, 5, 0};
    if (box == 0)
        d = {1, digit * 10 + 3, 0};
    else if (box == 1)
        d = {1, 30 + digit, 0};
    else
        d.remainder = digit;
    QVERIFY(open(id, true, d));
    const QList<AnswerBox *> list = boxes();
    answerRight(rightAnswers(id, d), box);

    answer(list[box], text);
    verifyCounts(right && box + 1 == list.size() ? " 1" : "0", right ? "0" : " 1");
    verifyFaces(right, !right);
    verifyOpenBox(right ? (box + 1 == list.size() ? -1 : box + 1) : box);
}

void TestTwoDigitScreens::smallQuotients_data()
{
    QTest::addColumn<ScreenId>("id");
    QTest::addColumn<bool>("wait");
    QTest::addColumn<int>("divisor");
    QTest::addColumn<int>("quotient");
    QTest::addColumn<int>("remainder");
    QTest::addColumn<QString>("expected");
    for (ScreenId id : allScreens()) {
        for (bool wait : {true, false}) {
            QTest::addRow("%s %s 7", nameOf(id), waitName(wait))
                << id << wait << 8 << 7 << 5
                << (hasRemainder(id) ? " 61 :  8 =    " : " 56 :  8 = ");
            QTest::addRow("%s %s 0", nameOf(id), waitName(wait))
                << id << wait << 3 << 0 << 2 << (hasRemainder(id) ? " 2 :  3 =    " : " 0 :  3 = ");
        }
    }
}

void TestTwoDigitScreens::smallQuotients()
{
    QFETCH(ScreenId, id);
    QFETCH(bool, wait);
    QFETCH(int, divisor);
    QFETCH(int, quotient);
    QFETCH(int, remainder);
    QFETCH(QString, expected);

    const Division d {divisor, quotient, remainder};
    QVERIFY(open(id, wait, d));
    QCOMPARE(m_screen->findChild<QLabel *>("EtNumero")->text(), expected);
    const QList<AnswerBox *> list = boxes();

    // A quotient below 10 still has its tens digit typed, as 0.
    answer(list[0], QString::number(quotient));
    verifyCounts("0", quotient == 0 ? "0" : " 1");
    if (quotient != 0)
        answer(list[0], QStringLiteral("0"));
    verifyOpenBox(1);
    answer(list[1], QString::number(quotient));
    if (hasRemainder(id))
        answer(list[2], QString::number(remainder));
    verifyCounts(" 1", quotient == 0 ? "0" : " 1");
}

void TestTwoDigitScreens::azzeraMidProblem_data()
{
    solvesAProblem_data();
}

void TestTwoDigitScreens::azzeraMidProblem()
{
    QFETCH(ScreenId, id);
    QFETCH(bool, wait);

    const Division d {7, 12, 2};
    QVERIFY(open(id, wait, d));
    const QList<AnswerBox *> list = boxes();
    const QStringList answers = rightAnswers(id, d);
    answer(list[0], QStringLiteral("9"));
    answer(list[0], answers[0]);
    verifyCounts("0", " 1");

    m_screen->menuAction(QStringLiteral("MenuAzzera"))->trigger();
    verifyCounts("0", "0");
    // The problem goes on where it was.
    QCOMPARE(m_screen->findChild<QLabel *>("EtNumero")->text(), caption(id, d));
    QCOMPARE(list[0]->text(), answers[0]);
    verifyOpenBox(1);
    verifyFaces(true, false);

    if (!wait)
        scriptProblem(m_env->random, id, 9, d);
    for (int i = 1; i < list.size(); ++i)
        answer(list[i], answers[i]);
    verifyCounts(" 1", "0");
}

void TestTwoDigitScreens::screensKeepTheirDividendRule_data()
{
    QTest::addColumn<ScreenId>("id");
    QTest::addColumn<QString>("expected");
    QTest::newRow("Form2 draws again") << ScreenId::Form2 << " 84 :  7 = ";
    QTest::newRow("Form4 draws again") << ScreenId::Form4 << " 86 :  7 =    ";
    QTest::newRow("Form5 keeps") << ScreenId::Form5 << " 450 :  9 = ";
    QTest::newRow("Form11 keeps") << ScreenId::Form11 << " 453 :  9 =    ";
}

void TestTwoDigitScreens::screensKeepTheirDividendRule()
{
    QFETCH(ScreenId, id);
    QFETCH(QString, expected);

    scriptProblem(m_env->random, id, 1, {9, 50, 3});
    m_env->random.pushDraw(6, 9);
    m_env->random.pushDraw(12, 99);
    if (hasRemainder(id))
        m_env->random.pushDraw(2, 7);
    QVERIFY(open(id, true, {5, 10, 1})); // drawn only for the next problem
    QCOMPARE(m_screen->findChild<QLabel *>("EtNumero")->text(), expected);
}

QTEST_MAIN(TestTwoDigitScreens)
#include "tst_twodigitscreens.moc"
