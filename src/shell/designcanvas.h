// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QHash>
#include <QPointer>
#include <QRect>
#include <QWidget>

namespace Quozzoli {

// A font as the screens are designed with it: a face, a size in points, bold.
struct DesignFont
{
    qreal points = 0; // 0: leave the widget's font alone
    bool bold = true;
    QString family = QStringLiteral("Arial");
};

// The client area of a screen, laid out in twips (1/1440 inch; 15 twips are
// one pixel at 96 dpi). Every control is placed here once with its design
// rectangle and font; the canvas maps them to pixels at its current scale,
// keeping the proportions and centring the design in the space it has.
class DesignCanvas : public QWidget
{
    Q_OBJECT

public:
    static constexpr qreal TwipsPerPixel = 15.0;

    DesignCanvas(QSize designTwips, QWidget *parent = nullptr);

    // rect is in twips, from the top-left corner of the widget's parent
    // (this canvas, or a frame placed on it).
    void place(QWidget *widget, const QRect &twips, const DesignFont &font = {});
    void moveTo(QWidget *widget, const QPoint &twips);
    // Widens the design by a strip on its right, for controls that stand
    // beside the screen's own; returns the strip, in twips.
    QRect addStripRight(int widthTwips);

    QSize designTwips() const { return m_design; }
    QSize designPixels() const; // the client area at scale 1
    qreal scale() const { return m_scale; }
    QRect designRect(QWidget *widget) const;
    DesignFont designFont(QWidget *widget) const;
    // Every widget placed on the canvas, in the order placed.
    QList<QWidget *> placedWidgets() const;

    // Pixels for a length in twips at the current scale.
    int pixels(int twips) const;
    static int pixels(int twips, qreal scale);
    static int fontPixels(qreal points, qreal scale);

    QColor background() const;
    // The design's colours for the client area: its background and the
    // colour of the texts drawn straight on it.
    void setBackground(const QColor &colour, const QColor &text = Qt::black);

    // Gives a widget a background colour of the design's and, with it, the
    // colour of its texts, so that a text never takes its colour from the
    // desktop while its background comes from the design (white on cyan on a
    // dark desktop). Buttons and text boxes keep the desktop's colours.
    static void setDesignColours(QWidget *widget, const QColor &background,
                                 const QColor &text = Qt::black);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    struct Placement
    {
        QPointer<QWidget> widget;
        QRect twips;
        DesignFont font;
    };

    void apply(const Placement &placement);
    void applyAll();
    void fit(QSize available, bool always);

    QSize m_design;
    qreal m_scale = 1.0;
    QPoint m_offset;
    QHash<QWidget *, Placement> m_placements;
    QList<QWidget *> m_order;
};

} // namespace Quozzoli
