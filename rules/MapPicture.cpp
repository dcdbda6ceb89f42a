// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#include "rules/MapPicture.h"

#include "rules/CourseRules.h"
#include "rules/PackFiles.h"
#include "rules/PictureFormats.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>

namespace course {

namespace {

constexpr qint64 kLargestFile = 4 * 1024 * 1024;  // a 300 x 300 picture is far smaller in any sane format

bool Png(const QByteArray& bytes) { return bytes.startsWith("\x89PNG\r\n\x1a\n"); }
bool Bitmap(const QByteArray& bytes) { return bytes.startsWith("BM"); }

QString TooLarge(QSize size, QSize largest)
{
    return QStringLiteral("%1 × %2 pixels, larger than %3 × %4").arg(size.width()).arg(size.height()).arg(largest.width()).arg(largest.height());
}

// Qt's decoder, for a PNG or a bitmap of more than 8 bits whose data has been judged whole.
QString DecodeWithQt(const QByteArray& bytes, const QByteArray& format, QImage& into)
{
    QBuffer buffer;
    buffer.setData(bytes);
    QImageReader reader(&buffer, format);
    reader.setDecideFormatFromContent(false);
    const QSize size = reader.size();
    if (!reader.read(&into) || into.size() != size)
        return QStringLiteral("cannot be decoded: %1").arg(reader.errorString());
    return {};
}

// A bitmap: ours when it has a palette, Qt's for true colour once it is known whole.
QString DecodeBitmap(const QByteArray& bytes, QSize largest, Picture& picture, QImage& into)
{
    QString problem;
    const auto header = picture::ReadBitmapHeader(bytes, problem);
    if (!header)
        return problem;
    picture.bitsPerPixel = header->bits;
    const QSize size(header->size.width(), std::abs(header->size.height()));
    if (header->size.width() <= 0 || header->size.height() == 0 || header->size.height() == std::numeric_limits<std::int32_t>::min())
        return QStringLiteral("not a picture");
    if (size.width() > largest.width() || size.height() > largest.height())
        return TooLarge(size, largest);
    if (header->bits <= 8)
        return picture::DecodePaletteBitmap(bytes, *header, into);
    constexpr std::uint32_t kBitFields = 3;
    if (header->compression != 0 && header->compression != kBitFields)
        return QStringLiteral("a bitmap of %1 bits compressed in a way it cannot be (%2)").arg(header->bits).arg(header->compression);
    if (header->pixelOffset + picture::PlainBitmapBytes(*header) > static_cast<std::uint64_t>(bytes.size()))
        return QStringLiteral("the bitmap is cut short");
    return DecodeWithQt(bytes, "bmp", into);
}

}  // namespace

Picture DecodePicture(const QByteArray& bytes, QSize largest, QImage into)
{
    Picture picture;
    if (Png(bytes)) {
        picture.format = "png";
        picture.problem = picture::CheckPng(bytes, largest);
        if (picture.problem.isEmpty())
            picture.problem = DecodeWithQt(bytes, "png", into);
    } else if (Bitmap(bytes)) {
        picture.format = "bmp";
        picture.problem = DecodeBitmap(bytes, largest, picture, into);
    } else {
        picture.problem = QStringLiteral("not a picture (a pack's pictures are PNG or BMP)");
    }
    if (picture.problem.isEmpty())
        picture.problem = picture::PaletteIndicesProblem(into);
    if (picture.problem.isEmpty())
        picture.image = into;
    return picture;
}

Picture ReadPicture(const QString& path, QSize largest)
{
    if (path.startsWith(QLatin1String(":/"))) {  // one of the game's own, built into it
        QFile own(path);
        if (!own.open(QIODevice::ReadOnly))
            return {{}, {}, 0, QStringLiteral("cannot be read")};
        return DecodePicture(own.readAll(), largest);
    }
    const FileBytes file = ReadPlainFile(path, kLargestFile);
    if (!file.problem.isEmpty())
        return {{}, {}, 0, file.problem};
    return DecodePicture(file.bytes, largest);
}

QImage ReadMap(const QString& path)
{
    const QSize map(kMapSize, kMapSize);
    const Picture picture = ReadPicture(path, map);
    if (picture.image.size() != map)
        return {};
    return picture.image.convertToFormat(QImage::Format_RGB32);
}

QImage ReadMarkPicture(const QString& path)
{
    return ReadPicture(path, QSize(kMapSize, kMapSize)).image;
}

}  // namespace course
