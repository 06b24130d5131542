// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "numberreader.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <clocale>
#include <cstdlib>

#include <random>
#include <string>

using namespace Quozzoli;

class TestNumberReader : public QObject
{
    Q_OBJECT

private slots:
    void reads_data();
    void reads();
    void comparesWithTheExpectedAnswer_data();
    void comparesWithTheExpectedAnswer();
    void hugeInputsNeverMatch_data();
    void hugeInputsNeverMatch();
    void randomTextsNeverCrash();
    void desktopLanguageChangesNothing();
};

void TestNumberReader::reads_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");

    QTest::newRow("plain") << "7" << 7.0;
    QTest::newRow("leading blank") << " 7" << 7.0;
    QTest::newRow("leading zero") << "07" << 7.0;
    QTest::newRow("decimal point") << "7.0" << 7.0;
    QTest::newRow("letters after") << "7a" << 7.0;
    QTest::newRow("letters before") << "a7" << 0.0;
    QTest::newRow("blank inside") << "1 2" << 12.0;
    QTest::newRow("tab and line feed inside") << "1\t2\n3" << 123.0;
    QTest::newRow("half") << "7.5" << 7.5;
    QTest::newRow("comma stops") << "4,5" << 4.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("only blanks") << "   " << 0.0;
    QTest::newRow("minus") << "-3" << -3.0;
    QTest::newRow("plus") << "+3" << 3.0;
    QTest::newRow("minus then blank") << "- 3" << -3.0;
    QTest::newRow("lone sign") << "-" << 0.0;
    QTest::newRow("lone point") << "." << 0.0;
    QTest::newRow("point first") << ".5" << 0.5;
    QTest::newRow("exponent") << "1e2" << 100.0;
    QTest::newRow("exponent with sign") << "25E-1" << 2.5;
    QTest::newRow("D exponent") << "3d1" << 30.0;
    QTest::newRow("exponent without digits") << "7e" << 7.0;
    QTest::newRow("exponent sign without digits") << "7e+x" << 7.0;
    QTest::newRow("blank inside exponent") << "1 e 1" << 10.0;
    QTest::newRow("two points") << "1.2.3" << 1.2;
    QTest::newRow("hex") << "&H1F" << 31.0;
    QTest::newRow("hex lower case") << "&hff" << 255.0;
    QTest::newRow("hex 16-bit wraps to negative") << "&HFFFF" << -1.0;
    QTest::newRow("hex beyond 16 bits") << "&H10000" << 65536.0;
    QTest::newRow("hex 32-bit wraps to negative") << "&HFFFFFFFF" << -1.0;
    QTest::newRow("octal") << "&O17" << 15.0;
    QTest::newRow("octal stops at 8") << "&O78" << 7.0;
    QTest::newRow("ampersand alone") << "&" << 0.0;
    QTest::newRow("ampersand other") << "&X1" << 0.0;
    QTest::newRow("hex without digits") << "&H" << 0.0;
    QTest::newRow("accented letter") << "è7" << 0.0;
    QTest::newRow("carriage return stops") << "1\r2" << 1.0;
}

void TestNumberReader::reads()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    const TypedNumber number = readTypedNumber(text.toStdString());
    QVERIFY(!number.overflow);
    QCOMPARE(number.value, value);
}

void TestNumberReader::comparesWithTheExpectedAnswer_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected");
    QTest::addColumn<bool>("equal");

    QTest::newRow("7 is 7") << "7" << 7 << true;
    QTest::newRow("7.0 is 7") << "7.0" << 7 << true;
    QTest::newRow("7.5 is not 7") << "7.5" << 7 << false;
    QTest::newRow("a7 is 0") << "a7" << 0 << true;
    QTest::newRow("a7 is not 7") << "a7" << 7 << false;
    QTest::newRow("0.0 is 0") << "0.0" << 0 << true;
    QTest::newRow("00 is 0") << "00" << 0 << true;
    QTest::newRow("blank is 0") << " " << 0 << true;
    QTest::newRow("4abc is 4") << "4abc" << 4 << true;
    QTest::newRow("70e-1 is 7") << "70e-1" << 7 << true;
}

void TestNumberReader::comparesWithTheExpectedAnswer()
{
    QFETCH(QString, text);
    QFETCH(int, expected);
    QFETCH(bool, equal);
    QCOMPARE(typedNumberEquals(text.toStdString(), expected), equal);
}

void TestNumberReader::hugeInputsNeverMatch_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("overflow");

    QTest::newRow("hundreds of digits") << QString(400, QLatin1Char('9')) << true;
    QTest::newRow("huge exponent") << "1e999999999999999999999" << true;
    QTest::newRow("huge negative") << "-9e400" << true;
    QTest::newRow("long hex run") << "&H" + QString(50, QLatin1Char('F')) << true;
    QTest::newRow("long octal run") << "&O" + QString(40, QLatin1Char('7')) << true;
    QTest::newRow("tiny exponent") << "1e-999999999999" << false;
    QTest::newRow("zero with huge exponent") << "0e99999999999" << false;
    QTest::newRow("leading zeros") << QString(500, QLatin1Char('0')) + "7" << false;
}

void TestNumberReader::hugeInputsNeverMatch()
{
    QFETCH(QString, text);
    QFETCH(bool, overflow);
    const TypedNumber number = readTypedNumber(text.toStdString());
    QCOMPARE(number.overflow, overflow);
    if (overflow) {
        for (long expected : {0L, 1L, 7L, 32767L, -1L})
            QVERIFY(!typedNumberEquals(text.toStdString(), expected));
    }
}

void TestNumberReader::randomTextsNeverCrash()
{
    // Texts made of the characters that matter to the reader, and others.
    const std::string alphabet = "0123456789+-.eEdDhHoO& \t\n\r,a9x\xc3\xa8";
    std::mt19937 engine(7);
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    std::uniform_int_distribution<int> length(0, 60);
    for (int i = 0; i < 20000; ++i) {
        std::string text;
        const int n = length(engine);
        for (int k = 0; k < n; ++k)
            text += alphabet[pick(engine)];
        const TypedNumber number = readTypedNumber(text);
        QVERIFY(number.overflow || std::isfinite(number.value));
        // The reading never depends on blanks.
        std::string withoutBlanks;
        for (char c : text) {
            if (c != ' ' && c != '\t' && c != '\n')
                withoutBlanks += c;
        }
        const TypedNumber again = readTypedNumber(withoutBlanks);
        QCOMPARE(again.overflow, number.overflow);
        if (!number.overflow)
            QCOMPARE(again.value, number.value);
    }
}

void TestNumberReader::desktopLanguageChangesNothing()
{
    // An Italian desktop writes decimals with a comma; the answer boxes still
    // read the point, and only the point.
    QTemporaryDir locales;
    QProcess localedef;
    localedef.start(QStringLiteral("localedef"),
                    {QStringLiteral("-i"), QStringLiteral("it_IT"), QStringLiteral("-f"),
                     QStringLiteral("UTF-8"), locales.filePath(QStringLiteral("it_IT.UTF-8"))});
    if (!localedef.waitForFinished(60000) || localedef.exitCode() != 0)
        QSKIP("localedef cannot make an Italian locale here (the locales package is missing)");
    qputenv("LOCPATH", locales.path().toLocal8Bit());
    const std::string previous = setlocale(LC_ALL, nullptr);
    QVERIFY(setlocale(LC_ALL, "it_IT.UTF-8"));
    const double commaReading = std::strtod("7,5", nullptr);
    const TypedNumber point = readTypedNumber("7.5");
    const TypedNumber comma = readTypedNumber("7,5");
    const TypedNumber exponent = readTypedNumber("2.5e1");
    setlocale(LC_ALL, previous.c_str());
    qunsetenv("LOCPATH");

    QCOMPARE(commaReading, 7.5); // the locale really is in force
    QCOMPARE(point.value, 7.5);
    QCOMPARE(comma.value, 7.0);
    QCOMPARE(exponent.value, 25.0);
}

QTEST_APPLESS_MAIN(TestNumberReader)
#include "tst_numberreader.moc"
