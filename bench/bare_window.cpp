// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// The yardstick for the game's start time and memory: a bare Qt window with
// one button, which ends the program when clicked.

#include <QApplication>
#include <QPushButton>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("bare"));
    window.resize(357, 254);  // the title screen's size
    QPushButton button(QStringLiteral("OK"), &window);
    button.setGeometry(8, 96, 89, 41);
    QObject::connect(&button, &QPushButton::clicked, &app, &QApplication::quit);
    window.show();
    return app.exec();
}
