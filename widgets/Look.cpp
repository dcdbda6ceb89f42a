// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#include "widgets/Look.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QWidget>

namespace look {

void FitWidth(QLabel* label, const QString& longest)
{
    label->setFont(fit::Narrowed(label->font(), longest, label->contentsRect().width() - 2 * label->margin()));
}

void Paint(QWidget* w, const QColor& background, const QColor& text)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Window, background);
    p.setColor(QPalette::Base, background);
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Text, text);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

void PaintText(QWidget* w, const QColor& text)
{
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::ButtonText, text);
    w->setPalette(p);
}

void MakeFixedWindow(QWidget* window, int clientWidth, int clientHeight)
{
    window->setFixedSize(clientWidth, clientHeight);
    window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    Paint(window, kWindowGrey, Qt::black);
}

void CentreOnScreen(QWidget* window)
{
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const QSize outer = window->frameGeometry().size();
    window->move(area.center() - QPoint(outer.width() / 2, outer.height() / 2));
}

void Present(QWidget* window)
{
    CentreOnScreen(window);
    window->activateWindow();
}

}  // namespace look
