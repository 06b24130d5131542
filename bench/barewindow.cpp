// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The floors the benchmarks measure the program against.
//
// With no argument, the floor for start-up: a bare Qt Widgets window of the
// splash screen's size (669 x 566 pixels) holding one label, and nothing else.
//
// --maximised: the floor for repaints, a bare window, maximised, that fills
// its background and copies one picture of its own size.
// --opener: the same window holding a button; once the window fills the
// screen, "click X Y" is printed, where the button is; a click on it opens
// another such window, maximised, and closes this one.
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace {

class PaintedWindow : public QWidget
{
public:
    PaintedWindow()
    {
        setAttribute(Qt::WA_DeleteOnClose);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        const QImage &picture = screenPicture(screen()->size());
        QPainter painter(this);
        painter.fillRect(rect(), QColor(0, 255, 255));
        painter.drawImage(0, 0, picture, 0, 0, width(), height());
    }

private:
    // One picture of the screen's size, made once; each window copies its
    // part of it at each paint.
    static const QImage &screenPicture(QSize size)
    {
        static QImage picture;
        if (picture.size() != size) {
            picture = QImage(size, QImage::Format_RGB32);
            QPainter painter(&picture);
            painter.fillRect(picture.rect(), QColor(255, 255, 192));
            painter.setBrush(QColor(200, 40, 40));
            painter.drawEllipse(picture.rect().adjusted(20, 20, -20, -20));
        }
        return picture;
    }
};

void openOpener()
{
    auto *window = new PaintedWindow;
    auto *button = new QPushButton(QStringLiteral("Apri"), window);
    button->setGeometry(40, 40, 200, 40);
    QObject::connect(button, &QPushButton::clicked, window, [window] {
        auto *opened = new PaintedWindow;
        opened->resize(669, 566);
        opened->setWindowState(Qt::WindowMaximized);
        opened->show();
        window->close();
    });
    window->showMaximized();
    auto *ready = new QTimer(window);
    QObject::connect(ready, &QTimer::timeout, window, [window, button, ready] {
        if (window->size() != window->screen()->size())
            return;
        ready->stop();
        const QPoint centre = button->mapToGlobal(button->rect().center());
        std::printf("click %d %d\n", centre.x(), centre.y());
        std::fflush(stdout);
    });
    ready->start(20);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QString mode = QCoreApplication::arguments().value(1);
    if (mode == QLatin1String("--maximised")) {
        (new PaintedWindow)->showMaximized();
        return app.exec();
    }
    if (mode == QLatin1String("--opener")) {
        openOpener();
        return app.exec();
    }
    QWidget window;
    window.resize(669, 566);
    QLabel label(QStringLiteral("Quozzoli"), &window);
    label.setGeometry(91, 112, 445, 137);
    window.show();
    return app.exec();
}
