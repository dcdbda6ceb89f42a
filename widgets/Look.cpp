// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#include "widgets/Look.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QWidget>

namespace look {

void RegisterFontSubstitutes()
{
    QFont::insertSubstitutions(kCaptionFamily, {QStringLiteral("IPAPGothic"), QStringLiteral("VL PGothic"),
                                                QStringLiteral("Noto Sans CJK JP")});
}

QFont CaptionFont(int pixelSize)
{
    QFont f(kCaptionFamily);
    f.setPixelSize(pixelSize);
    f.setBold(true);
    return f;
}

void FitWidth(QLabel* label, const QString& longest)
{
    QFont font = label->font();
    const int room = label->contentsRect().width() - 2 * label->margin() - 2;
    for (int stretch = 100; stretch >= 70; stretch -= 5) {
        font.setStretch(stretch);
        if (QFontMetrics(font).horizontalAdvance(longest) <= room)
            break;
    }
    label->setFont(font);
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
