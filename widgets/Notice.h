// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#pragma once
// Telling the player something went wrong outside the game (a course map that
// cannot be read, a ranking that cannot be saved): a message box over the
// window, which the game does not wait for; tests replace it with a recorder.

#include <QString>
#include <functional>

class QWidget;

namespace look {
using NoticeHandler = std::function<void(QWidget* parent, const QString& text)>;
void ShowNotice(QWidget* parent, const QString& text);
// Another handler in place of the message box; an empty one restores it.
void SetNoticeHandler(NoticeHandler handler);
}  // namespace look
