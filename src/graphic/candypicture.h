// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

class QMimeData;

namespace Quozzoli {

class SharpLater;

// A candy on the table. Pressing the mouse on it starts dragging it; the
// drag carries the candy's index and its board.
class CandyPicture : public QWidget
{
    Q_OBJECT

public:
    static constexpr const char *Resource = ":/pictures/caramella.svg";
    // The picture's own size at the design scale; it is drawn at that size
    // (grown with the board) from the top-left corner of its box.
    static constexpr QSize PictureSize {33, 35};

    CandyPicture(int index, quint64 board, QWidget *parent = nullptr);

    int index() const { return m_index; }
    // What the candy's drag carries.
    QMimeData *dragData() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    QSizeF pictureSize() const;
    QImage picture() const;
    QPixmap dragPixmap() const;

    int m_index;
    quint64 m_board;
    SharpLater *m_sharpLater;
};

} // namespace Quozzoli
