// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#include "rules/Scoring.h"

#include <QCoreApplication>
#include <QStringList>

namespace scores {

bool ParseDecimal(const QString& text, std::int32_t* value)
{
    const qsizetype n = text.size();
    qsizetype i = (n > 0 && text[0] == u'-') ? 1 : 0;
    if (i == n)
        return false;
    std::int64_t v = 0;
    for (qsizetype k = i; k < n; ++k) {
        const char16_t c = text[k].unicode();
        if (c < u'0' || c > u'9')
            return false;
        v = v * 10 + (c - u'0');
        if (v > std::int64_t{INT32_MAX} + 1)
            return false;  // far out of range; stop before the sum overflows
    }
    if (i == 1)
        v = -v;
    if (v < INT32_MIN || v > INT32_MAX)
        return false;
    *value = static_cast<std::int32_t>(v);
    return true;
}


namespace {
QString Key(const char* prefix, int level, int stage, int place)
{
    return QStringLiteral("%1%2_%3_%4").arg(QLatin1String(prefix)).arg(level).arg(stage).arg(place);
}
}  // namespace

QString NameKey(int level, int stage, int place)
{
    return Key("HScore_Nm_", level, stage, place);
}

QString ScoreKey(int level, int stage, int place)
{
    return Key("HScore_Val_", level, stage, place);
}

std::int32_t StoredScore(const QVariant& stored)
{
    if (stored.typeId() != QMetaType::QString)
        return kDefaultScore;  // missing, or a hand-edited list like "1,2"
    std::int32_t value = 0;
    return ParseDecimal(stored.toString(), &value) ? value : kDefaultScore;
}

QString DefaultName()
{
    return QCoreApplication::translate("scores", "ぴぽ", "the hero's name in the ranking of a fresh installation");
}

QString StoredName(const QVariant& stored)
{
    if (!stored.isValid())
        return DefaultName();
    // A hand-edited name with commas reads back as a list; show it whole.
    if (stored.typeId() == QMetaType::QStringList)
        return stored.toStringList().join(QStringLiteral(", "));
    return stored.toString();
}

int RankPlace(const std::int32_t (&vals)[kPlaces], std::int32_t score)
{
    for (int k = 0; k < kPlaces; ++k)
        if (score < vals[k])
            return k;
    return -1;
}

void InsertRecord(QString (&names)[kPlaces], std::int32_t (&vals)[kPlaces], int place, std::int32_t score)
{
    if (place < 0 || place >= kPlaces)
        return;
    for (int i = kPlaces - 2; i >= place; --i) {
        names[i + 1] = names[i];
        vals[i + 1] = vals[i];
    }
    vals[place] = score;
}

}  // namespace scores
