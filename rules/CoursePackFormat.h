// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#pragma once
// The words of course.json that both the reader and the writer know: the
// game's own pictures and sounds, one table of words for each choice the
// format offers, and the file written from a course.

#include "rules/Course.h"

#include <QByteArray>
#include <QImage>
#include <QStringList>

#include <optional>
#include <span>
#include <vector>

namespace course::format {

constexpr int kVersion = 1;

// ":/pictures/car1.bmp" for "car1"; empty when the name is not one of the game's.
QString GamePicture(const QString& name);
QStringList GamePictures();  // their names, "car1" first
const QStringList& Sounds();  // the sounds a checkpoint may play

// A value of a choice and its word in course.json.
template <typename T>
struct Word {
    T value;
    const char* text;
};

// The one table of each choice, read by the reader and the writer alike: a
// value added here is read and written.
template <typename T>
std::span<const Word<T>> Words();
template <>
std::span<const Word<HazardKind>> Words();
template <>
std::span<const Word<Harm>> Words();
template <>
std::span<const Word<ClockEffect>> Words();
template <>
std::span<const Word<ScoreAt>> Words();
template <>
std::span<const Word<Layer>> Words();
template <>
std::span<const Word<Signs>> Words();

template <typename T>
std::optional<T> Named(const QString& word)
{
    for (const Word<T>& w : Words<T>())
        if (word == QLatin1String(w.text))
            return w.value;
    return std::nullopt;
}

template <typename T>
QString NameOf(T value)
{
    for (const Word<T>& w : Words<T>())
        if (w.value == value)
            return QLatin1String(w.text);
    return {};
}

// "car, rain, river, bridge": the words a choice offers, for a reader's complaint.
template <typename T>
QString WordList()
{
    QStringList all;
    for (const Word<T>& w : Words<T>())
        all << QLatin1String(w.text);
    return all.join(QStringLiteral(", "));
}

// course.json for the course; paths inside `folder` are written relative to it.
QByteArray Write(const Course& course, const QString& folder);

// Hex digest of what decides play: the maps' pixels, marks, stacking, hazards and limits.
QByteArray PlayHash(const Course& course, const std::vector<QImage>& maps);

}  // namespace course::format
