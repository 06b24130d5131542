// SPDX-FileCopyrightText: 2026 The Quozzoli developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The floor for start-up: a bare Qt Widgets window of the splash screen's
// size (669 x 566 pixels) holding one label, and nothing else.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(669, 566);
    QLabel label(QStringLiteral("Quozzoli"), &window);
    label.setGeometry(91, 112, 445, 137);
    window.show();
    return app.exec();
}
