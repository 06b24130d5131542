// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "commandrun.h"

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The licence a Debian copyright file gives a file of the source: that of
// the last "Files:" paragraph with a pattern that matches it. In a pattern
// "*" stands for any characters, "/" included, and "?" for any one.
QString licenceOf(const QString &file, const QString &copyright)
{
    QString licence;
    for (const QString &paragraph : copyright.split(QStringLiteral("\n\n"))) {
        QStringList patterns;
        QString paragraphLicence;
        bool inFiles = false;
        for (const QString &line : paragraph.split(QLatin1Char('\n'))) {
            if (line.startsWith(QLatin1String("Files:"))
                || (inFiles && line.startsWith(QLatin1Char(' ')))) {
                inFiles = true;
                patterns << line.mid(line.startsWith(QLatin1Char(' ')) ? 0 : 6)
                                .split(QLatin1Char(' '), Qt::SkipEmptyParts);
            } else {
                inFiles = false;
                if (line.startsWith(QLatin1String("License:")))
                    paragraphLicence = line.mid(8).trimmed();
            }
        }
        for (const QString &pattern : std::as_const(patterns)) {
            QString expression = QRegularExpression::escape(pattern);
            expression.replace(QLatin1String("\\*"), QLatin1String(".*"));
            expression.replace(QLatin1String("\\?"), QLatin1String("."));
            if (QRegularExpression(QRegularExpression::anchoredPattern(expression))
                    .match(file)
                    .hasMatch())
                licence = paragraphLicence;
        }
    }
    return licence;
}

} // namespace

// The Debian package CPack makes from the build folder: its name, control
// fields, dependencies and contents, its copyright file, and what lintian
// finds in it.
class TestDebianPackage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void fileName();
    void controlFields_data();
    void controlFields();
    void dependencies_data();
    void dependencies();
    void linkedLibraries();
    void contents_data();
    void contents();
    void soundFolders_data();
    void soundFolders();
    void copyrightLicences_data();
    void copyrightLicences();
    void lintianFindsNoFault();

private:
    QString field(const QString &name) const;
    QString unpacked(const QString &path) const { return m_unpacked + path; }

    QTemporaryDir m_workDir;
    QString m_package;
    QString m_unpacked;
    QString m_architecture;
    // Path in the package (without the leading ".") -> its mode, such as
    // "-rwxr-xr-x"; links also give their target.
    QHash<QString, QString> m_modes;
    QHash<QString, QString> m_links;
    QStringList m_depends;
};

void TestDebianPackage::initTestCase()
{
    QVERIFY(m_workDir.isValid());
    if (CommandRun::find(QStringLiteral("dpkg-deb")).isEmpty())
        QSKIP("dpkg-deb is not installed");
    const CommandRun cpack(
        QStringLiteral(QUOZZOLI_CPACK),
        {QStringLiteral("--config"), QStringLiteral(QUOZZOLI_BUILD_DIR "/CPackConfig.cmake"),
         QStringLiteral("-G"), QStringLiteral("DEB"), QStringLiteral("-B"), m_workDir.path()});
    QVERIFY2(cpack.succeeded(), qPrintable(cpack.report()));
    const QStringList packages = QDir(m_workDir.path()).entryList({QStringLiteral("*.deb")});
    QCOMPARE(packages.size(), 1);
    m_package = m_workDir.filePath(packages.first());
    m_unpacked = m_workDir.filePath(QStringLiteral("unpacked"));
    const CommandRun extract(QStringLiteral("dpkg-deb"),
                             {QStringLiteral("--extract"), m_package, m_unpacked});
    QVERIFY2(extract.succeeded(), qPrintable(extract.report()));

    const CommandRun architecture(QStringLiteral("dpkg"), {QStringLiteral("--print-architecture")});
    QVERIFY2(architecture.succeeded(), qPrintable(architecture.report()));
    m_architecture = architecture.output().trimmed();

    const CommandRun listing(QStringLiteral("dpkg-deb"), {QStringLiteral("--contents"), m_package});
    QVERIFY2(listing.succeeded(), qPrintable(listing.report()));
    // -rwxr-xr-x root/root 1234 2026-01-01 12:00 ./usr/lib/quozzoli/quozzoli
    // lrwxrwxrwx root/root    0 2026-01-01 12:00 ./usr/bin/quozzoli -> ../lib/...
    static const QRegularExpression entry(
        QStringLiteral("^(\\S+)\\s+\\S+\\s+\\d+\\s+\\S+\\s+\\S+\\s+\\.(/\\S*)(?: -> (\\S+))?$"));
    const QStringList lines = listing.output().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (const QString &line : lines) {
        const QRegularExpressionMatch match = entry.match(line);
        QVERIFY2(match.hasMatch(), qPrintable(line));
        m_modes.insert(match.captured(2), match.captured(1));
        if (match.hasCaptured(3))
            m_links.insert(match.captured(2), match.captured(3));
    }

    for (const QString &dependency : field(QStringLiteral("Depends")).split(QLatin1Char(',')))
        m_depends << dependency.trimmed().section(QLatin1Char(' '), 0, 0);
}

QString TestDebianPackage::field(const QString &name) const
{
    const CommandRun run(QStringLiteral("dpkg-deb"), {QStringLiteral("--field"), m_package, name});
    return run.succeeded() ? run.output().trimmed() : QString();
}

void TestDebianPackage::fileName()
{
    QCOMPARE(QFileInfo(m_package).fileName(),
             QStringLiteral("quozzoli_%1_%2.deb").arg(QUOZZOLI_VERSION, m_architecture));
}

void TestDebianPackage::controlFields_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("pattern");
    QTest::newRow("package") << "Package"
                             << "^quozzoli$";
    QTest::newRow("version") << "Version"
                             << "^" QUOZZOLI_VERSION "$";
    QTest::newRow("section") << "Section"
                             << "^education$";
    QTest::newRow("maintainer") << "Maintainer"
                                << "^Quozzoli project <[a-z.]+@example\\.org>$";
    QTest::newRow("English description") << "Description"
                                         << "teaches primary-school children";
    QTest::newRow("Italian description") << "Description"
                                         << "insegna la divisione";
}

void TestDebianPackage::controlFields()
{
    QFETCH(QString, name);
    QFETCH(QString, pattern);
    const QString value = field(name);
    QVERIFY2(value.contains(QRegularExpression(pattern)), qPrintable(name + ": " + value));
    if (name == QLatin1String("Version"))
        QCOMPARE(field(QStringLiteral("Architecture")), m_architecture);
}

void TestDebianPackage::dependencies_data()
{
    QTest::addColumn<QString>("package");
    // The sound module links PulseAudio's client library.
    for (const char *name : {"libqt6core6", "libqt6gui6", "libqt6widgets6", "libpulse0",
                             "libqt6svg6", "fonts-liberation2"})
        QTest::newRow(name) << name;
}

void TestDebianPackage::dependencies()
{
    QFETCH(QString, package);
    // Named once, not once by hand and again by dpkg-shlibdeps.
    QVERIFY2(m_depends.count(package) == 1, qPrintable(m_depends.join(QLatin1String(", "))));
}

void TestDebianPackage::linkedLibraries()
{
    const QString readelf = CommandRun::find(QStringLiteral("readelf"));
    if (readelf.isEmpty())
        QSKIP("readelf is not installed (Debian package binutils)");
    const CommandRun dynamic(
        readelf,
        {QStringLiteral("--dynamic"), unpacked(QStringLiteral("/usr/lib/quozzoli/quozzoli"))});
    QVERIFY2(dynamic.succeeded(), qPrintable(dynamic.report()));

    // libQt6Widgets.so.6 comes in the package libqt6widgets6.
    static const QRegularExpression qtLibrary(QStringLiteral("\\[libQt6(\\w+)\\.so\\.6\\]"));
    int linked = 0;
    for (auto match = qtLibrary.globalMatch(dynamic.output()); match.hasNext(); ++linked) {
        const QString package = QStringLiteral("libqt6%1%2")
                                    .arg(match.next().captured(1).toLower(), QStringLiteral("6"));
        QVERIFY2(m_depends.contains(package), qPrintable(package));
    }
    QVERIFY(linked >= 3);
    // The sound server's client library only comes with the sound module,
    // after the first paint, and Qt SVG with the SVG plugin, when the first
    // picture is shown.
    QVERIFY2(!dynamic.output().contains(QLatin1String("libQt6Multimedia"))
                 && !dynamic.output().contains(QLatin1String("libpulse"))
                 && !dynamic.output().contains(QLatin1String("libQt6Svg")),
             qPrintable(dynamic.output()));
    // Found where the system keeps them, not through a run path.
    QVERIFY2(!dynamic.output().contains(QLatin1String("RPATH"))
                 && !dynamic.output().contains(QLatin1String("RUNPATH")),
             qPrintable(dynamic.output()));
}

void TestDebianPackage::contents_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("mode");
    const QString id = QStringLiteral(QUOZZOLI_APP_ID);
    QTest::newRow("program") << "/usr/lib/quozzoli/quozzoli"
                             << "-rwxr-xr-x";
    QTest::newRow("sound module") << "/usr/lib/quozzoli/" QUOZZOLI_SOUND_MODULE << "-rw-r--r--";
    QTest::newRow("command") << "/usr/bin/quozzoli"
                             << "lrwxrwxrwx";
    QTest::newRow("desktop entry") << "/usr/share/applications/" + id + ".desktop"
                                   << "-rw-r--r--";
    QTest::newRow("metainfo") << "/usr/share/metainfo/" + id + ".metainfo.xml"
                              << "-rw-r--r--";
    QTest::newRow("scalable icon") << "/usr/share/icons/hicolor/scalable/apps/quozzoli.svg"
                                   << "-rw-r--r--";
    for (const QString &size : QStringLiteral(QUOZZOLI_ICON_SIZES).split(QLatin1Char(','))) {
        const QString path = QStringLiteral("/usr/share/icons/hicolor/%1x%1/apps/quozzoli.png");
        QTest::newRow(qPrintable(size + "x" + size + " icon")) << path.arg(size) << "-rw-r--r--";
    }
}

void TestDebianPackage::contents()
{
    QFETCH(QString, path);
    QFETCH(QString, mode);
    QVERIFY2(m_modes.contains(path), qPrintable(path));
    QCOMPARE(m_modes.value(path), mode);
    if (mode.startsWith(QLatin1Char('l')))
        QCOMPARE(QDir::cleanPath(QFileInfo(path).path() + QLatin1Char('/') + m_links.value(path)),
                 QStringLiteral("/usr/lib/quozzoli/quozzoli"));
}

void TestDebianPackage::soundFolders_data()
{
    QTest::addColumn<QString>("folder");
    QTest::newRow("suoni") << "suoni";
    QTest::newRow("voci") << "voci";
}

void TestDebianPackage::soundFolders()
{
    QFETCH(QString, folder);
    const QStringList sounds
        = QDir(qEnvironmentVariable("QUOZZOLI_SOURCE_DIR") + "/assets/" + folder)
              .entryList({QStringLiteral("*.wav")}, QDir::Files, QDir::Name);
    QVERIFY(!sounds.isEmpty());
    const QString prefix = "/usr/lib/quozzoli/" + folder + "/";
    QStringList packaged;
    for (auto it = m_modes.cbegin(); it != m_modes.cend(); ++it) {
        if (it.key().startsWith(prefix) && it.value().startsWith(QLatin1Char('-')))
            packaged << it.key().mid(prefix.size());
    }
    packaged.sort();
    QCOMPARE(packaged, sounds);
}

void TestDebianPackage::copyrightLicences_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("licence");
    QTest::newRow("source with a header") << "src/app/main.cpp"
                                          << "GPL-3.0-or-later";
    QTest::newRow("sound, named in .reuse/dep5") << "assets/voci/7.wav"
                                                 << "GPL-3.0-or-later";
    QTest::newRow("metadata with a header of its own")
        << "packaging/" QUOZZOLI_APP_ID ".metainfo.xml"
        << "CC0-1.0";
}

void TestDebianPackage::copyrightLicences()
{
    QFETCH(QString, file);
    QFETCH(QString, licence);
    QFile copyright(unpacked(QStringLiteral("/usr/share/doc/quozzoli/copyright")));
    QVERIFY2(copyright.open(QIODevice::ReadOnly | QIODevice::Text),
             qPrintable(copyright.fileName()));
    QCOMPARE(licenceOf(file, QString::fromUtf8(copyright.readAll())), licence);
}

void TestDebianPackage::lintianFindsNoFault()
{
    const QString lintian = CommandRun::find(QStringLiteral("lintian"));
    if (lintian.isEmpty())
        QSKIP("lintian is not installed");
    // The tags are judged here, not by lintian's exit status.
    const CommandRun run(lintian,
                         {QStringLiteral("--display-info"), QStringLiteral("--fail-on"),
                          QStringLiteral("none"), QStringLiteral("--tag-display-limit"),
                          QStringLiteral("0"), m_package});
    QVERIFY2(run.succeeded(), qPrintable(run.report()));
    // "E: quozzoli: no-copyright-file", "I: quozzoli: tag [usr/lib/...]"
    static const QRegularExpression tagLine(QStringLiteral("^([EWI]): \\S+: (\\S+).*$"),
                                            QRegularExpression::MultilineOption);
    // Besides errors and warnings, the informational tags about hardening
    // and stripping count as faults, but one: the program is built with
    // _FORTIFY_SOURCE, and lintian says it has no checked functions only
    // because its few reads and copies go to buffers whose size the compiler
    // cannot know (a vector's), which no check can guard.
    static const QRegularExpression hardening(
        QStringLiteral("^(hardening-(?!no-fortify-functions)|binary-has-unneeded-section)"));
    QStringList faults;
    for (auto it = tagLine.globalMatch(run.output()); it.hasNext();) {
        const QRegularExpressionMatch tag = it.next();
        if (tag.captured(1) != QLatin1String("I") || tag.captured(2).contains(hardening))
            faults << tag.captured(0);
        else
            qInfo("%s", qPrintable(tag.captured(0)));
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

QTEST_MAIN(TestDebianPackage)
#include "tst_debianpackage.moc"
