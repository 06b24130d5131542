// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "screen.h"

#include "accessibletext.h"
#include "enterkey.h"
#include "menubarfit.h"
#include "predrawniconengine.h"
#include "randomsource.h"
#include "services.h"
#include "textpicturestyle.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QShortcut>

#include <algorithm>

namespace Quozzoli {

Screen::Screen(QSize clientTwips, const QColor &designColour, QWidget *parent)
    : QMainWindow(parent)
    , m_canvas(new DesignCanvas(clientTwips, this))
{
    TextPictureStyle::install();
    AccessibleText::install();
    setAttribute(Qt::WA_DeleteOnClose);
    // The menu bar and the client area cover the whole window and paint all
    // of it: the window's own background would be painted in vain beneath.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setWindowTitle(QString());
    setWindowIcon(PredrawnIconEngine::icon(QStringLiteral(":/pictures/quozzoli.svg")));
    m_canvas->setObjectName(QStringLiteral("clientArea"));
    setCentralWidget(m_canvas);
    setBackground(designColour);

    auto *fullScreen = new QShortcut(QKeySequence(Qt::Key_F11), this);
    fullScreen->setAutoRepeat(false);
    connect(fullScreen, &QShortcut::activated, this, &Screen::toggleFullScreen);
}

void Screen::toggleFullScreen()
{
    // Back from full screen the window is maximised again if it was.
    setWindowState(windowState() ^ Qt::WindowFullScreen);
}

// The keys a focused button leaves alone come here.
void Screen::keyPressEvent(QKeyEvent *event)
{
    if (!EnterKey::pressFocusedButton(this, event))
        QMainWindow::keyPressEvent(event);
}

void Screen::keyReleaseEvent(QKeyEvent *event)
{
    if (!EnterKey::pressFocusedButton(this, event))
        QMainWindow::keyReleaseEvent(event);
}

void Screen::caricaColori()
{
    if (!m_colourTable)
        return;
    const Rgb colour = randomColour(*m_colourTable, Services::random());
    setBackground(QColor(colour.red, colour.green, colour.blue));
}

QColor Screen::background() const
{
    return m_canvas->background();
}

void Screen::setBackground(const QColor &colour)
{
    m_canvas->setBackground(colour);
}

QSize Screen::windowSizeFor(qreal scale) const
{
    const QSize design = m_canvas->designTwips();
    QSize size(DesignCanvas::pixels(design.width(), scale),
               DesignCanvas::pixels(design.height(), scale));
    if (const auto *bar = qobject_cast<const QMenuBar *>(menuWidget()))
        size.rheight() += MenuBarFit::heightFor(bar, scale, size.width());
    return size;
}

qreal Screen::scaleFor(QSize window) const
{
    const QSize design = m_canvas->designPixels();
    const qreal across = qreal(window.width()) / design.width();
    const auto *bar = qobject_cast<const QMenuBar *>(menuWidget());
    if (!bar)
        return std::min(across, qreal(window.height()) / design.height());
    // The bar's height grows with the scale it is sought for: a few rounds
    // settle it well within a pixel.
    qreal scale = std::min(across, qreal(window.height()) / (design.height() + bar->height()));
    for (int round = 0; round < 3; ++round) {
        const int barHeight = MenuBarFit::heightFor(bar, scale, window.width());
        scale = std::min(across, qreal(window.height() - barHeight) / design.height());
    }
    return std::max(scale, 0.01);
}

void Screen::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    if (auto *bar = qobject_cast<QMenuBar *>(menuWidget()))
        MenuBarFit::apply(bar, scaleFor(event->size()), event->size().width());
}

QLabel *makeLabel(const QString &name, const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

} // namespace Quozzoli
