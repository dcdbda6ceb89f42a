// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#include "game/PracticeRecords.h"

#include <QSettings>

namespace game {

namespace {
// "Practice/Setting/2_2_from5": the course's group, then level, stage and place.
QString Key(const Stretch& s)
{
    const QString from = s.from < 0 ? QStringLiteral("start") : QStringLiteral("from%1").arg(s.from);
    return QStringLiteral("Practice/%1/%2_%3_%4").arg(s.records).arg(s.level).arg(s.stage).arg(from);
}
}  // namespace

std::optional<int> BestPracticeTime(const Stretch& stretch)
{
    bool ok = false;
    const int best = QSettings().value(Key(stretch)).toInt(&ok);
    return ok && best >= 0 ? std::optional<int>(best) : std::nullopt;  // a damaged entry counts as none
}

bool OfferPracticeTime(const Stretch& stretch, int seconds)
{
    const std::optional<int> best = BestPracticeTime(stretch);
    if (seconds < 0 || (best && *best <= seconds))
        return false;
    QSettings().setValue(Key(stretch), seconds);
    return true;
}

}  // namespace game
