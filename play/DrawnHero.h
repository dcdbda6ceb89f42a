// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#pragma once
// ピポ drawn by the game at the pointer during a run, in place of the system
// pointer. Xwayland honours the Start click's pointer warp only while the X
// pointer is hidden, and keeps it locked to the hand only as long as it stays
// hidden, so the play window's pointer is blank for the whole run and the
// icon is painted here, on X11 and Xwayland alike.

#include <QPixmap>
#include <QWidget>

class DrawnHero : public QWidget {
    Q_OBJECT
public:
    // A child of the play window, above everything in it; hidden until `start`.
    explicit DrawnHero(QWidget* window);

    // Blanks the window's pointer and draws `icon` (hot spot at its centre) at
    // `at` (window pixels); from now on it follows every pointer move in the window.
    void start(const QPixmap& icon, QPoint at);
    // The ordinary pointer again, and no icon.
    void stop();
    bool running() const { return m_running; }
    const QPixmap& icon() const { return m_icon; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // The icon's centre on `at`; hidden when `at` lies outside the window.
    void follow(QPoint at);

    QPixmap m_icon;
    bool m_running = false;
};
