// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

class QSvgRenderer;

namespace Quozzoli {

// A picture drawn from one of the program's SVG resources, sharp at any size.
class SvgPicture : public QWidget
{
    Q_OBJECT

public:
    enum class Fit {
        Stretch, // fills the whole widget
        KeepAspect, // as large as fits, centred
    };

    explicit SvgPicture(const QString &resource, QWidget *parent = nullptr);

    QString resource() const { return m_resource; }
    void setResource(const QString &resource);
    void setFit(Fit fit);

    // The shared renderer of a resource, loaded on first use.
    static QSvgRenderer *renderer(const QString &resource);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_resource;
    Fit m_fit = Fit::Stretch;
};

} // namespace Quozzoli
