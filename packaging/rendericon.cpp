// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Draws the program's SVG icon as square pictures at build time: PNG for the
// hicolor icon theme, and for the program's own resources raw 32-bit ARGB
// pixels (QImage::Format_ARGB32, rows top to bottom, no header), which it
// shows without decoding anything:
//   quozzoli_rendericon ICON.svg SIZE OUTPUT.{png,argb} [SIZE OUTPUT ...]
// With --picture it draws any of the program's pictures as a PNG picture,
// whole and in its own proportions, SIDE pixels on its shorter side, for the
// builds that show pictures drawn ahead of time; the picture's own size goes
// with it as the PNG text "Quozzoli-Size" ("WIDTHxHEIGHT"):
//   quozzoli_rendericon --picture PICTURE.svg SIDE OUTPUT.png

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

namespace {

int fail(const QString &message)
{
    std::fprintf(stderr, "quozzoli_rendericon: %s\n", qPrintable(message));
    return 1;
}

QImage rendered(QSvgRenderer &renderer, int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QSizeF picture = renderer.viewBoxF().size();
    if (picture.isEmpty())
        picture = QSizeF(size, size);
    // Keep the picture's proportions, centred in the square.
    const QSizeF fitted = picture.scaled(size, size, Qt::KeepAspectRatio);
    const QRectF target(QPointF((size - fitted.width()) / 2, (size - fitted.height()) / 2), fitted);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    renderer.render(&painter, target);
    painter.end();
    return image;
}

bool save(const QImage &image, const QString &output)
{
    if (!output.endsWith(QLatin1String(".argb")))
        return image.save(output, "PNG");
    // Unpremultiplied, as a PNG holds it, so that it shows the very same pixels.
    const QImage pixels = image.convertToFormat(QImage::Format_ARGB32);
    QFile file(output);
    return file.open(QIODevice::WriteOnly)
        && file.write(reinterpret_cast<const char *>(pixels.constBits()), pixels.sizeInBytes())
        == pixels.sizeInBytes();
}

int picture(const QString &source, const QString &sideText, const QString &output)
{
    QSvgRenderer renderer(source);
    if (!renderer.isValid() || renderer.defaultSize().isEmpty())
        return fail(QStringLiteral("cannot read %1").arg(source));
    bool isNumber = false;
    const int side = sideText.toInt(&isNumber);
    if (!isNumber || side <= 0 || side > 4096)
        return fail(QStringLiteral("bad size %1").arg(sideText));
    const QSize natural = renderer.defaultSize();
    // Drawn as the program would draw it at that size: the whole picture
    // filling the image.
    QImage image(natural.scaled(side, side, Qt::KeepAspectRatioByExpanding),
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter, QRectF(image.rect()));
    painter.end();
    image.setText(QStringLiteral("Quozzoli-Size"),
                  QStringLiteral("%1x%2").arg(natural.width()).arg(natural.height()));
    if (!QDir().mkpath(QFileInfo(output).absolutePath()) || !image.save(output, "PNG"))
        return fail(QStringLiteral("cannot write %1").arg(output));
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc == 5 && qstrcmp(argv[1], "--picture") == 0) {
        return picture(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]),
                       QString::fromLocal8Bit(argv[4]));
    }
    if (argc < 4 || argc % 2 != 0)
        return fail(
            QStringLiteral("usage: quozzoli_rendericon ICON.svg SIZE OUTPUT.{png,argb} ..."));
    const QString source = QString::fromLocal8Bit(argv[1]);
    QSvgRenderer renderer(source);
    if (!renderer.isValid())
        return fail(QStringLiteral("cannot read %1").arg(source));

    for (int i = 2; i + 1 < argc; i += 2) {
        bool isNumber = false;
        const int size = QString::fromLocal8Bit(argv[i]).toInt(&isNumber);
        const QString output = QString::fromLocal8Bit(argv[i + 1]);
        if (!isNumber || size <= 0 || size > 4096)
            return fail(QStringLiteral("bad size %1").arg(QString::fromLocal8Bit(argv[i])));
        if (!QDir().mkpath(QFileInfo(output).absolutePath()))
            return fail(QStringLiteral("cannot make the folder of %1").arg(output));
        if (!save(rendered(renderer, size), output))
            return fail(QStringLiteral("cannot write %1").arg(output));
    }
    return 0;
}
