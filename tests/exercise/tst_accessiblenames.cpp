// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "answerbox.h"
#include "boarddriver.h"
#include "picturebutton.h"
#include "screen.h"
#include "svgpicture.h"
#include "testenvironment.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QTest>

using namespace Quozzoli;

Q_DECLARE_METATYPE(Quozzoli::ScreenId)

namespace {

QString accessibleText(QWidget *widget, QAccessible::Text what)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(what) : QStringLiteral("<no accessible interface>");
}

} // namespace

// What a screen reader says of the controls of every screen.
class TestAccessibleNames : public QObject
{
    Q_OBJECT

private slots:
    void names_data();
    void names();
    void everyBoxAndButtonHasAName_data();
    void everyBoxAndButtonHasAName();
    void traysTellTheirCandies();
    void picturesAreImagesInView();
};

void TestAccessibleNames::names_data()
{
    QTest::addColumn<ScreenId>("screen");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    const struct
    {
        ScreenId screen;
        const char *control;
        const char *name;
    } rows[] = {
        {ScreenId::Form1, "Text1", "quoziente"},
        {ScreenId::Form1, "ComandoIconaSi", "risposta giusta"},
        {ScreenId::Form1, "ComandoIconaNo", "risposta sbagliata"},
        {ScreenId::Form1, "BottoneAvanti", "avanti"},
        {ScreenId::Form3, "Text1", "quoziente"},
        {ScreenId::Form3, "Text2", "resto"},
        {ScreenId::Form10, "Text1", "prodotto"},
        {ScreenId::Form10, "Text2", "fattore mancante"},
        {ScreenId::Form2, "Edar", "decine"},
        {ScreenId::Form2, "Eur", "unità"},
        {ScreenId::Form11, "Text2", "resto"},
        {ScreenId::Form6, "Text1", "quoziente"},
        {ScreenId::Form6, "PicCaramelle_0", "caramella"},
        {ScreenId::Form6, "PicCaramelle_29", "caramella"},
        {ScreenId::Form6, "ImBambino_0", "bambino 1"},
        {ScreenId::Form6, "ImBambino_4", "bambino 5"},
        {ScreenId::Form6, "Frame1_0", "vassoio del bambino 1: nessuna caramella"},
        {ScreenId::Form6, "BottoneAvanti", "avanti"},
        {ScreenId::Form7, "ImBambino_2", "bambino 3"},
        {ScreenId::Form8, "Text1", "quoziente"},
        {ScreenId::Form8, "Text2", "resto"},
        {ScreenId::Form9, "Frame1_4", "vassoio del bambino 5: nessuna caramella"},
        {ScreenId::Form9, "Text2", "resto"},
        {ScreenId::FormMenu, "Command5",
         "Quoziente di due cifre - senza resto, dividendo di due cifre"},
        {ScreenId::FormMenu, "Command6",
         "Quoziente di due cifre - senza resto, dividendo di tre cifre"},
        {ScreenId::FormMenu, "Command3",
         "Quoziente di una cifra - con il resto, dividendo di due cifre"},
        {ScreenId::FormMenu, "Command12",
         "Quoziente di due cifre - con il resto, dividendo di tre cifre"},
        {ScreenId::FormMenu, "Command7", "Partizione senza resto, Con supporto grafico"},
        {ScreenId::FormMenu, "Command11", "tabelline, Con i numeri"},
        {ScreenId::FormMenu, "Command1", "Esci"},
        {ScreenId::FormMenu, "Option1_0", "prosegue automaticamente negli esercizi"},
        {ScreenId::Form6, "Frame2", "risposta"},
        {ScreenId::FormAvvio, "Command1", "Avvio"},
        // The windows, whose title bars are empty, and the counts with their headings.
        {ScreenId::FormAvvio, "", "Quozzoli"},
        {ScreenId::FormMenu, "", "Menù"},
        {ScreenId::Form1, "", "Quoziente di una cifra - senza resto, dividendo di due cifre"},
        {ScreenId::Form2, "", "Quoziente di due cifre - senza resto, dividendo di due cifre"},
        {ScreenId::Form3, "", "Quoziente di una cifra - con il resto, dividendo di due cifre"},
        {ScreenId::Form4, "", "Quoziente di due cifre - con il resto, dividendo di due cifre"},
        {ScreenId::Form5, "", "Quoziente di due cifre - senza resto, dividendo di tre cifre"},
        {ScreenId::Form6, "", "Partizione senza resto, Con supporto grafico"},
        {ScreenId::Form7, "", "Contenenza senza resto, Con supporto grafico"},
        {ScreenId::Form8, "", "Partizione con il resto, Con supporto grafico"},
        {ScreenId::Form9, "", "Contenenza con il resto, Con supporto grafico"},
        {ScreenId::Form10, "", "tabelline, Con i numeri"},
        {ScreenId::Form11, "", "Quoziente di due cifre - con il resto, dividendo di tre cifre"},
        {ScreenId::Form1, "EtichettaEsatti", "Esatti 0"},
        {ScreenId::Form1, "EtichettaErrati", "Errati 0"},
        {ScreenId::Form6, "EtichettaEsatti", "Esatti 0"},
        {ScreenId::Form6, "EtichettaErrati", "Errati 0"},
    };
    for (const auto &row : rows) {
        QTest::addRow("%d %s", int(row.screen), row.control)
            << row.screen << QString::fromLatin1(row.control) << QString::fromUtf8(row.name);
    }
}

void TestAccessibleNames::names()
{
    QFETCH(ScreenId, screen);
    QFETCH(QString, control);
    QFETCH(QString, name);
    TestEnvironment env;
    Screen *window = env.open(screen);
    QWidget *widget = control.isEmpty() ? window : window->findChild<QWidget *>(control);
    QVERIFY(widget);
    QCOMPARE(accessibleText(widget, QAccessible::Name), name);
}

void TestAccessibleNames::everyBoxAndButtonHasAName_data()
{
    QTest::addColumn<ScreenId>("screen");
    for (int id = int(ScreenId::FormAvvio); id <= int(ScreenId::Form11); ++id)
        QTest::addRow("screen %d", id) << ScreenId(id);
}

void TestAccessibleNames::everyBoxAndButtonHasAName()
{
    QFETCH(ScreenId, screen);
    TestEnvironment env;
    Screen *window = env.open(screen);
    QSet<QString> boxNames;
    const QList<AnswerBox *> boxes = window->findChildren<AnswerBox *>();
    for (AnswerBox *box : boxes) {
        const QString name = accessibleText(box, QAccessible::Name);
        QVERIFY2(!name.isEmpty(), qPrintable(box->objectName()));
        boxNames.insert(name);
    }
    QCOMPARE(boxNames.size(), boxes.size()); // no two boxes of a screen sound alike
    QSet<QString> buttonNames;
    const QList<QAbstractButton *> buttons = window->findChildren<QAbstractButton *>();
    for (QAbstractButton *button : buttons) {
        if (button->objectName().startsWith(QLatin1String("qt_")))
            continue; // the menu bar's own overflow arrow
        const QString name = accessibleText(button, QAccessible::Name).trimmed();
        QVERIFY2(!name.isEmpty(), qPrintable(button->objectName()));
        if (button->objectName().startsWith(QLatin1String("Command")))
            buttonNames.insert(name);
    }
    if (screen == ScreenId::FormMenu)
        QCOMPARE(buttonNames.size(), 12); // "Esci" and the eleven exercises, all told apart

    // Every name is said as the words alone, menu commands too, and no
    // control but the window is read as one.
    QList<QAccessibleInterface *> pending {QAccessible::queryAccessibleInterface(window)};
    while (!pending.isEmpty()) {
        QAccessibleInterface *face = pending.takeLast();
        const QString name = face->text(QAccessible::Name);
        QVERIFY2(name == name.simplified(), qPrintable(QLatin1Char('"') + name + QLatin1Char('"')));
        QVERIFY2(
            face->object() == window
                || (face->role() != QAccessible::Window && face->role() != QAccessible::Border),
            qPrintable(name));
        for (int i = 0; i < face->childCount(); ++i) {
            if (QAccessibleInterface *child = face->child(i))
                pending.append(child);
        }
    }
}

void TestAccessibleNames::traysTellTheirCandies()
{
    TestEnvironment env;
    BoardDriver b {env};
    b.open(ScreenId::Form6, 2, 3);
    b.introduce();
    QWidget *tray0 = b.tray(0);
    QWidget *tray1 = b.tray(1);
    QCOMPARE(accessibleText(tray0, QAccessible::Description), QStringLiteral("nessuna caramella"));

    b.drop(0);
    QCOMPARE(accessibleText(tray0, QAccessible::Description), QStringLiteral("1 caramella"));
    b.drop(0);
    b.drop(0);
    QCOMPARE(accessibleText(tray0, QAccessible::Name),
             QStringLiteral("vassoio del bambino 1: 3 caramelle"));
    QCOMPARE(QAccessible::queryAccessibleInterface(tray0)->role(), QAccessible::Grouping);
    b.drop(0); // refused: the tray still holds three
    QCOMPARE(accessibleText(tray0, QAccessible::Description), QStringLiteral("3 caramelle"));
    QCOMPARE(accessibleText(b.board->etichettaErrati(), QAccessible::Name),
             QStringLiteral("Errati 1"));
    b.drop(1);
    QCOMPARE(accessibleText(tray1, QAccessible::Description), QStringLiteral("1 caramella"));

    // The verdicts are told where the focus is: the box, then the window.
    b.drop(1);
    b.drop(1);
    auto *text1 = b.control<AnswerBox>(QStringLiteral("Text1"));
    ScreenDriver::answer(text1, QStringLiteral("4"));
    QCOMPARE(accessibleText(text1, QAccessible::Description),
             QStringLiteral("risposta sbagliata, Errati 2"));
    text1->clear();
    ScreenDriver::answer(text1, QStringLiteral("3"));
    QTRY_COMPARE_WITH_TIMEOUT(accessibleText(b.board, QAccessible::Description),
                              QStringLiteral("risposta giusta, Esatti 1. Tab: avanti"), Patience);

    // The next problem: the trays in play are empty again.
    b.scriptProblem(2, 2, 0);
    b.board->bottoneAvanti()->click();
    b.introduce();
    QCOMPARE(accessibleText(tray0, QAccessible::Description), QStringLiteral("nessuna caramella"));
    QCOMPARE(accessibleText(tray1, QAccessible::Description), QStringLiteral("nessuna caramella"));
}

// Faces, candies and children are images; a picture that another control
// covers is not on view, as the face behind the other face at first.
void TestAccessibleNames::picturesAreImagesInView()
{
    TestEnvironment env;
    BoardDriver b {env};
    b.open(ScreenId::Form6, 2, 1);
    b.introduce();
    const auto role = [](QWidget *widget) {
        return QAccessible::queryAccessibleInterface(widget)->role();
    };
    const auto inView = [](QWidget *widget) {
        return !QAccessible::queryAccessibleInterface(widget)->state().invisible;
    };
    QWidget *smile = b.board->comandoIconaSi();
    QWidget *sad = b.board->comandoIconaNo();
    for (QWidget *picture : {smile, sad, static_cast<QWidget *>(b.candy(0)), b.child(0)})
        QCOMPARE(role(picture), QAccessible::Graphic);
    QVERIFY(!sad->isHidden());
    QVERIFY(inView(smile));
    QVERIFY(!inView(sad));
    QVERIFY(inView(b.candy(0)));
    QVERIFY(inView(b.child(1)));

    b.drop(0);
    b.drop(0); // refused: the sad face
    QVERIFY(inView(sad));
    QVERIFY(!inView(smile));
    b.drop(1); // the answer panel opens over the children
    QVERIFY(!b.control(QStringLiteral("Frame2"))->isHidden());
    QVERIFY(!inView(b.child(1)));
}

QTEST_MAIN(TestAccessibleNames)
#include "tst_accessiblenames.moc"
