// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "commandrun.h"
#include "soundfiles.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

using namespace Quozzoli;

// `cmake --install` into a scratch folder, as the Debian package does under
// /usr: the program with its sound folders, the command that starts it, and
// what the desktop needs to show it in its menus.
class TestInstalledProgram : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void desktopFiles_data();
    void desktopFiles();
    void pngIcons_data();
    void pngIcons();
    void soundFolders_data();
    void soundFolders();
    void everySoundThatPlaysIsInstalled();
    void commandLeadsToTheProgram();
    void startsAndLoadsItsSoundFromItsFolder_data();
    void startsAndLoadsItsSoundFromItsFolder();
    void desktopEntry();
    void metainfo();

private:
    QString installed(const QString &relative) const
    {
        return m_root + QLatin1Char('/') + relative;
    }
    QString programDir() const { return installed(QStringLiteral("lib/quozzoli")); }

    QTemporaryDir m_destDir;
    QString m_root;
};

void TestInstalledProgram::initTestCase()
{
    QVERIFY(m_destDir.isValid());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DESTDIR"), m_destDir.path());
    const CommandRun install(QStringLiteral(QUOZZOLI_CMAKE),
                             {QStringLiteral("--install"), QStringLiteral(QUOZZOLI_BUILD_DIR),
                              QStringLiteral("--prefix"), QStringLiteral("/usr")},
                             environment);
    QVERIFY2(install.succeeded(), qPrintable(install.report()));
    m_root = QFileInfo(m_destDir.path() + QStringLiteral("/usr")).canonicalFilePath();
    QVERIFY(!m_root.isEmpty());
}

void TestInstalledProgram::desktopFiles_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("executable");
    const QString id = QStringLiteral(QUOZZOLI_APP_ID);
    QTest::newRow("program") << "lib/quozzoli/quozzoli" << true;
    QTest::newRow("desktop entry") << "share/applications/" + id + ".desktop" << false;
    QTest::newRow("metainfo") << "share/metainfo/" + id + ".metainfo.xml" << false;
    QTest::newRow("scalable icon") << "share/icons/hicolor/scalable/apps/quozzoli.svg" << false;
}

void TestInstalledProgram::desktopFiles()
{
    QFETCH(QString, path);
    QFETCH(bool, executable);
    const QFileInfo file(installed(path));
    QVERIFY2(file.isFile(), qPrintable(file.filePath()));
    QVERIFY(file.size() > 0);
    QCOMPARE(file.isExecutable(), executable);
    // Everyone may read what is installed.
    QVERIFY(file.permissions().testFlag(QFileDevice::ReadOther));
}

void TestInstalledProgram::pngIcons_data()
{
    QTest::addColumn<int>("size");
    const QStringList sizes = QStringLiteral(QUOZZOLI_ICON_SIZES).split(QLatin1Char(','));
    QVERIFY(sizes.size() >= 6);
    for (const QString &size : sizes)
        QTest::newRow(qPrintable(size + "x" + size)) << size.toInt();
}

void TestInstalledProgram::pngIcons()
{
    QFETCH(int, size);
    const QString path
        = installed(QStringLiteral("share/icons/hicolor/%1x%1/apps/quozzoli.png").arg(size));
    const QImage icon(path);
    QVERIFY2(!icon.isNull(), qPrintable(path));
    QCOMPARE(icon.size(), QSize(size, size));
    QVERIFY(icon.hasAlphaChannel());
    // The picture fills the middle and leaves the corners of its rounded
    // square clear.
    QVERIFY(qAlpha(icon.pixel(size / 2, size / 2)) == 255);
    QVERIFY(qAlpha(icon.pixel(0, 0)) == 0);
}

void TestInstalledProgram::soundFolders_data()
{
    QTest::addColumn<QString>("folder");
    QTest::newRow("suoni") << "suoni";
    QTest::newRow("voci") << "voci";
}

void TestInstalledProgram::soundFolders()
{
    QFETCH(QString, folder);
    const QDir source(qEnvironmentVariable("QUOZZOLI_SOURCE_DIR") + "/assets/" + folder);
    const QDir target(programDir() + QLatin1Char('/') + folder);
    const QStringList sounds = source.entryList({QStringLiteral("*.wav")}, QDir::Files, QDir::Name);
    QVERIFY(!sounds.isEmpty());
    QCOMPARE(target.entryList(QDir::Files | QDir::Hidden, QDir::Name), sounds);
    for (const QString &name : sounds) {
        QFile original(source.filePath(name));
        QFile copy(target.filePath(name));
        QVERIFY(original.open(QIODevice::ReadOnly));
        QVERIFY2(copy.open(QIODevice::ReadOnly), qPrintable(copy.fileName()));
        QVERIFY2(copy.readAll() == original.readAll(), qPrintable(name));
    }
}

void TestInstalledProgram::everySoundThatPlaysIsInstalled()
{
    for (const std::string &relative : SoundFiles::allFiles()) {
        const QString path
            = QString::fromStdString(SoundFiles::fullPath(programDir().toStdString(), relative));
        QVERIFY2(QFileInfo(path).isFile(), qPrintable(path));
    }
}

void TestInstalledProgram::commandLeadsToTheProgram()
{
    const QFileInfo command(installed(QStringLiteral("bin/quozzoli")));
    QVERIFY2(command.isSymLink(), qPrintable(command.filePath()));
    // Relative, so that it holds wherever the tree is unpacked.
    char target[4096] = {};
    const ssize_t length
        = ::readlink(QFile::encodeName(command.filePath()).constData(), target, sizeof target - 1);
    QVERIFY(length > 0);
    QVERIFY2(QDir::isRelativePath(QFile::decodeName(target)), target);
    QCOMPARE(command.canonicalFilePath(), programDir() + QStringLiteral("/quozzoli"));
}

void TestInstalledProgram::startsAndLoadsItsSoundFromItsFolder_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("folder");
    QTest::newRow("installed") << installed(QStringLiteral("bin/quozzoli")) << programDir();
    QTest::newRow("build tree") << QStringLiteral(QUOZZOLI_PROGRAM)
                                << QFileInfo(QStringLiteral(QUOZZOLI_PROGRAM)).canonicalPath();
}

void TestInstalledProgram::startsAndLoadsItsSoundFromItsFolder()
{
    QFETCH(QString, command);
    QFETCH(QString, folder);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("QT_LOGGING_RULES"),
                       QStringLiteral("quozzoli.sound.debug=true"));
    QProcess program;
    program.setProcessEnvironment(environment);
    program.setProcessChannelMode(QProcess::MergedChannels);
    program.start(command, {});
    QVERIFY2(program.waitForStarted(), qPrintable(program.errorString()));

    // The sound module and the effects are loaded once the splash screen has
    // painted.
    static const QRegularExpression preloadLine(QStringLiteral("preload \"([^\"]*)\" (.*)$"),
                                                QRegularExpression::MultilineOption);
    static const QRegularExpression moduleLine(QStringLiteral("sound module \"([^\"]*)\""));
    const int effects = 5;
    QString log;
    QDeadlineTimer deadline(30000);
    while (log.count(preloadLine) < effects && program.state() == QProcess::Running
           && !deadline.hasExpired()) {
        program.waitForReadyRead(int(deadline.remainingTime()));
        log += QString::fromLocal8Bit(program.readAll());
    }
    const bool running = program.state() == QProcess::Running;
    program.kill();
    program.waitForFinished();
    log += QString::fromLocal8Bit(program.readAll());
    QVERIFY2(running, qPrintable(log));

    // The sound output comes with the module, found beside the program.
    const QRegularExpressionMatch module = moduleLine.match(log);
    QVERIFY2(module.hasMatch(), qPrintable(log));
    QCOMPARE(QFileInfo(module.captured(1)).canonicalFilePath(),
             folder + QStringLiteral("/" QUOZZOLI_SOUND_MODULE));
    QStringList loaded;
    for (auto match = preloadLine.globalMatch(log); match.hasNext();) {
        const auto line = match.next();
        QVERIFY2(line.captured(2).trimmed() == QLatin1String("ok"), qPrintable(line.captured(0)));
        loaded << line.captured(1);
    }
    QStringList expected;
    for (int k = 1; k <= 4; ++k)
        expected << QStringLiteral("%1/suoni/si%2.wav").arg(folder).arg(k);
    expected << folder + QStringLiteral("/suoni/no.wav");
    QCOMPARE(loaded, expected);
}

void TestInstalledProgram::desktopEntry()
{
    const QString path = installed("share/applications/" QUOZZOLI_APP_ID ".desktop");
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
    // The keys of the [Desktop Entry] group.
    QHash<QString, QString> entry;
    QString group;
    for (const QString &line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1Char('[')))
            group = line;
        else if (group == QLatin1String("[Desktop Entry]") && line.contains(QLatin1Char('=')))
            entry.insert(line.section(QLatin1Char('='), 0, 0), line.section(QLatin1Char('='), 1));
    }
    QCOMPARE(entry.value("Type"), QStringLiteral("Application"));
    QCOMPARE(entry.value("Name"), QStringLiteral("Quozzoli"));
    QCOMPARE(entry.value("Comment"),
             QStringLiteral("Esercizi di divisione per la scuola primaria"));
    // The command and the icon it names are installed.
    const QString command = entry.value("Exec").section(QLatin1Char(' '), 0, 0);
    QVERIFY2(QFileInfo(installed("bin/" + command)).isExecutable(), qPrintable(command));
    const QString icon = entry.value("Icon");
    QVERIFY(QFileInfo::exists(installed("share/icons/hicolor/scalable/apps/" + icon + ".svg")));
    QVERIFY(QFileInfo::exists(installed("share/icons/hicolor/48x48/apps/" + icon + ".png")));
    const QStringList categories = entry.value("Categories").split(QLatin1Char(';'));
    QVERIFY(categories.contains("Education"));
    QVERIFY(categories.contains("Math"));

    const QString validator = CommandRun::find(QStringLiteral("desktop-file-validate"));
    if (validator.isEmpty())
        QSKIP("desktop-file-validate is not installed (Debian package desktop-file-utils)");
    const CommandRun validation(validator, {path});
    QVERIFY2(validation.succeeded() && validation.output().trimmed().isEmpty(),
             qPrintable(validation.report()));
}

void TestInstalledProgram::metainfo()
{
    const QString path = installed("share/metainfo/" QUOZZOLI_APP_ID ".metainfo.xml");
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString xml = QString::fromUtf8(file.readAll());
    QVERIFY(xml.contains("<id>" QUOZZOLI_APP_ID "</id>"));
    QVERIFY(
        xml.contains("<launchable type=\"desktop-id\">" QUOZZOLI_APP_ID ".desktop</launchable>"));
    // The newest release is this version.
    static const QRegularExpression release(QStringLiteral("<release version=\"([^\"]+)\""));
    QCOMPARE(release.match(xml).captured(1), QStringLiteral(QUOZZOLI_VERSION));

    const QString validator = CommandRun::find(QStringLiteral("appstreamcli"));
    if (validator.isEmpty())
        QSKIP("appstreamcli is not installed (Debian package appstream)");
    const CommandRun validation(validator,
                                {QStringLiteral("validate"), QStringLiteral("--no-net"),
                                 QStringLiteral("--pedantic"), path});
    QVERIFY2(validation.succeeded(), qPrintable(validation.report()));
}

QTEST_MAIN(TestInstalledProgram)
#include "tst_installedprogram.moc"
