// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "screendriver.h"

#include "form1.h"
#include "form10.h"
#include "form3.h"
#include "sharedvalues.h"
#include "tastierino.h"
#include "twodigitscreen.h"

#include <QMenuBar>
#include <QRegularExpression>
#include <QToolButton>

using namespace Quozzoli;

namespace ScreenDriver {

QString labelText(const QWidget *screen, const char *name)
{
    const auto *label = screen->findChild<QLabel *>(QLatin1String(name));
    return label ? label->text() : QStringLiteral("<no %1>").arg(QLatin1String(name));
}

AnswerBox *box(const QWidget *screen, const char *name)
{
    return screen->findChild<AnswerBox *>(QLatin1String(name));
}

QList<AnswerBox *> twoDigitBoxes(const QWidget *screen)
{
    QList<AnswerBox *> list;
    for (const char *name : {"Edar", "Eur", "Text2"}) {
        if (AnswerBox *found = box(screen, name))
            list << found;
    }
    return list;
}

QStringList counts(const QWidget *screen)
{
    return {labelText(screen, "EtichettaEsatti"), labelText(screen, "EtichettaErrati")};
}

QString face(const ExerciseScreen *screen)
{
    const bool si = !screen->comandoIconaSi()->isHidden();
    const bool no = !screen->comandoIconaNo()->isHidden();
    if (si && no)
        return QStringLiteral("both");
    return si ? QStringLiteral("si") : no ? QStringLiteral("no") : QStringLiteral("none");
}

QLabel *problemLabel(const QWidget *screen)
{
    auto *tables = screen->findChild<QLabel *>(QStringLiteral("EtichettaNumero"));
    return tables ? tables : screen->findChild<QLabel *>(QStringLiteral("EtNumero"));
}

std::pair<int, int> division(const QWidget *screen)
{
    static const QRegularExpression numbers(QStringLiteral(R"(^\s*(\d+)\s*:\s*(\d+)\s*=\s*$)"));
    const QRegularExpressionMatch match = numbers.match(labelText(screen, "EtNumero"));
    return {match.captured(1).toInt(), match.captured(2).toInt()};
}

QList<int> numbersIn(const QString &text)
{
    QList<int> numbers;
    static const QRegularExpression digits(QStringLiteral("\\d+"));
    for (const QRegularExpressionMatch &m : digits.globalMatch(text))
        numbers << m.captured().toInt();
    return numbers;
}

bool allTicked(TermsPanel *panel, int lastItem)
{
    for (int k = 0; k <= lastItem; ++k) {
        if (!panel->item(k) || !panel->item(k)->isChecked())
            return false;
    }
    return !panel->item(lastItem + 1);
}

QList<Step> rightSteps(const ExerciseScreen *screen)
{
    if (qobject_cast<const TwoDigitScreen *>(screen)) {
        const SharedValues &d = shared();
        QList<Step> steps {{box(screen, "Edar"), d.quoziente / 10},
                           {box(screen, "Eur"), d.quoziente % 10}};
        if (AnswerBox *remainder = box(screen, "Text2"))
            steps.append({remainder, d.resto});
        return steps;
    }
    if (qobject_cast<const Form1 *>(screen))
        return {{box(screen, "Text1"), shared().quoziente}};
    if (auto *form3 = qobject_cast<const Form3 *>(screen))
        return {{box(screen, "Text1"), form3->problem().quotient},
                {box(screen, "Text2"), form3->problem().remainder}};
    if (auto *form10 = qobject_cast<const Form10 *>(screen)) {
        const Multiplication &m = form10->problem();
        if (form10->productMode())
            return {{box(screen, "Text1"), m.product()}};
        return {{box(screen, "Text2"), m.secondoFattore}};
    }
    return {};
}

void answer(AnswerBox *box, const QString &text)
{
    if (!text.isEmpty()) {
        box->selectAll();
        type(box, text);
    }
    QTest::keyClick(box, Qt::Key_Return);
}

void type(QWidget *box, const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() < 128)
            QTest::keyClick(box, char(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

void trigger(const ExerciseScreen *screen, const char *menuItem)
{
    screen->menuAction(QLatin1String(menuItem))->trigger();
}

void clickAvanti(const ExerciseScreen *screen)
{
    QTest::mouseClick(screen->bottoneAvanti(), Qt::LeftButton);
}

void confirm(TermsPanel *panel)
{
    QTest::mouseClick(panel->confirmButton(), Qt::LeftButton);
}

void tick(TermsPanel *panel, int term, bool on)
{
    if (panel->item(term)->isChecked() != on)
        panel->item(term)->click();
}

void tickOnly(TermsPanel *panel, const std::set<int> &terms, int lastItem)
{
    for (int k = 0; k <= lastItem; ++k)
        tick(panel, k, terms.count(k) > 0);
}

void tap(QPointingDevice *finger, QWidget *widget, std::optional<QPoint> at)
{
    QWidget *window = widget->window();
    const QPoint point = widget->mapTo(window, at.value_or(widget->rect().center()));
    QTest::touchEvent(window, finger).press(0, point, window);
    QTest::touchEvent(window, finger).release(0, point, window);
    QCoreApplication::processEvents();
}

void tapMenu(QPointingDevice *finger, const ExerciseScreen *screen, const char *name)
{
    QMenuBar *bar = screen->menuBar();
    tap(finger, bar, bar->actionGeometry(screen->menuAction(QLatin1String(name))).center());
}

void tapKey(QPointingDevice *finger, const QString &key)
{
    auto *keypad = TestEnvironment::current()->findChild<Tastierino *>();
    QVERIFY(keypad);
    tap(finger, keypad->findChild<QToolButton *>(QStringLiteral("Tasto") + key));
}

void tapAnswer(QPointingDevice *finger, const QString &text)
{
    for (const QChar digit : text)
        tapKey(finger, digit);
    tapKey(finger, QStringLiteral("Invio"));
}

} // namespace ScreenDriver
