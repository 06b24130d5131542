// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "answerbox.h"
#include "answerchain.h"
#include "colourtable.h"
#include "exercisescreen.h"
#include "problemlabel.h"
#include "testenvironment.h"

#include <QKeyEvent>
#include <QSignalSpy>
#include <QTest>

using namespace Quozzoli;

Q_DECLARE_METATYPE(Quozzoli::ScreenId)
Q_DECLARE_METATYPE(Quozzoli::ColourTableVariant)

class TestExerciseFrame : public QObject
{
    Q_OBJECT

private slots:
    void coloursComeFromTheScreensTable_data();
    void coloursComeFromTheScreensTable();
    void answerChainReportsItsVerdicts_data();
    void answerChainReportsItsVerdicts();
    void enterIsJudgedOnRelease();
    void longProblemsShrinkToFit();
};

void TestExerciseFrame::coloursComeFromTheScreensTable_data()
{
    QTest::addColumn<ScreenId>("id");
    QTest::addColumn<QList<QColor>>("colours"); // by the number drawn; one alone: always kept
    const auto table = [](ColourTableVariant variant) {
        QList<QColor> colours;
        for (const Rgb &c : colourTable(variant))
            colours << QColor(c.red, c.green, c.blue);
        return colours;
    };
    QTest::newRow("Form1") << ScreenId::Form1 << table(ColourTableVariant::Standard);
    QTest::newRow("Form2") << ScreenId::Form2 << table(ColourTableVariant::TwoDigitsSmall);
    QTest::newRow("Form3") << ScreenId::Form3 << table(ColourTableVariant::Standard);
    QTest::newRow("Form4") << ScreenId::Form4 << table(ColourTableVariant::TwoDigitsWithRemainder);
    QTest::newRow("Form5") << ScreenId::Form5 << table(ColourTableVariant::TwoDigitsLarge);
    QTest::newRow("Form10") << ScreenId::Form10 << table(ColourTableVariant::Standard);
    QTest::newRow("Form11") << ScreenId::Form11
                            << table(ColourTableVariant::TwoDigitsWithRemainder);
    QTest::newRow("Form6") << ScreenId::Form6 << QList<QColor> {QColor(0, 192, 0)};
    QTest::newRow("Form7") << ScreenId::Form7 << QList<QColor> {QColor(255, 0, 255)};
    QTest::newRow("Form8") << ScreenId::Form8 << QList<QColor> {QColor(255, 128, 0)};
    QTest::newRow("Form9") << ScreenId::Form9 << QList<QColor> {QColor(128, 128, 255)};
}

void TestExerciseFrame::coloursComeFromTheScreensTable()
{
    QFETCH(ScreenId, id);
    QFETCH(QList<QColor>, colours);
    TestEnvironment env;
    Screen *screen = env.open(id);
    for (int k = 0; k < ColourTableSize; ++k) {
        if (colours.size() > 1)
            env.random.pushDraw(k, ColourTableSize);
        screen->caricaColori();
        QCOMPARE(screen->background(), colours.value(k, colours.first()));
    }
}

void TestExerciseFrame::answerChainReportsItsVerdicts_data()
{
    QTest::addColumn<bool>("judgesEmpty");
    QTest::addColumn<QStringList>("entries"); // box:text, Enter released in box 0 or 1
    QTest::addColumn<QStringList>("verdicts");
    QTest::newRow("right, right") << false << QStringList {"0:4", "1:7"}
                                  << QStringList {"right 0", "solved 1"};
    QTest::newRow("wrong twice, corrected") << false << QStringList {"0:5", "0:5", "0: 4"}
                                            << QStringList {"wrong 0", "wrong 0", "right 0"};
    QTest::newRow("out of turn") << false << QStringList {"1:7", "0:4", "0:4", "1:3"}
                                 << QStringList {"right 0", "wrong 1"};
    QTest::newRow("nothing once solved")
        << false << QStringList {"0:4", "1:7", "1:7", "0:4"} << QStringList {"right 0", "solved 1"};
    QTest::newRow("empty ignored")
        << false << QStringList {"0:", "0:4", "1:"} << QStringList {"right 0"};
    QTest::newRow("empty judged") << true << QStringList {"0:", "0:4", "1:"}
                                  << QStringList {"wrong 0", "right 0", "wrong 1"};
}

void TestExerciseFrame::answerChainReportsItsVerdicts()
{
    QFETCH(bool, judgesEmpty);
    QFETCH(QStringList, entries);
    QFETCH(QStringList, verdicts);
    QWidget window;
    AnswerBox *boxes[] = {new AnswerBox(QStringLiteral("Text1"), &window),
                          new AnswerBox(QStringLiteral("Text2"), &window)};
    AnswerChain chain({boxes[0], boxes[1]}, {.judgesEmpty = judgesEmpty}, nullptr);
    QStringList heard;
    const auto hear = [&heard, &boxes](const char *verdict) {
        return [&heard, &boxes, verdict](AnswerBox *box) {
            heard << QLatin1String(verdict) + (box == boxes[0] ? " 0" : " 1");
        };
    };
    QObject::connect(&chain, &AnswerChain::wrong, &chain, hear("wrong"));
    QObject::connect(&chain, &AnswerChain::right, &chain, hear("right"));
    QObject::connect(&chain, &AnswerChain::solved, &chain, hear("solved"));
    // The answers are read where the problem keeps them, when they are judged.
    const int quotient = 4;
    int remainder = 0;
    chain.start(
        {{boxes[0], AnswerChain::reading(quotient)}, {boxes[1], AnswerChain::reading(remainder)}});
    QVERIFY(boxes[0]->isEnabled() && !boxes[1]->isEnabled());
    remainder = 7;
    for (const QString &entry : entries) {
        AnswerBox *box = boxes[entry.front() == QLatin1Char('1')];
        box->setText(entry.mid(2));
        chain.judge(box);
    }
    QCOMPARE(heard, verdicts);
    // Only a right entry moves the turn on, closing its box.
    const bool movedOn = verdicts.contains(QStringLiteral("right 0"));
    QCOMPARE(boxes[0]->isEnabled(), !movedOn);
    QCOMPARE(boxes[1]->isEnabled(), movedOn);
}

void TestExerciseFrame::enterIsJudgedOnRelease()
{
    AnswerBox box(QStringLiteral("Text1"));
    box.show();
    QSignalSpy judged(&box, &AnswerBox::enterReleased);
    QTest::keyPress(&box, Qt::Key_Return);
    QCOMPARE(judged.count(), 0);
    QTest::keyRelease(&box, Qt::Key_Return);
    QCOMPARE(judged.count(), 1);
    QTest::keyClick(&box, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(judged.count(), 2);
    // A held key repeats its press and release: only the last release counts.
    QKeyEvent repeated(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier, QString(), true);
    QCoreApplication::sendEvent(&box, &repeated);
    QCOMPARE(judged.count(), 2);
    // The release of an Enter that pressed a button or closed a message box.
    QTest::keyRelease(&box, Qt::Key_Return);
    QCOMPARE(judged.count(), 2);
    QTest::keyClick(&box, Qt::Key_A);
    QTest::keyClick(&box, Qt::Key_Tab);
    QCOMPARE(judged.count(), 2);
    QCOMPARE(box.text(), QStringLiteral("a"));

    box.setText(QStringLiteral(" 7a"));
    QVERIFY(box.holds(7));
    QVERIFY(!box.holds(0));
}

void TestExerciseFrame::longProblemsShrinkToFit()
{
    ProblemLabel label(QStringLiteral("EtNumero"));
    QFont font;
    // As the screens ask for it: Arial, or the face with its measures.
    font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    font.setBold(true);
    font.setPixelSize(48);
    label.setFont(font);
    label.resize(188, 62);
    label.setText(QStringLiteral(" 5 :  5 = "));
    QCOMPARE(label.fittedFont().pixelSize(), 48);
    label.setText(QStringLiteral(" 890 :  9 = "));
    const QFont fitted = label.fittedFont();
    QVERIFY(fitted.pixelSize() < 48);
    QVERIFY(QFontMetrics(fitted).horizontalAdvance(label.text()) <= label.contentsRect().width());
    QCOMPARE(label.font().pixelSize(), 48); // the design font itself stays
}

QTEST_MAIN(TestExerciseFrame)
#include "tst_exerciseframe.moc"
