// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#pragma once
// The words of course.json that both the reader and the writer know: the
// game's own pictures and sounds, the stacking's layer names, and the file
// written from a course.

#include "rules/Course.h"

#include <QByteArray>
#include <QImage>
#include <QStringList>

#include <optional>
#include <vector>

namespace course::format {

constexpr int kVersion = 1;

// ":/pictures/car1.bmp" for "car1"; empty when the name is not one of the game's.
QString GamePicture(const QString& name);
const QStringList& Sounds();  // the sounds a checkpoint may play

std::optional<Layer> LayerNamed(const QString& name);
QString LayerName(Layer layer);

// course.json for the course; paths inside `folder` are written relative to it.
QByteArray Write(const Course& course, const QString& folder);

// Hex digest of what decides play: the maps' pixels, marks, stacking, hazards and limits.
QByteArray PlayHash(const Course& course, const std::vector<QImage>& maps);

}  // namespace course::format
