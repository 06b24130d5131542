// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "svgpicture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSvgRenderer>
#include <QTest>

using namespace Quozzoli;

// Every picture of assets/pictures is compiled into the program, unchanged,
// and draws: the resources of a static library are easily lost at link time.
class TestPictures : public QObject
{
    Q_OBJECT

private slots:
    void everyPictureIsCompiledIn_data();
    void everyPictureIsCompiledIn();
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

    QSvgRenderer *renderer = SvgPicture::renderer(resource);
    QVERIFY(renderer->isValid());
    QVERIFY(!renderer->defaultSize().isEmpty());
}

QTEST_MAIN(TestPictures)
#include "tst_pictures.moc"
