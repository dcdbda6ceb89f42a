// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#pragma once
// Reading the pictures of a course: the play screen's map and a pack's
// pictures come through here. A picture may come from a stranger, so its
// size is judged before it is decoded, its data before any pixel is trusted,
// and no file can take much memory or time.

#include <QImage>
#include <QSize>
#include <QString>

namespace course {

struct Picture {
    QImage image;     // null when it could not be read
    QByteArray format;  // "png" or "bmp", as the content says
    int bitsPerPixel = 0;  // of a bitmap as stored; 0 for other formats
    QString problem;  // why it could not be read
};

// Reads the picture at `path` (a plain file, or one of the game's own
// pictures at ":/..."), refusing anything larger than `largest`.
Picture ReadPicture(const QString& path, QSize largest);

// Decodes a PNG or BMP from its bytes into `into`, which is reused when it
// already has the picture's size and format: every pixel comes from the file.
Picture DecodePicture(const QByteArray& bytes, QSize largest, QImage into = {});

// A course map: exactly the map's size, as RGB32; null when it is not one.
QImage ReadMap(const QString& path);

// A picture of a mark or hazard at most the map's size; null when it is not one.
QImage ReadMarkPicture(const QString& path);

}  // namespace course
