// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "colourtable.h"
#include "counter.h"
#include "randomsource.h"
#include "soundfiles.h"

#include <QTest>

#include <map>
#include <set>

using namespace Quozzoli;

Q_DECLARE_METATYPE(Quozzoli::ColourTableVariant)

class TestCoreValues : public QObject
{
    Q_OBJECT

private slots:
    void counterStopsAtItsLargestValue();
    void writtenNumbers_data();
    void writtenNumbers();
    void drawStaysInRange();
    void standardColourTable();
    void colourTableVariants_data();
    void colourTableVariants();
    void colourStatistics_data();
    void colourStatistics();
    void soundPaths();
    void everySoundFileIsListedOnce();
};

void TestCoreValues::counterStopsAtItsLargestValue()
{
    Counter counter;
    QCOMPARE(counter.value(), 0);
    for (int i = 0; i < 32766; ++i)
        counter.increment();
    QCOMPARE(counter.value(), 32766);
    counter.increment();
    QCOMPARE(counter.value(), 32767);
    counter.increment();
    counter.increment();
    QCOMPARE(counter.value(), 32767);
    counter.reset();
    QCOMPARE(counter.value(), 0);
}

void TestCoreValues::writtenNumbers_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << 0 << " 0";
    QTest::newRow("one") << 1 << " 1";
    QTest::newRow("two digits") << 84 << " 84";
    QTest::newRow("three digits") << 882 << " 882";
    QTest::newRow("largest count") << 32767 << " 32767";
    QTest::newRow("negative") << -5 << "-5";
}

void TestCoreValues::writtenNumbers()
{
    QFETCH(int, value);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(writtenNumber(value)), text);
}

void TestCoreValues::drawStaysInRange()
{
    SystemRandom random(1);
    std::set<int> seen;
    for (int i = 0; i < 10000; ++i) {
        const double r = random.next();
        QVERIFY(r >= 0.0 && r < 1.0);
        const int k = random.draw(7);
        QVERIFY(k >= 0 && k < 7);
        seen.insert(k);
    }
    QCOMPARE(seen.size(), std::size_t(7));
}

void TestCoreValues::standardColourTable()
{
    const auto table = colourTable(ColourTableVariant::Standard);
    const Rgb expected[ColourTableSize] = {
        {255, 192, 192}, {255, 128, 128}, {255, 0, 0},     {255, 192, 128}, {255, 128, 0},
        {255, 255, 192}, {255, 255, 0},   {192, 64, 0},    {128, 255, 128}, {0, 192, 0},
        {192, 255, 255}, {0, 255, 255},   {192, 192, 255}, {255, 192, 255}, {255, 192, 255},
        {224, 224, 224}, {0, 0, 255},     {255, 0, 255},
    };
    for (int i = 0; i < ColourTableSize; ++i)
        QVERIFY2(table[std::size_t(i)] == expected[i], qPrintable(QString::number(i + 1)));
}

void TestCoreValues::colourTableVariants_data()
{
    QTest::addColumn<ColourTableVariant>("variant");
    QTest::addColumn<int>("entry2");
    QTest::addColumn<int>("entry3");
    QTest::addColumn<int>("entry17");
    // Entries as stored blue-first.
    QTest::newRow("exact, up to 99")
        << ColourTableVariant::TwoDigitsSmall << 0xC0C0FF << 0x0000FF << 0xFFC0FF;
    QTest::newRow("with remainder")
        << ColourTableVariant::TwoDigitsWithRemainder << 0x8080FF << 0xFFC0FF << 0xC0FFFF;
    QTest::newRow("exact, up to 882")
        << ColourTableVariant::TwoDigitsLarge << 0x8080FF << 0xFFC0C0 << 0xC0FFFF;
}

void TestCoreValues::colourTableVariants()
{
    QFETCH(ColourTableVariant, variant);
    QFETCH(int, entry2);
    QFETCH(int, entry3);
    QFETCH(int, entry17);
    const auto standard = colourTable(ColourTableVariant::Standard);
    const auto table = colourTable(variant);
    for (int index = 1; index <= ColourTableSize; ++index) {
        const Rgb colour = table[std::size_t(index - 1)];
        if (index == 2)
            QVERIFY(colour == Rgb::fromBgr(std::uint32_t(entry2)));
        else if (index == 3)
            QVERIFY(colour == Rgb::fromBgr(std::uint32_t(entry3)));
        else if (index == 17)
            QVERIFY(colour == Rgb::fromBgr(std::uint32_t(entry17)));
        else
            QVERIFY(colour == standard[std::size_t(index - 1)]);
    }
}

void TestCoreValues::colourStatistics_data()
{
    QTest::addColumn<ColourTableVariant>("variant");
    QTest::addColumn<bool>("redPossible");
    QTest::addColumn<bool>("bluePossible");
    QTest::newRow("standard") << ColourTableVariant::Standard << true << true;
    QTest::newRow("exact, up to 99") << ColourTableVariant::TwoDigitsSmall << true << false;
    QTest::newRow("with remainder") << ColourTableVariant::TwoDigitsWithRemainder << false << false;
    QTest::newRow("exact, up to 882") << ColourTableVariant::TwoDigitsLarge << false << false;
}

static int key(const Rgb &c)
{
    return c.red << 16 | c.green << 8 | c.blue;
}

void TestCoreValues::colourStatistics()
{
    QFETCH(ColourTableVariant, variant);
    QFETCH(bool, redPossible);
    QFETCH(bool, bluePossible);

    const auto table = colourTable(variant);
    std::map<int, int> expectedWeight;
    for (const Rgb &c : table)
        ++expectedWeight[key(c)];

    SystemRandom random(42);
    constexpr int Draws = 90000;
    std::map<int, int> seen;
    for (int i = 0; i < Draws; ++i)
        ++seen[key(randomColour(variant, random))];

    // Every colour of the table comes up, none other, each in proportion to
    // the entries that hold it (pink twice on the standard table).
    QCOMPARE(seen.size(), expectedWeight.size());
    for (const auto &[colour, count] : seen) {
        QVERIFY(expectedWeight.count(colour));
        const double expected = double(Draws) * expectedWeight[colour] / ColourTableSize;
        QVERIFY2(
            std::abs(count - expected) < 5 * std::sqrt(expected),
            qPrintable(QStringLiteral("%1: %2 of %3").arg(colour, 0, 16).arg(count).arg(expected)));
    }
    if (variant == ColourTableVariant::Standard)
        QCOMPARE(expectedWeight[key({255, 192, 255})], 2);
    QCOMPARE(seen.count(key({255, 0, 0})) > 0, redPossible);
    QCOMPARE(seen.count(key({0, 0, 255})) > 0, bluePossible);
}

void TestCoreValues::soundPaths()
{
    QCOMPARE(SoundFiles::rightEffect(1), std::string("\\suoni\\si1.wav"));
    QCOMPARE(SoundFiles::rightEffect(4), std::string("\\suoni\\si4.wav"));
    QCOMPARE(SoundFiles::number(0), std::string("\\voci\\0.wav"));
    QCOMPARE(SoundFiles::number(24), std::string("\\voci\\24.wav"));
    // The program folder comes straight before the relative path; only the
    // relative path's backslashes become separators, where they are not.
#ifdef _WIN32
    QCOMPARE(SoundFiles::fullPath("C:\\Quozzoli", "\\suoni\\no.wav"),
             std::string("C:\\Quozzoli\\suoni\\no.wav"));
#else
    QCOMPARE(SoundFiles::fullPath("/opt/quozzoli", "\\suoni\\no.wav"),
             std::string("/opt/quozzoli/suoni/no.wav"));
    QCOMPARE(SoundFiles::fullPath("/odd\\dir", "\\voci\\7.wav"),
             std::string("/odd\\dir/voci/7.wav"));
#endif
}

void TestCoreValues::everySoundFileIsListedOnce()
{
    const auto files = SoundFiles::allFiles();
    const std::set<std::string> unique(files.begin(), files.end());
    QCOMPARE(unique.size(), files.size());
    QCOMPARE(files.size(), std::size_t(5 + 11 + 31));
    QVERIFY(unique.count("\\voci\\30.wav"));
    QVERIFY(unique.count("\\voci\\attento1.wav"));
}

QTEST_APPLESS_MAIN(TestCoreValues)
#include "tst_corevalues.moc"
