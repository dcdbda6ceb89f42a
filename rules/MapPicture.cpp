// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#include "rules/MapPicture.h"

#include "rules/CourseRules.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QtEndian>

namespace course {

namespace {

constexpr qint64 kLargestFile = 4 * 1024 * 1024;  // a 300 x 300 picture is far smaller in any sane format
constexpr int kDecodeLimitMb = 16;

// The picture loader happily shows half a bitmap; a course must be whole.
bool BitmapComplete(const QByteArray& bytes)
{
    if (!bytes.startsWith("BM") || bytes.size() < 34 || qFromLittleEndian<std::uint32_t>(bytes.constData() + 30) != 0)
        return true;  // other formats (and compressed bitmaps) their decoder judges
    const std::uint64_t offset = qFromLittleEndian<std::uint32_t>(bytes.constData() + 10);
    const std::uint64_t width = qFromLittleEndian<std::uint32_t>(bytes.constData() + 18);
    const auto height = qFromLittleEndian<std::int32_t>(bytes.constData() + 22);
    const std::uint64_t bits = qFromLittleEndian<std::uint16_t>(bytes.constData() + 28);
    const std::uint64_t stride = ((width * bits + 31) / 32) * 4;
    const std::uint64_t rows = static_cast<std::uint64_t>(height < 0 ? -static_cast<std::int64_t>(height) : height);
    return offset + stride * rows <= static_cast<std::uint64_t>(bytes.size());
}

// Qt's limit is for the whole process: lowered only while a stranger's picture is decoded.
class DecodeLimit {
public:
    DecodeLimit() : m_before(QImageReader::allocationLimit()) { QImageReader::setAllocationLimit(kDecodeLimitMb); }
    ~DecodeLimit() { QImageReader::setAllocationLimit(m_before); }
    DecodeLimit(const DecodeLimit&) = delete;
    DecodeLimit& operator=(const DecodeLimit&) = delete;

private:
    int m_before;
};

}  // namespace

Picture ReadPicture(const QString& path, QSize largest)
{
    Picture picture;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        picture.problem = QStringLiteral("cannot be read");
        return picture;
    }
    if (file.size() > kLargestFile) {
        picture.problem = QStringLiteral("%1 bytes, more than a picture of %2 × %3 needs").arg(file.size()).arg(largest.width()).arg(largest.height());
        return picture;
    }
    const QByteArray bytes = file.readAll();
    if (bytes.startsWith("BM") && bytes.size() >= 30)
        picture.bitsPerPixel = qFromLittleEndian<std::uint16_t>(bytes.constData() + 28);
    if (!BitmapComplete(bytes)) {
        picture.problem = QStringLiteral("the bitmap is cut short");
        return picture;
    }
    QBuffer buffer;
    buffer.setData(bytes);
    // PNG and BMP, what packs hold, are told by their first bytes; only another
    // kind of file asks every picture plugin (slowly) what it is.
    const QByteArray known = bytes.startsWith("\x89PNG\r\n\x1a\n") ? QByteArray("png")
                             : bytes.startsWith("BM")                 ? QByteArray("bmp")
                                                                      : QByteArray();
    QImageReader reader(&buffer, known);
    reader.setDecideFormatFromContent(known.isEmpty());
    picture.format = reader.format();
    const QSize size = reader.size();
    if (picture.format.isEmpty() || !size.isValid()) {
        picture.problem = QStringLiteral("not a picture");
        return picture;
    }
    if (size.width() > largest.width() || size.height() > largest.height()) {
        picture.problem = QStringLiteral("%1 × %2 pixels, larger than %3 × %4").arg(size.width()).arg(size.height()).arg(largest.width()).arg(largest.height());
        return picture;
    }
    const DecodeLimit limit;
    if (!reader.read(&picture.image) || picture.image.size() != size) {
        picture.image = {};
        picture.problem = QStringLiteral("cannot be decoded: %1").arg(reader.errorString());
    }
    return picture;
}

QImage ReadMap(const QString& path)
{
    const QSize map(kMapSize, kMapSize);
    const Picture picture = ReadPicture(path, map);
    if (picture.image.size() != map)
        return {};
    return picture.image.convertToFormat(QImage::Format_RGB32);
}

}  // namespace course
