// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QProcess>
#include <QTest>

// The program started where there is no desktop to show it on.
class TestNoDisplay : public QObject
{
    Q_OBJECT

private slots:
    void saysSoAndEnds_data();
    void saysSoAndEnds();
};

void TestNoDisplay::saysSoAndEnds_data()
{
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("italian");
    QTest::addColumn<QString>("english");
    QTest::newRow("empty") << QString() << QStringLiteral("DISPLAY è vuoto")
                           << QStringLiteral("DISPLAY is empty");
    // A display number no X server here uses.
    QTest::newRow("gone") << QStringLiteral(":4093")
                          << QStringLiteral("il display X11 \":4093\" non risponde")
                          << QStringLiteral("X11 display \":4093\" does not answer");
}

void TestNoDisplay::saysSoAndEnds()
{
    QFETCH(QString, display);
    QFETCH(QString, italian);
    QFETCH(QString, english);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "XDG_SESSION_TYPE"})
        environment.remove(QString::fromLatin1(name));
    environment.insert(QStringLiteral("DISPLAY"), display);
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(QUOZZOLI_PROGRAM), {});
    QVERIFY(program.waitForFinished(30000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 1);
    const QStringList lines = QString::fromLocal8Bit(program.readAllStandardError())
                                  .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 1);
    const QString line = lines.first();
    QVERIFY2(line.contains(QStringLiteral("serve un desktop grafico (X11 o Wayland)")),
             qPrintable(line));
    QVERIFY2(line.contains(QStringLiteral("needs a graphical desktop (X11 or Wayland)")),
             qPrintable(line));
    QVERIFY2(line.contains(italian) && line.contains(english), qPrintable(line));
}

QTEST_GUILESS_MAIN(TestNoDisplay)
#include "tst_nodisplay.moc"
