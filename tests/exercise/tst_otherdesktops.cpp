// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "designcanvas.h"
#include "exercisescreen.h"
#include "menubarfit.h"
#include "screen.h"
#include "screendriver.h"
#include "testenvironment.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <vector>

using namespace Quozzoli;

Q_DECLARE_METATYPE(Quozzoli::ScreenId)

namespace {

// A desktop's dark colour scheme, as a platform theme hands it to Qt.
QPalette darkDesktop()
{
    QPalette p;
    const QColor window(53, 53, 53);
    const QColor base(42, 42, 42);
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        p.setColor(group, QPalette::Window, window);
        p.setColor(group, QPalette::WindowText, QColor(240, 240, 240));
        p.setColor(group, QPalette::Base, base);
        p.setColor(group, QPalette::AlternateBase, window);
        p.setColor(group, QPalette::Text, QColor(240, 240, 240));
        p.setColor(group, QPalette::Button, window);
        p.setColor(group, QPalette::ButtonText, QColor(240, 240, 240));
        p.setColor(group, QPalette::Highlight, QColor(42, 130, 218));
        p.setColor(group, QPalette::HighlightedText, Qt::black);
    }
    p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(127, 127, 127));
    p.setColor(QPalette::Disabled, QPalette::Text, QColor(127, 127, 127));
    p.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(127, 127, 127));
    return p;
}

// A high-contrast scheme: yellow and white on black.
QPalette highContrastDesktop()
{
    QPalette p(Qt::white, Qt::black);
    p.setColor(QPalette::WindowText, Qt::yellow);
    p.setColor(QPalette::Base, Qt::black);
    p.setColor(QPalette::Text, Qt::white);
    p.setColor(QPalette::ButtonText, Qt::yellow);
    p.setColor(QPalette::Button, Qt::black);
    return p;
}

double luminance(const QColor &c)
{
    auto channel = [](int v) {
        const double s = v / 255.0;
        return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) + 0.0722 * channel(c.blue());
}

double contrast(const QColor &a, const QColor &b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The colour most pixels of the rectangle have: what the text stands on.
// The image is in Format_RGB32; a run of one colour is counted at once.
QColor commonest(const QImage &image, const QRect &rect)
{
    QHash<QRgb, int> counts;
    const QRect inside = rect.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = inside.left(), run = 1; x <= inside.right(); x += run, run = 1) {
            while (x + run <= inside.right() && line[x + run] == line[x])
                ++run;
            counts[line[x] | 0xff000000] += run;
        }
    }
    const auto best = std::max_element(counts.cbegin(), counts.cend());
    return QColor::fromRgb(best == counts.cend() ? 0 : best.key());
}

QString textOf(QWidget *widget)
{
    if (auto *label = qobject_cast<QLabel *>(widget))
        return label->text();
    if (auto *button = qobject_cast<QAbstractButton *>(widget))
        return button->text();
    if (auto *edit = qobject_cast<QLineEdit *>(widget))
        return edit->text();
    if (auto *group = qobject_cast<QGroupBox *>(widget))
        return group->title();
    return {};
}

// Pairs the design makes itself, whatever the desktop: black on two of the
// palette's colours (as the style draws them, a shade darker on a frame).
bool designPair(const QColor &text, const QColor &background)
{
    static const QList<QPair<QColor, QColor>> pairs = {
        {Qt::black, QColor(0, 0, 255)}, // the palette's blue
        {Qt::black, QColor(192, 64, 0)}, // the palette's brown, Form2's design colour
    };
    auto near = [](const QColor &a, const QColor &b) {
        return std::abs(a.red() - b.red()) <= 4 && std::abs(a.green() - b.green()) <= 4
            && std::abs(a.blue() - b.blue()) <= 4;
    };
    return std::any_of(pairs.cbegin(), pairs.cend(), [&](const auto &pair) {
        return near(pair.first, text) && near(pair.second, background);
    });
}

struct Finding
{
    double worst = 100;
    QStringList faults;
};

// Every enabled text under `root` that is on view, against the colour
// actually drawn behind it. Disabled texts are dimmed by the desktop on purpose.
void checkTexts(DesignCanvas *canvas, QWidget *root, const QString &when, Finding &finding)
{
    const QImage image = canvas->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QList<QWidget *> widgets = root->findChildren<QWidget *>();
    widgets.prepend(root);
    for (QWidget *widget : std::as_const(widgets)) {
        const QString text = textOf(widget);
        if (text.trimmed().isEmpty() || !widget->isVisibleTo(canvas) || !widget->isEnabled())
            continue;
        const QColor ink = widget->palette().color(QPalette::Active, widget->foregroundRole());
        const QRect rect(widget->mapTo(canvas, QPoint(0, 0)), widget->size());
        const QColor behind = commonest(image, rect);
        const double ratio = contrast(ink, behind);
        if (designPair(ink, behind))
            continue;
        finding.worst = std::min(finding.worst, ratio);
        if (ratio < 4.5) {
            finding.faults << QStringLiteral("%1 %2 \"%3\": %4 on %5, %6:1")
                                  .arg(when, widget->objectName(), text, ink.name(), behind.name(),
                                       QString::number(ratio, 'f', 2));
        }
    }
}

class DesktopPalette
{
public:
    explicit DesktopPalette(const QPalette &palette) { QApplication::setPalette(palette); }
    ~DesktopPalette() { QApplication::setPalette(m_saved); }
    DesktopPalette(const DesktopPalette &) = delete;
    DesktopPalette &operator=(const DesktopPalette &) = delete;

private:
    QPalette m_saved = QApplication::palette();
};

} // namespace

// The program as it looks on desktops other than a light one.
class TestOtherDesktops : public QObject
{
    Q_OBJECT

private slots:
    void textsReadOnEveryDesktop_data();
    void textsReadOnEveryDesktop();
    void wholeProblemOnView_data();
    void wholeProblemOnView();
    void menuCommandsOnView_data();
    void menuCommandsOnView();
};

void TestOtherDesktops::textsReadOnEveryDesktop_data()
{
    QTest::addColumn<ScreenId>("id");
    QTest::addColumn<QPalette>("desktop");
    for (const auto &[name, id] : TestEnvironment::everyScreen()) {
        QTest::addRow("dark %s", name) << id << darkDesktop();
        QTest::addRow("high contrast %s", name) << id << highContrastDesktop();
    }
}

// Each text takes its colour from where its background comes from: the
// design's colours for the screens and their coloured controls, the
// desktop's for buttons, boxes and the problem strip.
void TestOtherDesktops::textsReadOnEveryDesktop()
{
    QFETCH(ScreenId, id);
    QFETCH(QPalette, desktop);
    const DesktopPalette palette(desktop);
    TestEnvironment env;
    Screen *screen = env.open(id);
    DesignCanvas *canvas = screen->canvas();
    // Captions and panels that come up later in a problem are shown at once.
    for (const char *name : {"Label3", "Label4", "Label5", "Frame2"}) {
        if (auto *widget = screen->findChild<QWidget *>(QLatin1String(name)))
            widget->show();
    }
    QWidget *terms = screen->findChild<QWidget *>(QStringLiteral("CorniceNumeroMassimo"));

    Finding finding;
    // Every colour of the screen's table, through the screen's own draw.
    for (int k = 1; k <= 18; ++k) {
        env.random.pushDraw(k - 1, 18);
        if (id == ScreenId::FormMenu)
            screen->formLoad(); // the menu colours its option buttons too
        else
            screen->caricaColori();
        const bool drawn = env.random.pending() == 0;
        const QString when = screen->background().name();
        checkTexts(canvas, canvas, when, finding);
        if (terms) {
            terms->show();
            terms->raise();
            checkTexts(canvas, terms, when, finding);
            terms->hide();
        }
        if (!drawn) // a board keeps its design colour
            break;
    }
    qInfo("%s: worst contrast %.2f:1", QTest::currentDataTag(), finding.worst);
    QVERIFY2(finding.faults.isEmpty(), qPrintable(finding.faults.join(QLatin1Char('\n'))));
}

void TestOtherDesktops::wholeProblemOnView_data()
{
    QTest::addColumn<ScreenId>("id");
    QTest::addColumn<QString>("mode");
    QTest::addColumn<double>("factor");
    const QList<QPair<const char *, ScreenId>> numeric = {
        {"Form1", ScreenId::Form1}, {"Form2", ScreenId::Form2}, {"Form3", ScreenId::Form3},
        {"Form4", ScreenId::Form4}, {"Form5", ScreenId::Form5}, {"Form11", ScreenId::Form11},
    };
    for (double factor : {0.5, 0.75, 1.0, 1.3, 2.0, 3.1}) {
        for (const auto &[name, id] : numeric)
            QTest::addRow("%s x%g", name, factor) << id << QString() << factor;
        QTest::addRow("Form10 factor x%g", factor) << ScreenId::Form10 << "MenuFattore" << factor;
        QTest::addRow("Form10 product x%g", factor) << ScreenId::Form10 << "MenuProdotto" << factor;
    }
}

// No text of a problem is hidden behind the box that follows it, nor cut
// off at its strip's end: the widest problem of every screen, and every
// times table with every factor, at every window size.
void TestOtherDesktops::wholeProblemOnView()
{
    QFETCH(ScreenId, id);
    QFETCH(QString, mode);
    QFETCH(double, factor);
    TestEnvironment env;
    auto *screen = env.open<ExerciseScreen>(id);
    screen->resize(screen->windowSizeFor(factor));
    QCoreApplication::processEvents();
    DesignCanvas *canvas = screen->canvas();
    QVERIFY(std::abs(canvas->scale() - factor) < 0.02);
    const bool tables = id == ScreenId::Form10;
    QLabel *label = ScreenDriver::problemLabel(screen);
    QVERIFY(label);

    QStringList faults;
    auto check = [&] {
        const QImage image = label->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QColor paper = commonest(image, image.rect());
        const QRgb paperRgb = paper.rgb();
        std::vector<char> ink(image.width(), false);
        QHash<QRgb, bool> inky; // a text's few shades, each weighed once
        for (int y = 0; y < image.height(); ++y) {
            const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                const QRgb rgb = line[x] | 0xff000000;
                if (ink[x] || rgb == paperRgb)
                    continue;
                auto it = inky.constFind(rgb);
                if (it == inky.cend())
                    it = inky.insert(rgb, contrast(QColor::fromRgb(rgb), paper) > 1.5);
                ink[x] = *it;
            }
        }
        const auto firstInk = std::find(ink.cbegin(), ink.cend(), true);
        if (firstInk == ink.cend() || ink.back())
            faults << QStringLiteral("\"%1\" cut off").arg(label->text());
        const QPoint origin = label->mapTo(canvas, QPoint(0, 0));
        for (auto *box : screen->findChildren<QLineEdit *>()) {
            if (!box->isVisibleTo(screen))
                continue;
            const QRect over = QRect(box->mapTo(canvas, QPoint(0, 0)) - origin, box->size())
                                   .intersected(image.rect());
            for (int x = over.left(); x <= over.right(); ++x) {
                if (ink[x]) {
                    faults << QStringLiteral("\"%1\" under %2 at x %3")
                                  .arg(label->text(), box->objectName())
                                  .arg(x);
                    break;
                }
            }
        }
    };

    if (!tables) {
        // The widest problem: a dividend with as many digits as the screen
        // draws (two, three on the three-digit screens) and a one-digit divisor.
        const int digits = id == ScreenId::Form5 || id == ScreenId::Form11 ? 3 : 2;
        QString text = label->text();
        static const QRegularExpression number(QStringLiteral("\\d+"));
        QRegularExpressionMatch m = number.match(text);
        QVERIFY(m.hasMatch());
        text.replace(m.capturedStart(), m.capturedLength(), QString(digits, QLatin1Char('8')));
        m = number.match(text, m.capturedStart() + digits);
        QVERIFY(m.hasMatch());
        text.replace(m.capturedStart(), m.capturedLength(), QStringLiteral("8"));
        label->setText(text);
        check();
    } else {
        screen->menuAction(mode)->trigger();
        const bool factorMode = mode == QLatin1String("MenuFattore");
        for (int a = factorMode ? 1 : 0; a <= 10; ++a) {
            for (int b = 0; b <= 10; ++b) {
                env.random.pushDraw(0, 18); // the colour
                env.random.pushDraw(a, 11);
                env.random.pushDraw(b, 11);
                screen->nuovaDivisione();
                QCOMPARE(label->text(),
                         factorMode ? QStringLiteral(" %1 x        = %2").arg(a).arg(a * b)
                                    : QStringLiteral(" %1 x  %2 =").arg(a).arg(b));
                check();
            }
        }
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

void TestOtherDesktops::menuCommandsOnView_data()
{
    QTest::addColumn<ScreenId>("id");
    QTest::addColumn<double>("points");
    for (const auto &[name, id] : TestEnvironment::everyScreen()) {
        if (id == ScreenId::FormAvvio || id == ScreenId::FormMenu)
            continue;
        for (double points : {9.0, 11.0, 16.0})
            QTest::addRow("%s %gpt", name, points) << id << points;
    }
}

// Every command of a menu bar stays on view, whatever the desktop's font,
// and the bar grows with the window as the screen does.
void TestOtherDesktops::menuCommandsOnView()
{
    QFETCH(ScreenId, id);
    QFETCH(double, points);
    const QFont saved = QApplication::font();
    QFont desktop = saved;
    desktop.setPointSizeF(points);
    QApplication::setFont(desktop);
    auto restore = qScopeGuard([&] { QApplication::setFont(saved); });
    TestEnvironment env;
    auto *screen = env.open<ExerciseScreen>(id);
    auto *bar = screen->findChild<QMenuBar *>();
    QVERIFY(bar);

    struct Measure
    {
        qreal scale;
        qreal points;
        int height;
    };
    auto measure = [&](double factor) -> Measure {
        screen->resize(screen->windowSizeFor(factor));
        QCoreApplication::processEvents();
        const QRect inside = bar->contentsRect();
        for (QAction *action : bar->actions()) {
            const QRect at = bar->actionGeometry(action);
            if (at.isEmpty() || !inside.contains(at))
                return {};
        }
        const auto *more = bar->findChild<QWidget *>(QStringLiteral("qt_menubar_ext_button"));
        if (more && more->isVisibleTo(bar))
            return {};
        return {screen->canvas()->scale(), bar->font().pointSizeF(), bar->height()};
    };

    const Measure design = measure(1.0);
    QVERIFY2(design.scale == 1.0, "a command is pushed out at the design size");
    QVERIFY(design.points <= points);
    if (points <= 9.0)
        QCOMPARE(bar->font(), QApplication::font(bar)); // a light desktop's bar, untouched
    const Measure large = measure(2.5);
    QVERIFY2(large.scale > 2.4, "a command is pushed out at full screen");
    // The bar's text and height grow with the window, as the rest does (a
    // bar fitted to a narrow window may grow a little more, its margins
    // weighing less in a wide one, but never past the desktop's font).
    QVERIFY2(large.points >= design.points * large.scale * 0.98
                 && large.points <= points * large.scale + 0.01,
             qPrintable(QStringLiteral("%1 pt at the design size, %2 pt at %3")
                            .arg(design.points)
                            .arg(large.points)
                            .arg(large.scale)));
    QVERIFY(large.height > 2 * design.height);
    const Measure small = measure(0.6);
    QVERIFY2(small.scale > 0.55, "a command is pushed out at a small size");
    qInfo("%s: bar %g pt, %d px high at the design size; %g pt, %d px at x%.2f",
          QTest::currentDataTag(), design.points, design.height, large.points, large.height,
          large.scale);

    // A window lower than its bar: the bar is fitted to the smallest scale,
    // never to a negative one.
    QTest::failOnWarning(QRegularExpression(QStringLiteral("Point size <= 0")));
    QVERIFY(MenuBarFit::fontFor(bar, -0.02, screen->width()).pointSizeF() > 0);
}

QTEST_MAIN(TestOtherDesktops)
#include "tst_otherdesktops.moc"
