// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// Practising a stretch: the START sign of its own, the stretch's time at the
// goal and its best, and the sign waiting again.

#include "game/GameSession.h"
#include "game/HighScoreTable.h"
#include "game/PracticeRecords.h"
#include "play/PlayScreen.h"
#include "rules/MapPicture.h"
#include "rules/Practice.h"
#include "sound/SoundBackend.h"
#include "widgets/Look.h"
#include "widgets/Widgets.h"

#include <QLabel>
#include <QPainter>

using namespace game;

namespace {
// A START sign drawn by the game, for a place whose map shows none.
QPixmap DrawnSign(QSize size)
{
    QPixmap sign(size);
    sign.fill(QColor(255, 221, 0));
    QPainter p(&sign);
    p.setPen(QColor(200, 0, 0));
    p.drawRect(sign.rect().adjusted(0, 0, -1, -1));
    QFont font = look::CaptionFont(look::k9_75pt);
    font.setBold(true);
    p.setFont(font);
    p.drawText(sign.rect(), Qt::AlignCenter, QStringLiteral("START"));
    return sign;
}
}  // namespace

bool PlayScreen::practiseFrom(int index)
{
    m_marksStage = 0;  // the marks are laid again, with the sign
    return m_session->practiseFrom(index, course::ReadMap(courseFile()));
}

void PlayScreen::markPracticeSign()
{
    if (m_session->mode() != RunMode::Practice || m_session->practiceFrom() == course::kFromStart || m_startZones.empty())
        return;
    m_startZones.front()->setPicture(DrawnSign(m_startZones.front()->size()));
}

void PlayScreen::showStretchTime()
{
    const int seconds = m_session->score();
    const Stretch stretch{m_table.group(), m_session->level(), m_session->stage(), m_session->practiceFrom()};
    OfferPracticeTime(stretch, seconds);
    showFace(5);
    m_dialogueText->setText(tr("ゴール！%1秒（ベスト %2秒）").arg(seconds).arg(BestPracticeTime(stretch).value_or(seconds)));
    waitForNext([this] { beginAttempt(); });  // the sign waits again
}
