// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "predrawniconengine.h"
#include "svgpicture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QSvgRenderer>
#include <QTest>

using namespace Quozzoli;

// Every picture of assets/pictures is compiled into the program, unchanged,
// and draws: the resources of a static library are easily lost at link time,
// and the pictures are drawn by a plugin that could be missing. The icon drawn
// at build time shows as its SVG would.
class TestPictures : public QObject
{
    Q_OBJECT

private slots:
    void everyPictureIsCompiledIn_data();
    void everyPictureIsCompiledIn();
    void predrawnIconMatchesItsPicture_data();
    void predrawnIconMatchesItsPicture();
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
    QFile compiled(resource);
    QVERIFY2(compiled.open(QIODevice::ReadOnly), qPrintable(resource));
    QFile original(file);
    QVERIFY(original.open(QIODevice::ReadOnly));
    QCOMPARE(compiled.readAll(), original.readAll());

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
}

void TestPictures::predrawnIconMatchesItsPicture_data()
{
    QTest::addColumn<int>("side");
    for (int side : {16, 32, 34, 64, 128})
        QTest::newRow(qPrintable(QString::number(side))) << side;
}

void TestPictures::predrawnIconMatchesItsPicture()
{
    QFETCH(int, side);
    const QString resource = QStringLiteral(":/pictures/quozzoli.svg");
    const QImage predrawn = PredrawnIconEngine::icon(resource)
                                .pixmap(QSize(side, side))
                                .toImage()
                                .convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(predrawn.size(), QSize(side, side));

    QImage expected(side, side, QImage::Format_ARGB32_Premultiplied);
    expected.fill(Qt::transparent);
    QSvgRenderer svg(resource);
    QSizeF fitted = svg.viewBoxF().size().scaled(side, side, Qt::KeepAspectRatio);
    QPainter painter(&expected);
    painter.setRenderHint(QPainter::Antialiasing);
    svg.render(&painter,
               QRectF(QPointF((side - fitted.width()) / 2, (side - fitted.height()) / 2), fitted));
    painter.end();
    expected = expected.convertToFormat(QImage::Format_ARGB32);

    int worst = 0;
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            const QRgb a = predrawn.pixel(x, y);
            const QRgb b = expected.pixel(x, y);
            worst = std::max({worst, std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                              std::abs(qBlue(a) - qBlue(b)), std::abs(qAlpha(a) - qAlpha(b))});
        }
    }
    QVERIFY2(worst <= 2, qPrintable(QStringLiteral("differs by %1").arg(worst)));
}

QTEST_MAIN(TestPictures)
#include "tst_pictures.moc"
