// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#include "rules/PictureFormats.h"

#include <QtEndian>

#include <array>
#include <zlib.h>

namespace course::picture {

namespace {

constexpr int kFileHeader = 14;
constexpr std::uint32_t kPlain = 0;
constexpr std::uint32_t kRle8 = 1;
constexpr std::uint32_t kRle4 = 2;

template <typename T>
T Le(const QByteArray& b, int at)
{
    return qFromLittleEndian<T>(b.constData() + at);
}

std::uint32_t Be32(const QByteArray& b, qsizetype at)
{
    return qFromBigEndian<std::uint32_t>(b.constData() + at);
}

// Writes the pixels of run-length compressed rows, told in stored order.
class RunWriter {
public:
    RunWriter(QImage& image, bool bottomUp)
        : m_bottomUp(bottomUp), m_pixels(image.bits()), m_stride(image.bytesPerLine()), m_width(image.width()), m_height(image.height())
    {
    }

    // Every pixel of a map goes through here: the picture's size and rows are asked for once.
    bool put(int index)
    {
        if (m_y >= m_height || m_x >= m_width)
            return false;
        const int row = m_bottomUp ? m_height - 1 - m_y : m_y;
        m_pixels[static_cast<qsizetype>(row) * m_stride + m_x++] = static_cast<uchar>(index);
        return true;
    }
    void endLine()
    {
        m_x = 0;
        ++m_y;
    }
    bool move(int dx, int dy)
    {
        m_x += dx;
        m_y += dy;
        return m_x <= m_width && m_y <= m_height;
    }
    bool full() const { return m_y >= m_height; }

private:
    bool m_bottomUp;
    uchar* m_pixels;
    qsizetype m_stride;
    int m_width;
    int m_height;
    int m_x = 0;
    int m_y = 0;
};

QString DecodeRuns(const QByteArray& bytes, const BitmapHeader& h, QImage& into)
{
    const bool four = h.compression == kRle4;
    RunWriter out(into, h.size.height() > 0);
    const auto* data = reinterpret_cast<const uchar*>(bytes.constData());
    const qsizetype end = bytes.size();
    qsizetype at = h.pixelOffset;
    const QString pastRow = QStringLiteral("a run reaches past the end of its row");
    while (true) {
        if (at + 2 > end)
            return out.full() ? QString() : QStringLiteral("the bitmap is cut short");
        const int count = data[at];
        const int value = data[at + 1];
        at += 2;
        if (count > 0) {  // a run of one index, or of two alternating ones
            for (int i = 0; i < count; ++i)
                if (!out.put(four ? (i % 2 == 0 ? value >> 4 : value & 0x0f) : value))
                    return pastRow;
        } else if (value == 0) {
            out.endLine();
        } else if (value == 1) {
            return {};
        } else if (value == 2) {
            if (at + 2 > end)
                return QStringLiteral("the bitmap is cut short");
            if (!out.move(data[at], data[at + 1]))
                return QStringLiteral("a jump leaves the picture");
            at += 2;
        } else {  // `value` indices as they stand, padded to a whole word
            const qsizetype length = four ? (value + 1) / 2 : value;
            if (at + length > end)
                return QStringLiteral("the bitmap is cut short");
            for (int i = 0; i < value; ++i) {
                const int byte = data[at + (four ? i / 2 : i)];
                if (!out.put(four ? (i % 2 == 0 ? byte >> 4 : byte & 0x0f) : byte))
                    return pastRow;
            }
            at += length + (length % 2);
        }
    }
}

void DecodePlain(const QByteArray& bytes, const BitmapHeader& h, QImage& into)
{
    const auto stride = static_cast<qsizetype>(PlainBitmapBytes(h) / static_cast<std::uint64_t>(into.height()));
    const int perByte = 8 / h.bits;
    const int mask = (1 << h.bits) - 1;
    for (int y = 0; y < into.height(); ++y) {
        const auto* row = reinterpret_cast<const uchar*>(bytes.constData()) + h.pixelOffset + stride * y;
        uchar* line = into.scanLine(h.size.height() > 0 ? into.height() - 1 - y : y);
        if (h.bits == 8) {  // a byte a pixel, as a map is: the row as it stands
            std::copy(row, row + into.width(), line);
            continue;
        }
        for (int x = 0; x < into.width(); ++x) {
            const int shift = (perByte - 1 - x % perByte) * h.bits;
            line[x] = static_cast<uchar>((row[x / perByte] >> shift) & mask);
        }
    }
}

// The number of bytes the filtered rows of a PNG hold once inflated.
std::uint64_t PngRawBytes(std::uint32_t width, std::uint32_t height, int bitsPerPixel, bool interlaced)
{
    const auto rows = [&](std::uint64_t w, std::uint64_t h) { return w == 0 || h == 0 ? 0 : h * (1 + (w * bitsPerPixel + 7) / 8); };
    if (!interlaced)
        return rows(width, height);
    // Adam7: each pass's first column and row, and its steps.
    constexpr std::array<int, 7> x0{0, 4, 0, 2, 0, 1, 0}, y0{0, 0, 4, 0, 2, 0, 1}, dx{8, 8, 4, 4, 2, 2, 1}, dy{8, 8, 8, 4, 4, 2, 2};
    std::uint64_t total = 0;
    for (std::size_t p = 0; p < 7; ++p)
        total += rows((width + dx[p] - 1 - x0[p]) / dx[p], (height + dy[p] - 1 - y0[p]) / dy[p]);
    return total;
}

int PngBitsPerPixel(int colourType, int depth)
{
    const auto allowed = [&](std::initializer_list<int> depths) { return std::find(depths.begin(), depths.end(), depth) != depths.end(); };
    switch (colourType) {
    case 0: return allowed({1, 2, 4, 8, 16}) ? depth : 0;
    case 2: return allowed({8, 16}) ? 3 * depth : 0;
    case 3: return allowed({1, 2, 4, 8}) ? depth : 0;
    case 4: return allowed({8, 16}) ? 2 * depth : 0;
    case 6: return allowed({8, 16}) ? 4 * depth : 0;
    default: return 0;
    }
}

// Inflates the image data only as far as the picture's size needs.
QString CheckImageData(const QByteArray& compressed, std::uint64_t needed)
{
    z_stream z{};
    if (inflateInit(&z) != Z_OK)
        return QStringLiteral("its image data cannot be read");
    std::array<Bytef, 16384> out{};
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(compressed.constData()));
    z.avail_in = static_cast<uInt>(compressed.size());
    std::uint64_t total = 0;
    int status = Z_OK;
    while (status == Z_OK && total <= needed) {
        z.next_out = out.data();
        z.avail_out = static_cast<uInt>(out.size());
        status = inflate(&z, Z_NO_FLUSH);
        total += out.size() - z.avail_out;
        if (status == Z_BUF_ERROR && z.avail_in == 0)
            break;
    }
    inflateEnd(&z);
    if (total > needed)
        return QStringLiteral("its image data inflates past the %1 bytes its size needs").arg(needed);
    if (status == Z_DATA_ERROR || status == Z_NEED_DICT || status == Z_MEM_ERROR)
        return QStringLiteral("its image data is corrupt");
    if (status != Z_STREAM_END || total < needed)
        return QStringLiteral("its image data is cut short");
    return {};
}

}  // namespace

std::optional<BitmapHeader> ReadBitmapHeader(const QByteArray& bytes, QString& problem)
{
    if (bytes.size() < kFileHeader + 40) {
        problem = QStringLiteral("the bitmap is cut short");
        return std::nullopt;
    }
    const auto infoSize = Le<std::uint32_t>(bytes, kFileHeader);
    if (infoSize < 40 || infoSize > 124 || kFileHeader + static_cast<qsizetype>(infoSize) > bytes.size()) {
        problem = QStringLiteral("a bitmap header of %1 bytes, not one of Windows' own").arg(infoSize);
        return std::nullopt;
    }
    BitmapHeader h;
    h.size = QSize(Le<std::int32_t>(bytes, 18), Le<std::int32_t>(bytes, 22));
    h.bits = Le<std::uint16_t>(bytes, 28);
    h.compression = Le<std::uint32_t>(bytes, 30);
    h.pixelOffset = Le<std::uint32_t>(bytes, 10);
    h.paletteAt = kFileHeader + static_cast<int>(infoSize);
    if (h.bits <= 8) {
        const auto used = Le<std::uint32_t>(bytes, 46);
        h.colours = used == 0 ? 1 << std::min(h.bits, 8) : static_cast<int>(std::min<std::uint32_t>(used, 1u << 16));
    }
    return h;
}

std::uint64_t PlainBitmapBytes(const BitmapHeader& h)
{
    const std::uint64_t width = static_cast<std::uint32_t>(std::max(h.size.width(), 0));
    const std::uint64_t rows = static_cast<std::uint64_t>(std::abs(static_cast<std::int64_t>(h.size.height())));
    return ((width * static_cast<std::uint64_t>(h.bits) + 31) / 32) * 4 * rows;
}

QString DecodePaletteBitmap(const QByteArray& bytes, const BitmapHeader& h, QImage& into)
{
    if (h.bits != 1 && h.bits != 4 && h.bits != 8)
        return QStringLiteral("a bitmap of %1 bits a pixel").arg(h.bits);
    const bool runs = (h.compression == kRle8 && h.bits == 8) || (h.compression == kRle4 && h.bits == 4);
    if (h.compression != kPlain && !runs)
        return QStringLiteral("a bitmap of %1 bits compressed in a way it cannot be (%2)").arg(h.bits).arg(h.compression);
    if (h.colours > (1 << h.bits))
        return QStringLiteral("a palette of %1 colours, more than %2 bits can tell").arg(h.colours).arg(h.bits);
    const qint64 paletteEnd = h.paletteAt + 4LL * h.colours;
    if (h.colours == 0 || h.pixelOffset < paletteEnd || paletteEnd > bytes.size())
        return QStringLiteral("a bitmap of %1 bits without the palette of %2 colours it needs").arg(h.bits).arg(h.colours);
    if (!runs && h.pixelOffset + PlainBitmapBytes(h) > static_cast<std::uint64_t>(bytes.size()))
        return QStringLiteral("the bitmap is cut short");

    const QSize size(h.size.width(), std::abs(h.size.height()));
    if (into.size() != size || into.format() != QImage::Format_Indexed8)
        into = QImage(size, QImage::Format_Indexed8);
    QList<QRgb> palette;
    for (int i = 0; i < h.colours; ++i) {
        const auto* bgr = reinterpret_cast<const uchar*>(bytes.constData()) + h.paletteAt + 4 * i;
        palette << qRgb(bgr[2], bgr[1], bgr[0]);
    }
    into.setColorTable(palette);
    if (!runs) {
        DecodePlain(bytes, h, into);
        return {};
    }
    into.fill(0);  // what a jump or an early end of line passes over is the first colour
    return DecodeRuns(bytes, h, into);
}

QString CheckPng(const QByteArray& bytes, QSize largest)
{
    constexpr qsizetype kSignature = 8;
    if (bytes.size() < kSignature + 25 || Be32(bytes, kSignature + 4) != 0x49484452u /* IHDR */ || Be32(bytes, kSignature) != 13)
        return QStringLiteral("not a picture");
    const std::uint32_t width = Be32(bytes, 16);
    const std::uint32_t height = Be32(bytes, 20);
    const int depth = static_cast<uchar>(bytes[24]);
    const int colourType = static_cast<uchar>(bytes[25]);
    const int interlace = static_cast<uchar>(bytes[28]);
    if (width == 0 || height == 0 || width > 1u << 24 || height > 1u << 24)
        return QStringLiteral("not a picture");
    if (width > static_cast<std::uint32_t>(largest.width()) || height > static_cast<std::uint32_t>(largest.height()))
        return QStringLiteral("%1 × %2 pixels, larger than %3 × %4").arg(width).arg(height).arg(largest.width()).arg(largest.height());
    const int bitsPerPixel = PngBitsPerPixel(colourType, depth);
    if (bitsPerPixel == 0 || interlace > 1 || bytes[26] != 0 || bytes[27] != 0)
        return QStringLiteral("a PNG of colour type %1 and depth %2, which PNG does not know").arg(colourType).arg(depth);

    QByteArray data;
    bool palette = false;
    bool ended = false;
    for (qsizetype at = kSignature; !ended;) {
        if (at + 12 > bytes.size())
            return QStringLiteral("the PNG is cut short");
        const std::uint32_t length = Be32(bytes, at);
        const std::uint32_t type = Be32(bytes, at + 4);
        if (length > static_cast<std::uint32_t>(bytes.size() - at - 12))
            return QStringLiteral("the PNG is cut short");
        if (type == 0x49444154u /* IDAT */)
            data.append(bytes.constData() + at + 8, static_cast<qsizetype>(length));
        palette = palette || type == 0x504c5445u /* PLTE */;
        ended = type == 0x49454e44u /* IEND */;
        at += 12 + static_cast<qsizetype>(length);
    }
    if (colourType == 3 && !palette)
        return QStringLiteral("a palette picture without a palette");
    return CheckImageData(data, PngRawBytes(width, height, bitsPerPixel, interlace == 1));
}

QString PaletteIndicesProblem(const QImage& image)
{
    const int colours = image.colorCount();
    if (colours == 0)
        return {};
    const bool bytes = image.format() == QImage::Format_Indexed8;
    const int width = image.width();
    for (int y = 0; y < image.height(); ++y) {
        const uchar* line = image.constScanLine(y);
        for (int x = 0; x < width; ++x) {
            const int index = bytes ? line[x] : image.pixelIndex(x, y);
            if (index >= colours)
                return QStringLiteral("the pixel at (%1, %2) takes colour %3 of a palette of %4").arg(x).arg(y).arg(index).arg(colours);
        }
    }
    return {};
}

}  // namespace course::picture
