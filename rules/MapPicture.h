// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#pragma once
// Reading the pictures of a course: the play screen's map and a pack's
// pictures come through here. A picture may come from a stranger, so its
// size is judged before it is decoded and no file can take much memory.

#include <QImage>
#include <QSize>
#include <QString>

namespace course {

struct Picture {
    QImage image;     // null when it could not be read
    QByteArray format;  // "png", "bmp", ... as the content says
    int bitsPerPixel = 0;  // of a bitmap as stored; 0 for other formats
    QString problem;  // why it could not be read
};

// Reads the picture at `path`, refusing anything larger than `largest`.
Picture ReadPicture(const QString& path, QSize largest);

// A course map: exactly the map's size, as RGB32; null when it is not one.
QImage ReadMap(const QString& path);

}  // namespace course
