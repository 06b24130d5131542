// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tastierino.h"

#include "answerbox.h"
#include "designcanvas.h"
#include "keypadsetting.h"
#include "predrawniconengine.h"
#include "screen.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QToolButton>

namespace Quozzoli {

namespace {

constexpr int Rows = 4;
constexpr int KeyPitch = Tastierino::KeyTwips + Tastierino::GapTwips;
constexpr qreal DigitPoints = 24;

} // namespace

void Tastierino::offerTo(Screen *screen)
{
    auto add = [screen] {
        if (screen->findChild<Tastierino *>())
            return;
        DesignCanvas *canvas = screen->canvas();
        const qreal scale = canvas->scale();
        const bool grows = screen->isVisible()
            && !(screen->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen));
        auto *keypad = new Tastierino(canvas, canvas->addStripRight(WidthTwips));
        keypad->show();
        if (grows)
            screen->resize(screen->windowSizeFor(scale));
    };
    if (KeypadSetting::shared().shown())
        add();
    else
        connect(&KeypadSetting::shared(), &KeypadSetting::nowShown, screen, add);
}

Tastierino::Tastierino(DesignCanvas *canvas, const QRect &strip)
    : QWidget(canvas)
    , m_canvas(canvas)
{
    setObjectName(QStringLiteral("Tastierino"));
    setAccessibleName(QStringLiteral("tastierino"));
    canvas->place(this, strip);

    // As on a keyboard's keypad: 7 8 9 at the top, 0 between erase and Enter.
    for (int digit = 0; digit <= 9; ++digit) {
        const int column = digit == 0 ? 1 : (digit - 1) % 3;
        const int row = digit == 0 ? 3 : 2 - (digit - 1) / 3;
        const QString text = QString::number(digit);
        QToolButton *key = addKey(QStringLiteral("Tasto") + text, text, column, row);
        key->setText(text);
        connect(key, &QToolButton::clicked, this,
                [this, digit, text] { type(Qt::Key(Qt::Key_0 + digit), text); });
    }
    QToolButton *erase = addKey(QStringLiteral("TastoCancella"), QStringLiteral("cancella"), 0, 3);
    erase->setIcon(PredrawnIconEngine::icon(QStringLiteral(":/pictures/cancella.svg")));
    erase->setToolButtonStyle(Qt::ToolButtonIconOnly);
    connect(erase, &QToolButton::clicked, this,
            [this] { type(Qt::Key_Backspace, QStringLiteral("\b")); });
    QToolButton *enter = addKey(QStringLiteral("TastoInvio"), QStringLiteral("invio"), 2, 3);
    enter->setIcon(PredrawnIconEngine::icon(QStringLiteral(":/pictures/invio.svg")));
    enter->setToolButtonStyle(Qt::ToolButtonIconOnly);
    connect(enter, &QToolButton::clicked, this,
            [this] { type(Qt::Key_Return, QStringLiteral("\r")); });

    connect(qApp, &QApplication::focusChanged, this, &Tastierino::follow);
    follow();
}

QToolButton *Tastierino::addKey(const QString &name, const QString &accessibleName, int column,
                                int row)
{
    auto *key = new QToolButton(this);
    key->setObjectName(name);
    key->setAccessibleName(accessibleName);
    // The answer box keeps the focus while its keys are pressed.
    key->setFocusPolicy(Qt::NoFocus);
    key->setToolButtonStyle(Qt::ToolButtonTextOnly);
    QPalette p = key->palette();
    p.setColor(QPalette::Button, Qt::white);
    p.setColor(QPalette::ButtonText, Qt::black);
    p.setColor(QPalette::Disabled, QPalette::ButtonText, Qt::gray); // nothing to type in
    key->setPalette(p);
    // The keys stand in the lower part of the strip, within a child's reach.
    const int bottom = m_canvas->designRect(this).height() - MarginTwips;
    const QPoint at(MarginTwips + column * KeyPitch,
                    bottom - Rows * KeyPitch + GapTwips + row * KeyPitch);
    m_canvas->place(key, QRect(at, QSize(KeyTwips, KeyTwips)), {DigitPoints});
    m_keys.append(key);
    return key;
}

void Tastierino::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    const int side = std::max(8, int(m_canvas->pixels(KeyTwips) * 0.6));
    for (QToolButton *key : std::as_const(m_keys))
        key->setIconSize(QSize(side, side));
}

AnswerBox *Tastierino::target() const
{
    auto *box = qobject_cast<AnswerBox *>(window()->focusWidget());
    return box && box->isEnabled() && box->isVisible() ? box : nullptr;
}

// The key's press and release, as a keyboard sends them: the box types a
// digit, erases, or judges its answer on the release of Enter.
void Tastierino::type(Qt::Key key, const QString &text)
{
    QPointer<AnswerBox> box = target();
    if (!box)
        return;
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(box, &press);
    if (!box)
        return;
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(box, &release);
}

void Tastierino::follow()
{
    const bool on = target() != nullptr;
    for (QToolButton *key : std::as_const(m_keys))
        key->setEnabled(on);
}

} // namespace Quozzoli
