// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "boardflow.h"

#include <QTest>

using namespace Quozzoli;
using State = BoardFlow::State;
using Kind = BoardFlow::Action::Kind;

Q_DECLARE_METATYPE(Quozzoli::BoardFlow::State)

// What a board's input does in each state of a problem, and how it is held
// while the board speaks.
class TestBoardFlow : public QObject
{
    Q_OBJECT

private slots:
    void flow_data();
    void flow();
};

void TestBoardFlow::flow_data()
{
    // The events, in order: steps 1 to 3, the panel opened, a right
    // quotient, solved, a new problem; the board beginning a sentence, its
    // end, the held input then handled ("quiet", shown as "|"), closing.
    // The input: dropC.K (candy K on child C), keyC, typeX, enter, avanti.
    QTest::addColumn<QString>("events");
    QTest::addColumn<QString>("acted"); // what the board was told to do
    QTest::addColumn<State>("state");
    const QString input = QStringLiteral(" drop0.3 key1 typeA enter avanti");
    QTest::newRow("waiting for step 1") << input << "typeA" << State::WaitingForStep1;
    QTest::newRow("candies shown") << "1" + input << "typeA" << State::CandiesShown;
    QTest::newRow("children shown")
        << "1 2" + input << "share0.3 share1.9 typeA" << State::ChildrenShown;
    QTest::newRow("sharing") << "1 2 3" + input << "share0.3 share1.9 typeA" << State::Sharing;
    QTest::newRow("answer panel open")
        << "1 2 3 open" + input << "typeA judge" << State::AnswerPanelOpen;
    QTest::newRow("waiting for the remainder")
        << "1 2 3 open right" + input << "typeA judge" << State::WaitingForRemainder;
    QTest::newRow("solved") << "1 2 3 open solved" + input << "typeA next" << State::Solved;
    QTest::newRow("a new problem")
        << "1 2 3 open solved new" + input << "typeA" << State::WaitingForStep1;
    QTest::newRow("step 3 over the open panel") << "1 2 open 3"
                                                << "" << State::AnswerPanelOpen;
    QTest::newRow("step 3 after the quotient") << "1 2 open right 3"
                                               << "" << State::WaitingForRemainder;
    QTest::newRow("step 3 after solving, then a right quotient") << "1 2 open solved 3 right"
                                                                 << "" << State::Solved;
    QTest::newRow("held while speaking, in order")
        << "1 2 say drop0.3 typeA enter key1 key2 quiet"
        << "| share0.3 typeA share1.9 share2.8" << State::ChildrenShown;
    QTest::newRow("held until the held is handled")
        << "1 2 say drop0.3 end drop1.4 quiet"
        << "| share0.3 share1.4" << State::ChildrenShown;
    QTest::newRow("released until it speaks again")
        << "1 2 say key4 key0 quiet key1 quiet"
        << "| share4.9 | share0.8 share1.7" << State::ChildrenShown;
    QTest::newRow("typed and Enter in a prompt over the panel")
        << "1 2 open say typeA enter typeB quiet"
        << "| typeA judge typeB" << State::AnswerPanelOpen;
    QTest::newRow("avanti during the solution") << "1 2 open solved say avanti quiet"
                                                << "| next" << State::Solved;
    QTest::newRow("closing drops what was held") << "1 2 say drop0.3 key1 close quiet"
                                                 << "|" << State::ChildrenShown;
}

void TestBoardFlow::flow()
{
    QFETCH(QString, events);
    QFETCH(QString, acted);
    QFETCH(State, state);
    bool speaking = false;
    int step = 0;
    QList<int> table {0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
    QStringList log;
    BoardFlow flow({
        .speaking = [&] { return speaking; },
        .stepReached = [&] { return step; },
        .lastCandy = [&] { return table.last(); },
        .share =
            [&](int child, int candy) {
                log << QStringLiteral("share%1.%2").arg(child).arg(candy);
                table.removeOne(candy);
                speaking = child == 4; // a refusal: "attento"
            },
        .type = [&](const BoardFlow::Action &typed) { log << "type" + typed.typed.text; },
        .judge = [&](AnswerBox *) { log << QStringLiteral("judge"); },
        .nextProblem = [&] { log << QStringLiteral("next"); },
    });
    const QHash<QString, void (BoardFlow::*)()> changes {
        {"open", &BoardFlow::panelOpened}, {"right", &BoardFlow::quotientRight},
        {"solved", &BoardFlow::solved},    {"new", &BoardFlow::newProblem},
        {"close", &BoardFlow::dropHeld},   {"quiet", &BoardFlow::handleHeld},
    };
    for (const QString &event : events.split(u' ', Qt::SkipEmptyParts)) {
        if (event == "say" || event == "end" || event == "quiet")
            speaking = event == "say";
        if (event == "quiet")
            log << QStringLiteral("|");
        if (event == "new")
            step = 0; // as the board's clock restarts
        if (changes.contains(event))
            (flow.*changes[event])();
        else if (event.size() == 1)
            step = event.toInt();
        else if (event.startsWith("drop"))
            flow.receive({Kind::Drop, event[4].digitValue(), event[6].digitValue()});
        else if (event.startsWith("key"))
            flow.receive({Kind::Key, event[3].digitValue()});
        else if (event.startsWith("type"))
            flow.receive({.kind = Kind::Type, .typed = {.text = event.sliced(4)}});
        else if (event == "enter" || event == "avanti")
            flow.receive({event == "enter" ? Kind::Enter : Kind::Avanti});
        else if (event != "say" && event != "end")
            QFAIL(qPrintable(event));
    }
    QCOMPARE(log.join(u' '), acted);
    QCOMPARE(flow.state(), state);
}

QTEST_APPLESS_MAIN(TestBoardFlow)
#include "tst_boardflow.moc"
