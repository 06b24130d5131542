// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "displayguard.h"

#include <QByteArray>
#include <QList>
#include <QMutex>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include <cstdio>
#include <cstdlib>
#include <utility>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#endif

namespace Quozzoli {

namespace {

struct HeldMessage
{
    QtMsgType type;
    QByteArray category;
    QString text;
};

QBasicMutex heldLock;
QList<HeldMessage> held;
QtMessageHandler previous = nullptr;

QString quoted(const QByteArray &value)
{
    return QLatin1Char('"') + QString::fromLocal8Bit(value) + QLatin1Char('"');
}

// What each platform that Qt could not load was to open, in Italian and
// in English; X11's display when no platform is named.
std::pair<QStringList, QStringList> triedDisplays()
{
    static const QRegularExpression plugin(QStringLiteral("platform plugin \"([^\"]+)\""));
    QStringList platforms;
    for (const HeldMessage &message : std::as_const(held)) {
        const QRegularExpressionMatch match = plugin.match(message.text);
        if (match.hasMatch() && !platforms.contains(match.captured(1)))
            platforms << match.captured(1);
    }
    if (platforms.isEmpty()) {
#ifdef _WIN32
        platforms << QStringLiteral("windows");
#else
        platforms << QStringLiteral("xcb");
#endif
    }
    QStringList italian;
    QStringList english;
    for (const QString &platform : std::as_const(platforms)) {
        if (platform.startsWith(QLatin1String("wayland"))) {
            QByteArray name = qgetenv("WAYLAND_DISPLAY");
            if (name.isEmpty())
                name = "wayland-0";
            italian << QStringLiteral("il display Wayland %1 non risponde").arg(quoted(name));
            english << QStringLiteral("Wayland display %1 does not answer").arg(quoted(name));
        } else if (platform == QLatin1String("xcb")) {
            const QByteArray name = qgetenv("DISPLAY");
            if (name.isEmpty()) {
                italian << QStringLiteral("DISPLAY è vuoto");
                english << QStringLiteral("DISPLAY is empty");
            } else {
                italian << QStringLiteral("il display X11 %1 non risponde").arg(quoted(name));
                english << QStringLiteral("X11 display %1 does not answer").arg(quoted(name));
            }
        } else {
            italian << QStringLiteral("la piattaforma %1 non parte").arg(platform);
            english << QStringLiteral("platform %1 does not start").arg(platform);
        }
    }
    return {italian, english};
}

[[noreturn]] void noDesktop()
{
    const auto [italian, english] = triedDisplays();
#ifdef _WIN32
    const char *const format = "quozzoli: serve il desktop di Windows, ma %1. / "
                               "quozzoli needs the Windows desktop, but %2.\n";
#else
    const char *const format = "quozzoli: serve un desktop grafico (X11 o Wayland), ma %1. / "
                               "quozzoli needs a graphical desktop (X11 or Wayland), but %2.\n";
#endif
    const QString line = QString::fromUtf8(format).arg(italian.join(QStringLiteral(" e ")),
                                                       english.join(QStringLiteral(" and ")));
    std::fputs(line.toLocal8Bit().constData(), stderr);
    std::fflush(stderr);
#ifdef _WIN32
    // Started from Explorer the program has no console to write to.
    ::MessageBoxW(nullptr, reinterpret_cast<const wchar_t *>(line.trimmed().utf16()), L"Quozzoli",
                  MB_OK | MB_ICONERROR);
#endif
    // Nothing of the half-made application is worth tidying up.
    std::_Exit(1);
}

void handle(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    // Qt gives up on the platform with a fatal message, and would abort.
    if (type == QtFatalMsg && text.contains(QLatin1String("platform plugin"))) {
        heldLock.lock();
        noDesktop();
    }
    if (type == QtFatalMsg) {
        if (previous) {
            previous(type, context, text);
        } else {
            qInstallMessageHandler(nullptr);
            qt_message_output(type, context, text);
        }
        return;
    }
    const QMutexLocker locker(&heldLock);
    held.append({type, QByteArray(context.category), text});
}

} // namespace

DisplayGuard::DisplayGuard()
{
    previous = qInstallMessageHandler(&handle);
}

DisplayGuard::~DisplayGuard()
{
    connected();
}

void DisplayGuard::connected()
{
    if (!std::exchange(m_watching, false))
        return;
    qInstallMessageHandler(previous);
    QList<HeldMessage> messages;
    {
        const QMutexLocker locker(&heldLock);
        messages = std::exchange(held, {});
    }
    for (const HeldMessage &message : std::as_const(messages)) {
        const QMessageLogContext context(nullptr, 0, nullptr, message.category.constData());
        qt_message_output(message.type, context, message.text);
    }
}

} // namespace Quozzoli
