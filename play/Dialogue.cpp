// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// The dialogue presenter: a face, a line, and the step the player's "next" takes.

#include "game/AppFolder.h"
#include "game/GameSession.h"
#include "play/PlayScreen.h"
#include "play/ReplayControls.h"
#include "widgets/Widgets.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

using namespace game;

void PlayScreen::showFace(int index)
{
    m_faceBox->setPicture(face(index));
}

void PlayScreen::clearFace()
{
    m_faceBox->clearPicture();
}

void PlayScreen::waitForNext(Step next)
{
    m_next = std::move(next);
    m_nextHint->show();
    keepFocusWhileLineWaits();
}

// The focus stays where the space key cannot press a button, but not while a
// button is held: taking the focus from a pressed button cancels its click
// ("タイトルへ" during a story line).
void PlayScreen::keepFocusWhileLineWaits()
{
    if (m_next && QGuiApplication::mouseButtons() == Qt::NoButton && focusWidget() != m_focusKeeper)
        m_focusKeeper->setFocus();
}

void PlayScreen::showLine(int face, const QString& text, Step next)
{
    if (face != 0)
        showFace(face);
    m_dialogueText->setText(text);
    waitForNext(std::move(next));
}

void PlayScreen::tell(const std::vector<course::StoryLine>& lines, std::size_t from, Step then)
{
    if (from >= lines.size()) {
        then();
        return;
    }
    const course::StoryLine& line = lines[from];
    showLine(line.face, line.text.shown(), [this, &lines, from, then = std::move(then)]() mutable {
        tell(lines, from + 1, std::move(then));
    });
}

void PlayScreen::askForNextLine()
{
    if (!m_next)
        return;
    m_nextHint->hide();
    std::exchange(m_next, {})();
}

void PlayScreen::previewKey(int keyCode)
{
    if (m_replay && (keyCode == Qt::Key_Space || keyCode == Qt::Key_Left || keyCode == Qt::Key_Right)) {
        keyCode == Qt::Key_Space ? m_replay->togglePause() : m_replay->skip(keyCode == Qt::Key_Left ? -ReplayControls::kSkipMs : ReplayControls::kSkipMs);
        return;
    }
    if (keyCode == Qt::Key_Space)
        askForNextLine();
    else if (keyCode == Qt::Key_Escape && m_session->mode() != RunMode::Play)
        close();  // watching or practising: back to where the player came from
}

// Key preview: every key pressed in this window reaches previewKey first,
// once, before the element that has the focus. A run's pointer moves on the
// map are taken here too, before any element sees them (Tracking.cpp).
bool PlayScreen::eventFilter(QObject* watched, QEvent* event)
{
    if (TakeRunPointerEvent(watched, event))
        return true;
    if (m_next && (event->type() == QEvent::FocusIn || event->type() == QEvent::MouseButtonRelease) &&
        watched->isWidgetType() && static_cast<QWidget*>(watched)->window() == this)
        QMetaObject::invokeMethod(this, &PlayScreen::keepFocusWhileLineWaits, Qt::QueuedConnection);  // once it is handled
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return QWidget::eventFilter(watched, event);
    auto* target = static_cast<QWidget*>(watched);
    QWidget* focus = QApplication::focusWidget();
    const bool firstReceiver = focus ? target == focus : target == this;
    if (firstReceiver && target->window() == this && !m_closed)
        previewKey(static_cast<QKeyEvent*>(event)->key());
    return QWidget::eventFilter(watched, event);
}
