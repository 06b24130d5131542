// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs.h"
#include "qtmessageboxes.h"
#include "services.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace Quozzoli;

// Drives the real message boxes: a timer finds the open box, notes what it
// shows and presses one of its buttons.
class TestDialogs : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void questions_data();
    void questions();
    void aboutBox();
    void enterAnswersYes();

private:
    struct Seen
    {
        QString title;
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QStringList buttons;
        QString defaultButton;
    };

    void answerWhenShown(const QString &buttonText);

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

void TestDialogs::cleanup()
{
    Services::reset();
}

void TestDialogs::answerWhenShown(const QString &buttonText)
{
    QTimer::singleShot(0, this, [this, buttonText] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        m_seen.title = box->windowTitle();
        m_seen.text = box->text();
        m_seen.icon = box->icon();
        for (QAbstractButton *button : box->buttons())
            m_seen.buttons << button->text();
        if (box->defaultButton())
            m_seen.defaultButton = box->defaultButton()->text();
        for (QAbstractButton *button : box->buttons()) {
            if (button->text() == buttonText) {
                button->click();
                return;
            }
        }
        QFAIL("no such button");
    });
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
    answerWhenShown(press);
    if (exitQuestion) {
        Dialogs::chiediUscita(&parent);
        QCOMPARE(m_quits, yes ? 1 : 0);
        QCOMPARE(m_seen.text, QStringLiteral("Vuoi uscire dal programma?"));
    } else {
        QCOMPARE(Dialogs::chiediRitornoAlMenu(&parent), yes);
        QCOMPARE(m_seen.text, QStringLiteral("Vuoi tornare al men\u00f9?"));
    }
    QCOMPARE(m_seen.title, QStringLiteral("Quozzoli"));
    QCOMPARE(m_seen.icon, QMessageBox::Question);
    QCOMPARE(m_seen.buttons, (QStringList {"Sì", "No"}));
    QCOMPARE(m_seen.defaultButton, QStringLiteral("Sì"));
}

void TestDialogs::aboutBox()
{
    QWidget parent;
    parent.show();
    answerWhenShown(QStringLiteral("OK"));
    Dialogs::mostraInformazioni(&parent);
    QCOMPARE(m_seen.title, QStringLiteral("Quozzoli"));
    QCOMPARE(m_seen.icon, QMessageBox::Information);
    QCOMPARE(m_seen.buttons, QStringList {"OK"});
    QCOMPARE(m_seen.text, Dialogs::aboutText());
    QCOMPARE(m_seen.text.count(QStringLiteral("\r\n")), 3);
}

void TestDialogs::enterAnswersYes()
{
    QWidget parent;
    parent.show();
    QTimer::singleShot(0, this, [] {
        QWidget *box = QApplication::activeModalWidget();
        QVERIFY(box);
        QTest::keyClick(box, Qt::Key_Return);
    });
    QVERIFY(Dialogs::chiediRitornoAlMenu(&parent));
}

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
