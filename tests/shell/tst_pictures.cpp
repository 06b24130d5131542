// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "predrawniconengine.h"
#include "svgpicture.h"
#include "testenvironment.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QTest>
#ifdef QUOZZOLI_TEST_SVG
#include <QSvgRenderer>
#endif

using namespace Quozzoli;

namespace {

#ifdef QUOZZOLI_TEST_SVG
#ifdef QUOZZOLI_PREDRAWN_PICTURES
// The picture as Qt SVG draws it, whole, into an image of `size`.
QImage drawnBySvg(const QString &file, QSize size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QSvgRenderer svg(file);
    QPainter painter(&image);
    svg.render(&painter, QRectF(image.rect()));
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}
#endif

// The largest and the mean difference of two images' channels.
std::pair<int, double> difference(const QImage &a, const QImage &b)
{
    int worst = 0;
    qint64 sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            for (int d : {qRed(p) - qRed(q), qGreen(p) - qGreen(q), qBlue(p) - qBlue(q),
                          qAlpha(p) - qAlpha(q)}) {
                worst = std::max(worst, std::abs(d));
                sum += std::abs(d);
            }
        }
    }
    return {worst, double(sum) / (4.0 * a.width() * a.height())};
}
#endif

} // namespace

// Every picture of assets/pictures is compiled into the program, unchanged
// or drawn at build time, and draws: the resources of a static library are
// easily lost at link time, and the pictures are drawn by a plugin that could
// be missing. The icon drawn at build time shows as its SVG would; so does a
// picture drawn at build time, scaled down. A picture whose window is being
// resized is shown scaled from a size already drawn, and sharp again once
// its size holds.
class TestPictures : public QObject
{
    Q_OBJECT

private slots:
    void everyPictureIsCompiledIn_data();
    void everyPictureIsCompiledIn();
    void predrawnIconMatchesItsPicture_data();
    void predrawnIconMatchesItsPicture();
    void resizedPictureIsDrawnSharpOnceSettled();
};

void TestPictures::everyPictureIsCompiledIn_data()
{
    QTest::addColumn<QString>("file");
    const QDir folder(qEnvironmentVariable("QUOZZOLI_SOURCE_DIR")
                      + QStringLiteral("/assets/pictures"));
    const QStringList names = folder.entryList({QStringLiteral("*.svg")}, QDir::Files);
    QVERIFY2(!names.isEmpty(), qPrintable(folder.path()));
    for (const QString &name : names)
        QTest::newRow(qPrintable(name)) << folder.filePath(name);
}

void TestPictures::everyPictureIsCompiledIn()
{
    QFETCH(QString, file);
    const QString resource = QStringLiteral(":/pictures/") + QFileInfo(file).fileName();
    QFile compiled(SvgPicture::compiledFile(resource));
    QVERIFY2(compiled.open(QIODevice::ReadOnly), qPrintable(compiled.fileName()));
    if (compiled.fileName() == resource) {
        QFile original(file);
        QVERIFY(original.open(QIODevice::ReadOnly));
        QCOMPARE(compiled.readAll(), original.readAll());
    }

    const QSize size = SvgPicture::naturalSize(resource);
    QVERIFY(!size.isEmpty());
    const QImage drawn = SvgPicture::drawn(resource, size / 2);
    QCOMPARE(drawn.size(), size / 2);
    bool inked = false;
    for (int y = 0; y < drawn.height() && !inked; ++y) {
        for (int x = 0; x < drawn.width() && !inked; ++x)
            inked = qAlpha(drawn.pixel(x, y)) > 0;
    }
    QVERIFY(inked);

#if defined(QUOZZOLI_PREDRAWN_PICTURES) && defined(QUOZZOLI_TEST_SVG)
    // Scaled down from the picture drawn at build time, it stays as sharp as
    // Qt SVG draws it at that size, from a button's size to full screen.
    for (const QSize &shown : {QSize(48, 40), QSize(160, 160), QSize(350, 465), QSize(620, 310)}) {
        const QImage predrawn
            = SvgPicture::drawn(resource, shown).convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(predrawn.size(), shown);
        const auto [worst, mean] = difference(predrawn, drawnBySvg(file, shown));
        qInfo("%s at %dx%d: differs by %d at most, %.2f on average", qPrintable(resource),
              shown.width(), shown.height(), worst, mean);
        // They differ along the outlines only, which take less of a larger picture.
        const double allowed = 200.0 / std::min(shown.width(), shown.height());
        QVERIFY2(mean < allowed, qPrintable(QStringLiteral("differs by %1 on average").arg(mean)));
    }
#endif
}

void TestPictures::predrawnIconMatchesItsPicture_data()
{
    QTest::addColumn<int>("side");
    for (int side : {16, 32, 34, 64, 128})
        QTest::newRow(qPrintable(QString::number(side))) << side;
}

void TestPictures::predrawnIconMatchesItsPicture()
{
#ifdef QUOZZOLI_TEST_SVG
    QFETCH(int, side);
    const QString resource = QStringLiteral(":/pictures/quozzoli.svg");
    const QImage predrawn = PredrawnIconEngine::icon(resource)
                                .pixmap(QSize(side, side))
                                .toImage()
                                .convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(predrawn.size(), QSize(side, side));

    QImage expected(side, side, QImage::Format_ARGB32_Premultiplied);
    expected.fill(Qt::transparent);
    QSvgRenderer svg(qEnvironmentVariable("QUOZZOLI_SOURCE_DIR")
                     + QStringLiteral("/assets/pictures/quozzoli.svg"));
    QSizeF fitted = svg.viewBoxF().size().scaled(side, side, Qt::KeepAspectRatio);
    QPainter painter(&expected);
    painter.setRenderHint(QPainter::Antialiasing);
    svg.render(&painter,
               QRectF(QPointF((side - fitted.width()) / 2, (side - fitted.height()) / 2), fitted));
    painter.end();
    expected = expected.convertToFormat(QImage::Format_ARGB32);

    const int worst = difference(predrawn, expected).first;
    QVERIFY2(worst <= 2, qPrintable(QStringLiteral("differs by %1").arg(worst)));
#else
    QSKIP("Qt SVG is not part of this build");
#endif
}

void TestPictures::resizedPictureIsDrawnSharpOnceSettled()
{
    const QString resource = QStringLiteral(":/pictures/faccia-si.svg");
    const QSize before(96, 96);
    const QSize after(131, 127);
    QWidget window;
    window.resize(300, 300);
    auto *picture = new SvgPicture(resource, &window);
    picture->resize(before);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window, Patience));
    QTRY_VERIFY_WITH_TIMEOUT(picture->sharp(), Patience);
    QCOMPARE(SvgPicture::kept(resource, before).size(), before);

    // The size changes: at first the picture kept is shown scaled...
    picture->resize(after);
    const QImage scaled = picture->grab().toImage();
    QVERIFY(!picture->sharp());
    // ...and once the size has held, it is drawn sharp at its size, as a
    // picture shown at that size from the start is.
    QTRY_VERIFY_WITH_TIMEOUT(picture->sharp(), Patience);
    const QImage settled = picture->grab().toImage();
    QCOMPARE(SvgPicture::kept(resource, after).size(), after);
    SvgPicture fresh(resource);
    fresh.resize(after);
    QCOMPARE(settled, fresh.grab().toImage());
    QVERIFY(scaled != settled);
}

QTEST_MAIN(TestPictures)
#include "tst_pictures.moc"
