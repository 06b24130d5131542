#include "designcanvas.h"
#include "screen.h"
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

} // namespace

// Whole screens scale with their window: every control's place, size and font
// follow the window by the same factor, and the design keeps its proportions.
class TestScaling : public QObject
{
    Q_OBJECT

private slots:
    void everyControlScales_data();
    void everyControlScales();
    void proportionsAreKept();
    void nextScreenOpensAtTheSameScale();
};

void TestScaling::everyControlScales_data()
{
    QTest::addColumn<ScreenId>("id");
    QTest::addColumn<double>("factor");
    const QList<QPair<const char *, ScreenId>> screens = {
        {"FormAvvio", ScreenId::FormAvvio}, {"FormMenu", ScreenId::FormMenu},
        {"Form1", ScreenId::Form1},         {"Form2", ScreenId::Form2},
        {"Form3", ScreenId::Form3},         {"Form4", ScreenId::Form4},
        {"Form5", ScreenId::Form5},         {"Form6", ScreenId::Form6},
        {"Form7", ScreenId::Form7},         {"Form8", ScreenId::Form8},
        {"Form9", ScreenId::Form9},         {"Form10", ScreenId::Form10},
        {"Form11", ScreenId::Form11},
    };
    for (const auto &[name, id] : screens) {
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

QTEST_MAIN(TestScaling)
#include "tst_scaling.moc"
