// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#include "rules/TextFit.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QHash>
#include <QMutex>

#include <algorithm>

namespace fit {

const QStringList& CaptionSubstitutes()
{
    static const QStringList substitutes{QStringLiteral("IPAPGothic"), QStringLiteral("VL PGothic"), QStringLiteral("Noto Sans CJK JP")};
    return substitutes;
}

void RegisterFontSubstitutes()
{
    QFont::insertSubstitutions(kCaptionFamily, CaptionSubstitutes());
}

QFont CaptionFont(int pixelSize)
{
    QFont f(kCaptionFamily);
    f.setPixelSize(pixelSize);
    f.setBold(true);
    return f;
}

QFont Narrowed(QFont font, const QString& text, int width)
{
    for (int stretch = 100; stretch >= kNarrowest; stretch -= 5) {
        font.setStretch(stretch);
        if (QFontMetrics(font).horizontalAdvance(text) <= width - 2)  // two pixels spare for a bold letter's ink
            break;
    }
    return font;
}

QSize Needs(const QFont& font, const QString& text, int width, int flags)
{
    const QFontMetrics metrics(font);
    const QRect need = metrics.boundingRect(QRect(0, 0, width, 10000), flags, text);
    const int lines = std::max(1, need.height() / metrics.lineSpacing());
    const int height = (lines - 1) * metrics.lineSpacing() + font.pixelSize();
    const bool oneLine = !(flags & Qt::TextWordWrap) && !text.contains(u'\n');
    return {oneLine ? metrics.boundingRect(text).right() + 1 : need.width(), height};
}

bool CanMeasure()
{
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
}

namespace {

std::optional<QSize> Measure(const TextBox& box, const QString& text)
{
    // The substitutes as a list of families: the global table is the GUI
    // thread's to change, and may not be filled where this runs.
    QFont font = CaptionFont(k12pt);
    font.setFamilies(QStringList{kCaptionFamily} + CaptionSubstitutes());
    const QSize room = box.room();
    if (!box.wrap)
        font = Narrowed(font, text, room.width());
    const QSize needs = Needs(font, text, room.width(), box.wrap ? Qt::TextWordWrap : 0);
    if (needs.width() <= room.width() && needs.height() <= room.height())
        return std::nullopt;
    return needs;
}

// What a text needs in a box, measured once: the course list reads the same
// packs each time it opens, and laying text out is most of reading a pack.
class Measured {
public:
    std::optional<QSize> overflow(const TextBox& box, const QString& text)
    {
        const QString key = QLatin1String(box.name) + QLatin1Char('\n') + text;
        {
            const QMutexLocker lock(&m_mutex);  // packs are read on worker threads too
            if (const auto found = m_known.constFind(key); found != m_known.cend())
                return *found;
        }
        const std::optional<QSize> needs = Measure(box, text);
        const QMutexLocker lock(&m_mutex);
        if (m_known.size() >= kMostKept)
            m_known.clear();  // a bound, however many packs a player keeps
        m_known.insert(key, needs);
        return needs;
    }

private:
    static constexpr qsizetype kMostKept = 20000;
    QMutex m_mutex;
    QHash<QString, std::optional<QSize>> m_known;
};

}  // namespace

std::optional<QSize> Overflow(const TextBox& box, const QString& text)
{
    static Measured measured;
    return measured.overflow(box, text);
}

}  // namespace fit
