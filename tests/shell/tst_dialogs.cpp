// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs.h"
#include "exercisescreen.h"
#include "qtmessageboxes.h"
#include "services.h"
#include "testenvironment.h"

#include <QAccessible>
#include <QApplication>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <optional>

using namespace Quozzoli;

// Drives the real message boxes: finds the box open over its window, notes
// what it shows and answers it.
class TestDialogs : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup() { Services::reset(); }
    void questions_data();
    void questions();
    void aboutBox();
    void keysAnswer_data();
    void keysAnswer();
    void closingTheAskerDropsTheAnswer_data();
    void closingTheAskerDropsTheAnswer();
    void pressReturnsWithTheBoxOnView_data();
    void pressReturnsWithTheBoxOnView();

private:
    struct Seen
    {
        QString title;
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QStringList buttons;
        QString defaultButton;
    };

    // The box open over `parent`'s window, noted in m_seen.
    QMessageBox *openBox(QWidget *parent);
    static void press(QMessageBox *box, const QString &buttonText);
    // Lets the box close and its answer come.
    static void settle(QPointer<QMessageBox> box);

    Seen m_seen;
    int m_quits = 0;
};

void TestDialogs::init()
{
    m_seen = {};
    m_quits = 0;
    Services::setMessageBoxes(std::make_unique<QtMessageBoxes>());
    Services::setQuitHandler([this] { ++m_quits; });
}

QMessageBox *TestDialogs::openBox(QWidget *parent)
{
    auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
    if (!box || box->parentWidget() != parent || box->windowModality() != Qt::WindowModal
        || !box->isVisible())
        return nullptr;
    m_seen.title = box->windowTitle();
    m_seen.text = box->text();
    m_seen.icon = box->icon();
    for (QAbstractButton *button : box->buttons())
        m_seen.buttons << button->text();
    if (box->defaultButton())
        m_seen.defaultButton = box->defaultButton()->text();
    return box;
}

void TestDialogs::press(QMessageBox *box, const QString &buttonText)
{
    for (QAbstractButton *button : box->buttons()) {
        if (button->text() == buttonText) {
            button->click();
            return;
        }
    }
    QFAIL("no such button");
}

void TestDialogs::settle(QPointer<QMessageBox> box)
{
    QTRY_VERIFY_WITH_TIMEOUT(box.isNull(), Patience);
    QCoreApplication::processEvents();
}

void TestDialogs::questions_data()
{
    QTest::addColumn<bool>("exitQuestion");
    QTest::addColumn<QString>("press");
    QTest::addColumn<bool>("yes");
    QTest::newRow("exit, yes") << true << "Sì" << true;
    QTest::newRow("exit, no") << true << "No" << false;
    QTest::newRow("return, yes") << false << "Sì" << true;
    QTest::newRow("return, no") << false << "No" << false;
}

void TestDialogs::questions()
{
    QFETCH(bool, exitQuestion);
    QFETCH(QString, press);
    QFETCH(bool, yes);

    QWidget parent;
    parent.show();
    int returns = 0;
    if (exitQuestion)
        Dialogs::chiediUscita(&parent);
    else
        Dialogs::chiediRitornoAlMenu(&parent, [&returns] { ++returns; });
    // Nothing follows the question until the child answers it.
    QMessageBox *box = openBox(&parent);
    QVERIFY(box);
    QCOMPARE(m_quits + returns, 0);
    TestDialogs::press(box, press);
    settle(box);
    QCOMPARE(exitQuestion ? m_quits : returns, yes ? 1 : 0);
    QCOMPARE(m_seen.text,
             exitQuestion ? QStringLiteral("Vuoi uscire dal programma?")
                          : QStringLiteral("Vuoi tornare al men\u00f9?"));
    QCOMPARE(m_seen.title, QStringLiteral("Quozzoli"));
    QCOMPARE(m_seen.icon, QMessageBox::Question);
    QCOMPARE(m_seen.buttons, (QStringList {"Sì", "No"}));
    QCOMPARE(m_seen.defaultButton, QStringLiteral("Sì"));
}

void TestDialogs::aboutBox()
{
    QWidget parent;
    parent.show();
    Dialogs::mostraInformazioni(&parent);
    QPointer<QMessageBox> box = openBox(&parent);
    QVERIFY(box);
    QCOMPARE(m_seen.title, QStringLiteral("Quozzoli"));
    QCOMPARE(m_seen.icon, QMessageBox::Information);
    QCOMPARE(m_seen.buttons, QStringList {"OK"});
    QCOMPARE(m_seen.text, Dialogs::aboutText());
    QCOMPARE(m_seen.text.count(QStringLiteral("\r\n")), 3);

    // A screen reader reads the words alone: no padding, no carriage return,
    // no row of dashes; the icon is named.
    QStringList heard;
    const std::function<void(QAccessibleInterface *)> walk = [&](QAccessibleInterface *node) {
        for (QAccessible::Text kind : {QAccessible::Name, QAccessible::Description}) {
            const QString text = node->text(kind);
            if (!text.isEmpty())
                heard << text;
            QVERIFY2(text == text.trimmed() && !text.contains(QStringLiteral("  "))
                         && !text.contains(QLatin1Char('\r'))
                         && !text.contains(QStringLiteral("--")),
                     qPrintable(text));
        }
        if (node->role() == QAccessible::Graphic)
            QCOMPARE(node->text(QAccessible::Name), QStringLiteral("informazione"));
        for (int index = 0; index < node->childCount(); ++index)
            walk(node->child(index));
    };
    walk(QAccessible::queryAccessibleInterface(box));
    QVERIFY2(heard.contains(QStringLiteral(
                 "Quozzoli https://quozzoli.example.org mail: quozzoli@example.org")),
             qPrintable(heard.join(QLatin1Char('|'))));
    QVERIFY(heard.contains(QStringLiteral("informazione")));

    press(box, QStringLiteral("OK"));
    settle(box);
}

void TestDialogs::keysAnswer_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("yes");
    QTest::newRow("Enter answers Sì") << int(Qt::Key_Return) << true;
    QTest::newRow("Escape answers No") << int(Qt::Key_Escape) << false;
}

void TestDialogs::keysAnswer()
{
    QFETCH(int, key);
    QFETCH(bool, yes);

    QWidget parent;
    parent.show();
    std::optional<bool> answer;
    Services::messageBoxes().askYesNo(&parent, Dialogs::ReturnQuestion,
                                      [&answer](bool saidYes) { answer = saidYes; });
    QPointer<QMessageBox> box = openBox(&parent);
    QVERIFY(box);
    QTest::keyClick(box, Qt::Key(key));
    settle(box);
    QCOMPARE(answer, std::optional<bool>(yes));
}

void TestDialogs::closingTheAskerDropsTheAnswer_data()
{
    QTest::addColumn<bool>("answerFirst");
    QTest::newRow("closed with the box open") << false;
    QTest::newRow("closed before the answer came") << true;
}

void TestDialogs::closingTheAskerDropsTheAnswer()
{
    QFETCH(bool, answerFirst);

    auto *parent = new QWidget;
    parent->show();
    bool answered = false;
    Dialogs::chiediRitornoAlMenu(parent, [&answered] { answered = true; });
    QPointer<QMessageBox> box = openBox(parent);
    QVERIFY(box);
    if (answerFirst)
        press(box, QStringLiteral("Sì"));
    delete parent;
    QVERIFY(box.isNull());
    QCoreApplication::processEvents();
    QVERIFY(!answered);
}

void TestDialogs::pressReturnsWithTheBoxOnView_data()
{
    QTest::addColumn<int>("screen");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("text");
    QTest::newRow("Informazioni") << int(ScreenId::Form2) << "MenuInformazioni"
                                  << Dialogs::aboutText();
    QTest::newRow("Esci") << int(ScreenId::FormMenu) << "Command1" << Dialogs::ExitQuestion;
}

// An assistive tool's "press" on a command that opens a box gets its answer
// at once, while the box is on view. A box that waited in an event loop of its
// own would be found by the watch below, inside that loop, and closed.
void TestDialogs::pressReturnsWithTheBoxOnView()
{
    QFETCH(int, screen);
    QFETCH(QString, command);
    QFETCH(QString, text);

    TestEnvironment env;
    Services::setMessageBoxes(std::make_unique<QtMessageBoxes>());
    Screen *opened = env.open(ScreenId(screen));
    bool nested = false;
    QTimer watch;
    connect(&watch, &QTimer::timeout, this, [&nested] {
        if (QThread::currentThread()->loopLevel() > 0) {
            nested = true;
            if (QWidget *box = QApplication::activeModalWidget())
                box->close();
        }
    });
    watch.start(0);

    QAccessibleInterface *target = nullptr;
    if (auto *exercise = qobject_cast<ExerciseScreen *>(opened)) {
        QAccessibleInterface *bar = QAccessible::queryAccessibleInterface(exercise->menuBar());
        const qsizetype index
            = exercise->menuBar()->actions().indexOf(exercise->menuAction(command));
        target = bar->child(int(index));
    } else {
        target = QAccessible::queryAccessibleInterface(opened->findChild<QWidget *>(command));
    }
    QVERIFY(target && target->actionInterface());
    target->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QTRY_VERIFY_WITH_TIMEOUT(nested || openBox(opened), Patience);
    QVERIFY(!nested);
    QCOMPARE(m_seen.text, text);
    press(qobject_cast<QMessageBox *>(QApplication::activeModalWidget()),
          command == QStringLiteral("Command1") ? QStringLiteral("No") : QStringLiteral("OK"));
    QCOMPARE(env.quitRequests, 0);
}

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
