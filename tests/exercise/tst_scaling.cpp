// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "answerbox.h"
#include "answerpanel.h"
#include "boarddriver.h"
#include "candydrag.h"
#include "designcanvas.h"
#include "exercisescreen.h"
#include "picturebutton.h"
#include "screen.h"
#include "screendriver.h"
#include "sharedvalues.h"
#include "testenvironment.h"

#include <QAbstractButton>
#include <QTest>

#include <cmath>

using namespace Quozzoli;

Q_DECLARE_METATYPE(Quozzoli::ScreenId)

namespace {

// Where a control stands on screen, relative to the client area's design
// origin.
QRect onCanvas(DesignCanvas *canvas, QWidget *widget)
{
    return QRect(widget->mapTo(canvas, QPoint(0, 0)), widget->size());
}

QRect designPixelsOnCanvas(DesignCanvas *canvas, QWidget *widget)
{
    QRect twips = canvas->designRect(widget);
    for (QWidget *p = widget->parentWidget(); p && p != canvas; p = p->parentWidget())
        twips.translate(canvas->designRect(p).topLeft());
    return twips;
}

bool near(double a, double b, double tolerance)
{
    return std::abs(a - b) <= tolerance;
}

// The control a click at the centre of the widget's design rectangle, mapped
// to the current scale, lands on.
QWidget *underDesignCentre(DesignCanvas *canvas, QWidget *widget)
{
    const qreal scale = canvas->scale();
    const QSize drawn(DesignCanvas::pixels(canvas->designTwips().width(), scale),
                      DesignCanvas::pixels(canvas->designTwips().height(), scale));
    const QPoint margin((canvas->width() - drawn.width()) / 2,
                        (canvas->height() - drawn.height()) / 2);
    const QPointF centre = QRectF(designPixelsOnCanvas(canvas, widget)).center();
    return canvas->childAt(margin + (centre * scale / DesignCanvas::TwipsPerPixel).toPoint());
}

// Clicks where the design puts the widget, and checks that it is there.
bool clickDesignCentre(DesignCanvas *canvas, QWidget *widget)
{
    QWidget *hit = underDesignCentre(canvas, widget);
    if (hit != widget)
        return false;
    QTest::mouseClick(hit, Qt::LeftButton, {}, hit->rect().center());
    return true;
}

// The boxes of a numeric screen in the order they are answered, with the
// right text for each, read from the problem on view.
QList<QPair<QString, int>> rightAnswers(Screen *screen)
{
    const QString name = screen->objectName();
    const bool tables = name == QLatin1String("Form10");
    const QList<int> n = ScreenDriver::numbersIn(ScreenDriver::problemLabel(screen)->text());
    if (n.size() != 2)
        return {};
    const int q = n[0] / n[1];
    const int r = n[0] % n[1];
    if (tables)
        return {{QStringLiteral("Text2"), q}}; // the missing factor
    if (name == QLatin1String("Form1"))
        return {{QStringLiteral("Text1"), q}};
    if (name == QLatin1String("Form3"))
        return {{QStringLiteral("Text1"), q}, {QStringLiteral("Text2"), r}};
    QList<QPair<QString, int>> boxes {{QStringLiteral("Edar"), q / 10},
                                      {QStringLiteral("Eur"), q % 10}};
    if (name == QLatin1String("Form4") || name == QLatin1String("Form11"))
        boxes.append({QStringLiteral("Text2"), r});
    return boxes;
}

} // namespace

// Whole screens scale with their window: every control's place, size and font
// follow the window by the same factor, and the design keeps its proportions.
class TestScaling : public QObject
{
    Q_OBJECT

private slots:
    void everyControlScales_data();
    void everyControlScales();
    void scaledScreensWork_data() { everyControlScales_data(); }
    void scaledScreensWork();
    void proportionsAreKept();
    void nextScreenOpensAtTheSameScale();
    void nextScreenNeverOpensTooSmall();
};

void TestScaling::everyControlScales_data()
{
    QTest::addColumn<ScreenId>("id");
    QTest::addColumn<double>("factor");
    for (const auto &[name, id] : TestEnvironment::everyScreen()) {
        for (double factor : {2.0, 0.75})
            QTest::addRow("%s x%g", name, factor) << id << factor;
    }
}

void TestScaling::everyControlScales()
{
    QFETCH(ScreenId, id);
    QFETCH(double, factor);
    TestEnvironment env;
    Screen *screen = env.open(id);
    DesignCanvas *canvas = screen->canvas();
    QCOMPARE(canvas->scale(), 1.0);

    screen->resize(screen->windowSizeFor(factor));
    QCoreApplication::processEvents();
    QVERIFY2(near(canvas->scale(), factor, 0.01), qPrintable(QString::number(canvas->scale())));

    const QList<QWidget *> placed = canvas->placedWidgets();
    QVERIFY(placed.size() >= 3);
    for (QWidget *widget : placed) {
        const QRect design = designPixelsOnCanvas(canvas, widget);
        if (!canvas->designRect(widget).isValid())
            continue;
        const QRect actual = onCanvas(canvas, widget);
        const QString what = widget->objectName();
        // Within a pixel of the design rectangle times the factor (each edge
        // is rounded once, nested frames add one rounding each).
        const double tolerance = 1.0 + (widget->parentWidget() != canvas ? 1.0 : 0.0);
        QVERIFY2(near(actual.x(), design.x() * factor / 15.0, tolerance), qPrintable(what));
        QVERIFY2(near(actual.y(), design.y() * factor / 15.0, tolerance), qPrintable(what));
        QVERIFY2(near(actual.width(), design.width() * factor / 15.0, tolerance + 1),
                 qPrintable(what));
        QVERIFY2(near(actual.height(), design.height() * factor / 15.0, tolerance + 1),
                 qPrintable(what));
        const DesignFont font = canvas->designFont(widget);
        if (font.points > 0)
            QVERIFY2(near(widget->font().pixelSize(), font.points * 96.0 / 72.0 * factor, 1.0),
                     qPrintable(what));
    }

    // Back to the design size: everything exactly where it was drawn.
    screen->resize(screen->windowSizeFor(1.0));
    QCoreApplication::processEvents();
    QCOMPARE(canvas->scale(), 1.0);
    for (QWidget *widget : placed) {
        if (canvas->designRect(widget).isValid() && widget->parentWidget() == canvas) {
            const QRect twips = canvas->designRect(widget);
            QCOMPARE(
                widget->pos(),
                QPoint(int(std::lround(twips.x() / 15.0)), int(std::lround(twips.y() / 15.0))));
        }
    }
}

// At twice and three quarters of the design size a child can still do what
// each screen is for, clicking where the controls are drawn.
void TestScaling::scaledScreensWork()
{
    QFETCH(ScreenId, id);
    QFETCH(double, factor);
    TestEnvironment env;
    shared().attendiBottone = true;
    const bool board = id >= ScreenId::Form6 && id <= ScreenId::Form9;
    const bool partition = id == ScreenId::Form6 || id == ScreenId::Form8;
    const int resto = id == ScreenId::Form8 || id == ScreenId::Form9 ? 1 : 0;
    BoardDriver b {env};
    Screen *screen = board ? b.open(id, partition ? 3 : 2, partition ? 2 : 3, resto) : env.open(id);
    screen->resize(screen->windowSizeFor(factor));
    screen->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(screen, Patience));
    DesignCanvas *canvas = screen->canvas();
    QVERIFY(near(canvas->scale(), factor, 0.01));

    if (id == ScreenId::FormAvvio || id == ScreenId::FormMenu) {
        const char *button = id == ScreenId::FormAvvio ? "Command1" : "Command7";
        QVERIFY(clickDesignCentre(canvas, screen->findChild<QWidget *>(QLatin1String(button))));
        TestEnvironment::settle();
        Screen *next = TestEnvironment::current();
        QCOMPARE(next->objectName(),
                 id == ScreenId::FormAvvio ? QStringLiteral("FormMenu") : QStringLiteral("Form6"));
        QVERIFY(near(next->canvas()->scale(), factor, 0.01));
        return;
    }

    auto *exercise = static_cast<ExerciseScreen *>(screen);
    if (board) {
        b.introduce();
        // Six candies: by keys and by drops on the children where they are drawn.
        for (int i = 0; i < 6; ++i) {
            const int child = partition ? i % 3 : i / 2;
            if (i % 2 == 0) {
                QTest::keyClick(screen, Qt::Key(Qt::Key_1 + child));
                continue;
            }
            QWidget *target = underDesignCentre(canvas, b.child(child));
            QCOMPARE(target, b.child(child));
            int candy = 0;
            while (b.candy(candy)->isHidden())
                ++candy;
            QVERIFY(dropOn(target, b.candy(candy)->dragData()));
        }
        QCOMPARE(b.candiesOnTable(), resto);
        AnswerPanel *panel = b.control<AnswerPanel>(QStringLiteral("Frame2"));
        QVERIFY(!panel->isHidden());
        QVERIFY(clickDesignCentre(canvas, panel->text1()));
        ScreenDriver::answer(panel->text1(), QString::number(partition ? 2 : 3));
        if (AnswerBox *text2 = panel->text2()) {
            QVERIFY(clickDesignCentre(canvas, text2));
            ScreenDriver::answer(text2, QString::number(resto));
        }
        QCOMPARE(exercise->rightCount().value(), 1);
        // Once the solution is read.
        QTRY_VERIFY_WITH_TIMEOUT(exercise->bottoneAvanti()->isEnabled(), Patience);
        QVERIFY(clickDesignCentre(canvas, exercise->bottoneAvanti()));
        QVERIFY(panel->isHidden());
        QCOMPARE(b.step(), 0);
        QCOMPARE(exercise->etichettaEsatti()->text(), QStringLiteral(" 1"));
        return;
    }

    const QList<QPair<QString, int>> answers = rightAnswers(screen);
    QVERIFY(!answers.isEmpty());
    for (const auto &[name, value] : answers) {
        auto *box = screen->findChild<AnswerBox *>(name);
        QVERIFY2(box->isEnabled(), qPrintable(name));
        QVERIFY2(clickDesignCentre(canvas, box), qPrintable(name));
        ScreenDriver::answer(box, QString::number(value));
    }
    QCOMPARE(exercise->wrongCount().value(), 0);
    QCOMPARE(exercise->rightCount().value(), 1);
    QCOMPARE(exercise->etichettaEsatti()->text(), QStringLiteral(" 1"));
    QVERIFY(clickDesignCentre(canvas, exercise->bottoneAvanti()));
    auto *first = screen->findChild<AnswerBox *>(answers.first().first);
    QVERIFY(first->isEnabled());
    QVERIFY(first->text().isEmpty());
    QVERIFY(!exercise->bottoneAvanti()->isEnabled());
}

void TestScaling::proportionsAreKept()
{
    TestEnvironment env;
    Screen *screen = env.open(ScreenId::FormMenu); // 640 x 480 at design size
    screen->resize(1600, 800);
    QCoreApplication::processEvents();
    DesignCanvas *canvas = screen->canvas();
    QCOMPARE(canvas->scale(), 800.0 / 480.0);
    // Centred: the margins left and right are equal and show the background.
    QWidget *esci = screen->findChild<QWidget *>("Command1");
    const QRect exit = onCanvas(canvas, esci);
    const int designRight = int(std::lround(9600 * canvas->scale() / 15.0));
    const int margin = (1600 - designRight) / 2;
    QVERIFY(near(exit.left(), margin + (6120 * canvas->scale() / 15.0), 1.5));
    QVERIFY(canvas->autoFillBackground());
}

void TestScaling::nextScreenOpensAtTheSameScale()
{
    TestEnvironment env;
    Screen *menu = env.open(ScreenId::FormMenu);
    menu->resize(menu->windowSizeFor(1.5));
    QCoreApplication::processEvents();
    menu->findChild<QAbstractButton *>("Command5")->click();
    TestEnvironment::settle();
    Screen *exercise = TestEnvironment::current();
    QCOMPARE(exercise->objectName(), QStringLiteral("Form2"));
    QCoreApplication::processEvents();
    QVERIFY(near(exercise->canvas()->scale(), 1.5, 0.01));

    exercise->showMaximized();
    QCoreApplication::processEvents();
    env.boxes.answer(true);
    qobject_cast<QWidget *>(exercise)->findChild<QObject *>("mnuEsci");
    QMetaObject::invokeMethod(exercise, [exercise] {
        for (QAction *a : exercise->findChildren<QAction *>()) {
            if (a->objectName() == QLatin1String("mnuEsci"))
                a->trigger();
        }
    });
    TestEnvironment::settle();
    Screen *again = TestEnvironment::current();
    QCOMPARE(again->objectName(), QStringLiteral("FormMenu"));
    QVERIFY(again->windowState() & Qt::WindowMaximized);
}

// A window squeezed to a sliver hands on no usable scale: the next screen
// opens at half its design size at least, whole and clickable.
void TestScaling::nextScreenNeverOpensTooSmall()
{
    TestEnvironment env;
    Screen *menu = env.open(ScreenId::FormMenu);
    menu->resize(1024, 10);
    QCoreApplication::processEvents();
    QVERIFY(menu->canvas()->scale() < 0.1);
    menu->findChild<QAbstractButton *>("Command5")->click();
    TestEnvironment::settle();
    auto *exercise = static_cast<ExerciseScreen *>(TestEnvironment::current());
    QCOMPARE(exercise->objectName(), QStringLiteral("Form2"));
    QCoreApplication::processEvents();
    QVERIFY2(exercise->canvas()->scale() >= 0.5 - 0.01,
             qPrintable(QString::number(exercise->canvas()->scale())));
    QVERIFY(exercise->bottoneAvanti()->height() > 20);

    // And back to the menu, which opens at half its size too.
    exercise->resize(10, 10);
    QCoreApplication::processEvents();
    env.boxes.answer(true);
    exercise->menuAction(QStringLiteral("mnuEsci"))->trigger();
    TestEnvironment::settle();
    Screen *again = TestEnvironment::current();
    QCOMPARE(again->objectName(), QStringLiteral("FormMenu"));
    QCoreApplication::processEvents();
    QVERIFY(again->canvas()->scale() >= 0.5 - 0.01);
    QVERIFY(again->findChild<QWidget *>("Command1")->height() >= 810 / 30);
}

QTEST_MAIN(TestScaling)
#include "tst_scaling.moc"
