// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "colourtable.h"
#include "designcanvas.h"

#include <QMainWindow>

#include <optional>

class QLabel;

namespace Quozzoli {

// One window of the program. Only one is open at a time: a screen is made
// when it is shown and destroyed when it is closed.
class Screen : public QMainWindow
{
    Q_OBJECT

public:
    Screen(QSize clientTwips, const QColor &designColour, QWidget *parent = nullptr);

    DesignCanvas *canvas() const { return m_canvas; }

    // Runs once, after the screen is made and before it is shown.
    virtual void formLoad() { }
    // Runs each time the screen is opened from another screen (never when
    // the window merely gets the focus back).
    virtual void formActivate() { }

    // A new random background colour from the screen's colour table.
    void caricaColori();
    void setColourTable(ColourTableVariant variant) { m_colourTable = variant; }
    QColor background() const;
    void setBackground(const QColor &colour);

    // The window size that shows the client area at the given scale.
    QSize windowSizeFor(qreal scale) const;

    // Full screen and back (F11), for projectors and whiteboards.
    void toggleFullScreen();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;

private:
    // The scale the client area is drawn at in a window of this size, the
    // menu bar grown with it.
    qreal scaleFor(QSize window) const;

    DesignCanvas *m_canvas;
    std::optional<ColourTableVariant> m_colourTable;
};

// A label as the screens use them: transparent unless given a colour.
QLabel *makeLabel(const QString &name, const QString &text, QWidget *parent);

} // namespace Quozzoli
