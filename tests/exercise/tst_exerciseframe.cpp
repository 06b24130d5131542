// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "answerbox.h"
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
    void graphicScreensKeepTheirColour_data();
    void graphicScreensKeepTheirColour();
    void enterIsJudgedOnRelease();
    void longProblemsShrinkToFit();
};

void TestExerciseFrame::coloursComeFromTheScreensTable_data()
{
    QTest::addColumn<ScreenId>("id");
    QTest::addColumn<ColourTableVariant>("variant");
    QTest::newRow("Form1") << ScreenId::Form1 << ColourTableVariant::Standard;
    QTest::newRow("Form2") << ScreenId::Form2 << ColourTableVariant::TwoDigitsSmall;
    QTest::newRow("Form3") << ScreenId::Form3 << ColourTableVariant::Standard;
    QTest::newRow("Form4") << ScreenId::Form4 << ColourTableVariant::TwoDigitsWithRemainder;
    QTest::newRow("Form5") << ScreenId::Form5 << ColourTableVariant::TwoDigitsLarge;
    QTest::newRow("Form10") << ScreenId::Form10 << ColourTableVariant::Standard;
    QTest::newRow("Form11") << ScreenId::Form11 << ColourTableVariant::TwoDigitsWithRemainder;
}

void TestExerciseFrame::coloursComeFromTheScreensTable()
{
    QFETCH(ScreenId, id);
    QFETCH(ColourTableVariant, variant);
    TestEnvironment env;
    Screen *screen = env.open(id);
    const auto table = colourTable(variant);
    for (int k = 0; k < ColourTableSize; ++k) {
        env.random.pushDraw(k, ColourTableSize);
        screen->caricaColori();
        const Rgb &c = table[std::size_t(k)];
        QCOMPARE(screen->background(), QColor(c.red, c.green, c.blue));
    }
}

void TestExerciseFrame::graphicScreensKeepTheirColour_data()
{
    QTest::addColumn<ScreenId>("id");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("Form6") << ScreenId::Form6 << QColor(0, 192, 0);
    QTest::newRow("Form7") << ScreenId::Form7 << QColor(255, 0, 255);
    QTest::newRow("Form8") << ScreenId::Form8 << QColor(255, 128, 0);
    QTest::newRow("Form9") << ScreenId::Form9 << QColor(128, 128, 255);
}

void TestExerciseFrame::graphicScreensKeepTheirColour()
{
    QFETCH(ScreenId, id);
    QFETCH(QColor, colour);
    TestEnvironment env;
    Screen *screen = env.open(id);
    screen->caricaColori();
    QCOMPARE(screen->background(), colour);
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
    QFont font(QStringLiteral("Arial"));
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
