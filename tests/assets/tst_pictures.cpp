// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// The pictures of the screens: each file in the form the game loads it
// (size, colour depth, ICO layout), the faces distinct, the icons readable,
// and gen_pictures drawing the same bytes on every run.

#include "BmpWriter.h"
#include "GeneratorRun.h"
#include "IcoWriter.h"
#include "Indexed.h"
#include "support/TestEnv.h"

#include <QIcon>
#include <QImageReader>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

namespace {

const QString kAssets = QStringLiteral(POKURIMO_SOURCE_DIR "/assets");

QString Picture(const QString& name) {
    return kAssets + "/pictures/" + name;
}

quint32 U32(const QByteArray& bytes, qsizetype at) {
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}
quint16 U16(const QByteArray& bytes, qsizetype at) {
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}

struct BmpHeader {
    int width = 0, height = 0, bits = 0, colours = 0;
};

BmpHeader ReadBmp(const QByteArray& file) {
    if (file.size() < 54 || !file.startsWith("BM")) return {};
    return {int(qint32(U32(file, 18))), int(qint32(U32(file, 22))), U16(file, 28), int(U32(file, 46))};
}

struct IcoEntry {
    int width = 0, height = 0, directoryBits = 0, colourCount = 0;
    int headerWidth = 0, headerHeight = 0, headerBits = 0;
    QByteArray bitmap;  // the entry's bytes, header included
};

// Reads the directory and each entry's BITMAPINFOHEADER; an empty list if anything is out of bounds.
QList<IcoEntry> ReadIco(const QByteArray& file) {
    if (file.size() < 6 || U16(file, 0) != 0 || U16(file, 2) != 1) return {};
    QList<IcoEntry> entries;
    const int count = U16(file, 4);
    for (int i = 0; i < count; ++i) {
        const qsizetype at = 6 + 16 * i;
        if (at + 16 > file.size()) return {};
        IcoEntry e;
        e.width = uchar(file[at]) ? uchar(file[at]) : 256;
        e.height = uchar(file[at + 1]) ? uchar(file[at + 1]) : 256;
        e.colourCount = uchar(file[at + 2]);
        e.directoryBits = U16(file, at + 6);
        const quint32 size = U32(file, at + 8);
        const quint32 offset = U32(file, at + 12);
        if (size < 40 || qsizetype(offset) + qsizetype(size) > file.size()) return {};
        e.bitmap = file.mid(offset, size);
        e.headerWidth = int(U32(e.bitmap, 4));
        e.headerHeight = int(U32(e.bitmap, 8));
        e.headerBits = U16(e.bitmap, 14);
        entries.append(e);
    }
    return entries;
}

int RowBytes(int width, int bits) {
    return ((width * bits + 31) / 32) * 4;
}

// The AND-mask bit of pixel (x, y), counted from the top row: true is transparent.
bool MaskedOut(const IcoEntry& e, int x, int y) {
    const int paletteBytes = e.headerBits <= 8 ? 4 << e.headerBits : 0;
    const int colourBytes = RowBytes(e.width, e.headerBits) * e.height;
    const int row = e.height - 1 - y;
    const qsizetype at = 40 + paletteBytes + colourBytes + row * RowBytes(e.width, 1) + x / 8;
    return (uchar(e.bitmap[at]) >> (7 - x % 8)) & 1;
}

QList<QImage> ReadAllImages(const QString& path) {
    QImageReader reader(path);
    QList<QImage> images;
    do {
        const QImage image = reader.read();
        if (image.isNull()) break;
        images.append(image.convertToFormat(QImage::Format_ARGB32));
    } while (reader.jumpToNextImage());
    return images;
}

// Share of pixels whose colours differ by more than a little.
double DifferentShare(const QImage& a, const QImage& b) {
    const QImage x = a.convertToFormat(QImage::Format_ARGB32);
    const QImage y = b.convertToFormat(QImage::Format_ARGB32);
    int differ = 0;
    for (int j = 0; j < x.height(); ++j)
        for (int i = 0; i < x.width(); ++i) {
            const QRgb p = x.pixel(i, j), q = y.pixel(i, j);
            if (qAbs(qRed(p) - qRed(q)) + qAbs(qGreen(p) - qGreen(q)) + qAbs(qBlue(p) - qBlue(q)) +
                    qAbs(qAlpha(p) - qAlpha(q)) > 24)
                ++differ;
        }
    return double(differ) / (x.width() * x.height());
}

int ColourCount(const QImage& image) {
    QSet<QRgb> colours;
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); ++y)
        for (int x = 0; x < rgb.width(); ++x) colours.insert(rgb.pixel(x, y));
    return int(colours.size());
}

QImage Load(const QString& name) {
    return QImage(Picture(name)).convertToFormat(QImage::Format_ARGB32);
}

}  // namespace

class PicturesTest : public QObject {
    Q_OBJECT
    TestEnv m_env;

private Q_SLOTS:
    void bmpHasItsSizeAndDepth_data();
    void bmpHasItsSizeAndDepth();
    void applicationIconHoldsThreeImages();
    void pointerIconIsSixteenColoursWithVisibleHotSpot();
    void facesAreSixDifferentPictures();
    void coursePicturesSuitTheCourse();
    void titlePicturesAndDesktopIcons();
    void paletteKeepsFewColoursAndApproximatesMany();
    void icoEntriesDecodeToThePaintedPixels();
    void bmpRowsArePaddedWithZeros();
    void generatorDrawsTheSameBytesAsCommitted();
};

void PicturesTest::bmpHasItsSizeAndDepth_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("bits");
    const struct { const char* name; int w, h, bits; } table[] = {
        {"map_placeholder.bmp", 300, 300, 8}, {"clear.bmp", 200, 200, 8}, {"face1.bmp", 130, 130, 8},
        {"face2.bmp", 130, 130, 8}, {"face3.bmp", 130, 130, 8}, {"face4.bmp", 130, 130, 8},
        {"face5.bmp", 130, 130, 8}, {"face6.bmp", 130, 130, 8}, {"road0.bmp", 46, 25, 24},
        {"road1.bmp", 46, 25, 24}, {"car1.bmp", 20, 25, 8}, {"car2.bmp", 20, 25, 8},
        {"rain.bmp", 99, 20, 8}, {"river0.bmp", 92, 20, 24}, {"river1.bmp", 92, 20, 24},
        {"plank.bmp", 30, 13, 8}, {"water.bmp", 30, 13, 24},
    };
    for (const auto& row : table) QTest::newRow(row.name) << row.name << row.w << row.h << row.bits;
}

void PicturesTest::bmpHasItsSizeAndDepth() {
    QFETCH(QString, name);
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, bits);
    const QByteArray file = assets_test::ReadAll(Picture(name));
    const BmpHeader header = ReadBmp(file);
    QCOMPARE(header.width, width);
    QCOMPARE(qAbs(header.height), height);
    QCOMPARE(header.bits, bits);
    if (bits == 8) QVERIFY(header.colours >= 2 && header.colours <= 256);
    // The picture loader reads it back at the same size.
    QCOMPARE(QImage(Picture(name)).size(), QSize(width, height));
}

void PicturesTest::applicationIconHoldsThreeImages() {
    const QList<IcoEntry> entries = ReadIco(assets_test::ReadAll(Picture("icon.ico")));
    QCOMPARE(entries.size(), 3);
    const int sizes[] = {16, 32, 32};
    const int depths[] = {8, 8, 24};
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(entries[i].width, sizes[i]);
        QCOMPARE(entries[i].headerWidth, sizes[i]);
        QCOMPARE(entries[i].headerHeight, 2 * sizes[i]);  // colour bits and mask
        QCOMPARE(entries[i].headerBits, depths[i]);
        QCOMPARE(entries[i].directoryBits, depths[i]);
        const int palette = depths[i] <= 8 ? 4 << depths[i] : 0;
        QCOMPARE(entries[i].bitmap.size(),
                 40 + palette + (RowBytes(sizes[i], depths[i]) + RowBytes(sizes[i], 1)) * sizes[i]);
    }
    // Both 32-pixel images show the same picture, and Qt's icon shows it without black corners.
    const QList<QImage> images = ReadAllImages(Picture("icon.ico"));
    QCOMPARE(images.size(), 3);
    QVERIFY(DifferentShare(images[1], images[2]) < 0.05);
    const QImage shown = QIcon(Picture("icon.ico")).pixmap(32).toImage().convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(shown.size(), QSize(32, 32));
    QVERIFY(DifferentShare(shown, images[2]) < 0.05);
    QVERIFY(ColourCount(shown) > 8);
}

void PicturesTest::pointerIconIsSixteenColoursWithVisibleHotSpot() {
    const QList<IcoEntry> entries = ReadIco(assets_test::ReadAll(Picture("pipo.ico")));
    QCOMPARE(entries.size(), 1);
    const IcoEntry& e = entries[0];
    QCOMPARE(e.width, 32);
    QCOMPARE(e.height, 32);
    QCOMPARE(e.headerBits, 4);
    QCOMPARE(e.colourCount, 16);
    QCOMPARE(e.bitmap.size(), 40 + 64 + (16 + 4) * 32);
    // Transparent in the corners, solid at the hot spot.
    QVERIFY(MaskedOut(e, 0, 0));
    QVERIFY(MaskedOut(e, 31, 31));
    QVERIFY(!MaskedOut(e, 16, 16));
    const QImage pointer = ReadAllImages(Picture("pipo.ico")).value(0);
    QCOMPARE(pointer.size(), QSize(32, 32));
    QCOMPARE(qAlpha(pointer.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(pointer.pixel(16, 16)), 255);
    // The centre stands out from what surrounds it.
    const QRgb centre = pointer.pixel(16, 16);
    for (const QPoint& n : {QPoint(15, 16), QPoint(17, 16), QPoint(16, 15), QPoint(16, 17)}) {
        const QRgb around = pointer.pixel(n);
        QVERIFY2(qAbs(qRed(centre) - qRed(around)) + qAbs(qGreen(centre) - qGreen(around)) +
                     qAbs(qBlue(centre) - qBlue(around)) > 150,
                 "the hot spot does not stand out");
    }
}

void PicturesTest::facesAreSixDifferentPictures() {
    QList<QImage> faces;
    for (int i = 1; i <= 6; ++i) faces.append(Load(QString("face%1.bmp").arg(i)));
    for (int a = 0; a < 6; ++a) {
        QVERIFY(ColourCount(faces[a]) > 16);
        for (int b = a + 1; b < 6; ++b)
            QVERIFY2(DifferentShare(faces[a], faces[b]) > 0.03,
                     qPrintable(QString("faces %1 and %2 look alike").arg(a + 1).arg(b + 1)));
    }
    // The friend is another character: his picture differs far more than the hero's moods do.
    QVERIFY(DifferentShare(faces[0], faces[3]) > 2 * DifferentShare(faces[0], faces[2]));
}

void PicturesTest::coursePicturesSuitTheCourse() {
    // Open water is one plain blue, so a piece showing it reads as open.
    const QImage water = Load("water.bmp");
    QCOMPARE(ColourCount(water), 1);
    QCOMPARE(water.pixel(0, 0), qRgb(40, 100, 220));
    // The pairs are different pictures, and none of the sprites is a flat fill.
    QVERIFY(DifferentShare(Load("road0.bmp"), Load("road1.bmp")) > 0.1);
    QVERIFY(DifferentShare(Load("river0.bmp"), Load("river1.bmp")) > 0.1);
    QVERIFY(DifferentShare(Load("car1.bmp"), Load("car2.bmp")) > 0.05);
    for (const char* name : {"road0.bmp", "car1.bmp", "car2.bmp", "rain.bmp", "river0.bmp", "plank.bmp"})
        QVERIFY2(ColourCount(Load(name)) >= 4, name);
    // Taxis and covers sit on the asphalt, the river strips on the river's blue.
    for (const char* name : {"road0.bmp", "road1.bmp", "car1.bmp", "car2.bmp"})
        QVERIFY2(Load(name).pixel(0, 0) == qRgb(112, 112, 120), name);
    const QImage river = Load("river0.bmp");
    int riverBlue = 0;
    for (int y = 0; y < river.height(); ++y)
        for (int x = 0; x < river.width(); ++x) riverBlue += river.pixel(x, y) == qRgb(64, 128, 224);
    QVERIFY(riverBlue > river.width() * river.height() / 3);
}

void PicturesTest::titlePicturesAndDesktopIcons() {
    const QImage hero = Load("title_hero.png");
    QCOMPARE(hero.size(), QSize(180, 190));
    QCOMPARE(Load("title_logo.png").size(), QSize(169, 87));
    // The window cuts off the hero's right 7 px: nothing may be drawn there.
    for (int y = 0; y < hero.height(); ++y)
        for (int x = 173; x < 180; ++x) QCOMPARE(qAlpha(hero.pixel(x, y)), 0);
    int drawn = 0;
    for (int y = 0; y < hero.height(); ++y)
        for (int x = 0; x < 173; ++x) drawn += qAlpha(hero.pixel(x, y)) > 0;
    QVERIFY(drawn > hero.width() * hero.height() / 4);
    for (int size : {16, 32, 48, 128, 256}) {
        const QString path = kAssets + QString("/icons/pokurimo-%1.png").arg(size);
        QImageReader reader(path);
        QCOMPARE(reader.format(), QByteArray("png"));
        QCOMPARE(reader.size(), QSize(size, size));
    }
}

void PicturesTest::paletteKeepsFewColoursAndApproximatesMany() {
    QImage few(8, 8, QImage::Format_RGB32);
    few.fill(qRgb(10, 20, 30));
    few.setPixel(3, 4, qRgb(250, 0, 7));
    few.setPixel(5, 1, qRgb(1, 2, 3));
    const QImage exact = art::ToIndexed(few);
    QCOMPARE(exact.format(), QImage::Format_Indexed8);
    QCOMPARE(exact.colorCount(), 3);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) QCOMPARE(exact.pixel(x, y), few.pixel(x, y));

    // A 64 × 64 smooth gradient (4096 colours) in 32 colours: every pixel stays close.
    QImage many(64, 64, QImage::Format_RGB32);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) many.setPixel(x, y, qRgb(x * 4, y * 4, 128));
    const QImage reduced = art::ToIndexed(many, 32);
    QCOMPARE(reduced.colorCount(), 32);
    int worst = 0;
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) {
            const QRgb a = many.pixel(x, y), b = reduced.pixel(x, y);
            worst = qMax(worst, qAbs(qRed(a) - qRed(b)) + qAbs(qGreen(a) - qGreen(b)) + qAbs(qBlue(a) - qBlue(b)));
        }
    QVERIFY2(worst <= 48, qPrintable(QString("worst error %1").arg(worst)));
}

void PicturesTest::icoEntriesDecodeToThePaintedPixels() {
    // A 9 × 5 picture (odd width: row padding, split nibbles) with a transparent column.
    QImage painted(9, 5, QImage::Format_ARGB32);
    const QRgb colours[] = {qRgb(255, 0, 0), qRgb(0, 200, 0), qRgb(0, 0, 255), qRgb(250, 250, 0)};
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 9; ++x) painted.setPixel(x, y, x == 4 ? qRgba(0, 0, 0, 0) : colours[(x + y) % 4]);
    for (int bits : {4, 8, 24}) {
        const QByteArray ico = art::EncodeIco({{painted, bits}});
        QTemporaryDir dir;
        const QString path = dir.filePath("t.ico");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(ico);
        file.close();
        const QList<IcoEntry> entries = ReadIco(ico);
        QCOMPARE(entries.size(), 1);
        QCOMPARE(entries[0].headerBits, bits);
        QVERIFY(MaskedOut(entries[0], 4, 2));
        QVERIFY(!MaskedOut(entries[0], 3, 2));
        const QImage decoded = ReadAllImages(path).value(0);
        QCOMPARE(decoded.size(), QSize(9, 5));
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 9; ++x)
                if (x != 4) QCOMPARE(decoded.pixel(x, y), colours[(x + y) % 4]);
    }
}

void PicturesTest::bmpRowsArePaddedWithZeros() {
    // Odd widths need padding; the picture's own memory is full of junk beyond each row.
    QImage indexed(7, 3, QImage::Format_Indexed8);
    memset(indexed.bits(), 0xAB, size_t(indexed.sizeInBytes()));
    indexed.setColorTable({qRgb(1, 2, 3), qRgb(200, 100, 50), qRgb(9, 250, 9)});
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 7; ++x) indexed.setPixel(x, y, uint((x * y + x) % 3));
    QImage rgb(5, 2, QImage::Format_RGB32);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 5; ++x) rgb.setPixel(x, y, qRgb(x * 50, y * 100, 77));

    for (const QImage& picture : {indexed, rgb}) {
        const QByteArray file = art::EncodeBmp(picture);
        const BmpHeader header = ReadBmp(file);
        const int bits = picture.format() == QImage::Format_Indexed8 ? 8 : 24;
        QCOMPARE(header.bits, bits);
        QCOMPARE(header.width, picture.width());
        QCOMPARE(int(U32(file, 2)), int(file.size()));
        const int used = picture.width() * bits / 8;
        const int rowBytes = RowBytes(picture.width(), bits);
        const int pixels = int(U32(file, 10));
        QCOMPARE(file.size(), pixels + rowBytes * picture.height());
        for (int row = 0; row < picture.height(); ++row)
            for (int pad = used; pad < rowBytes; ++pad) QCOMPARE(int(file[pixels + row * rowBytes + pad]), 0);
        QImage decoded;
        QVERIFY(decoded.loadFromData(file, "BMP"));
        QCOMPARE(decoded.convertToFormat(QImage::Format_RGB32), picture.convertToFormat(QImage::Format_RGB32));
    }
}

void PicturesTest::generatorDrawsTheSameBytesAsCommitted() {
    QTemporaryDir first, second;
    QString errors;
    QVERIFY2(assets_test::RunGenerator(GEN_PICTURES, first.path(), &errors), qPrintable(errors));
    QVERIFY2(assets_test::RunGenerator(GEN_PICTURES, second.path(), &errors), qPrintable(errors));
    QCOMPARE(assets_test::FilesBelow(first.path(), "pictures").size(), 21);
    QCOMPARE(assets_test::FilesBelow(first.path(), "icons").size(), 5);
    for (const QString sub : {"pictures", "icons"}) {
        QCOMPARE(assets_test::Differences(first.path(), second.path(), sub), QStringList());
        // What is committed is what the generator draws now: redraw after a change.
        QCOMPARE(assets_test::Differences(first.path(), kAssets, sub), QStringList());
    }
}

QTEST_MAIN(PicturesTest)
#include "tst_pictures.moc"
