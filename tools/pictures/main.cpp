// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// gen_pictures <assets-dir>: draws every picture of the game's screens into
// <assets-dir>/pictures and the desktop icons into <assets-dir>/icons.

#include "Badges.h"
#include "BmpWriter.h"
#include "Characters.h"
#include "CourseSprites.h"
#include "IcoWriter.h"
#include "Indexed.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTextStream>

namespace {

enum class Depth { Palette8, True24 };

bool SaveBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

bool SaveBmp(const QDir& dir, const QString& name, const QImage& picture, Depth depth) {
    const QImage stored = depth == Depth::Palette8 ? art::ToIndexed(picture) : picture;
    return SaveBytes(dir.filePath(name), art::EncodeBmp(stored));
}

bool SavePng(const QString& path, const QImage& picture) {
    return picture.convertToFormat(QImage::Format_ARGB32).save(path, "PNG");
}

bool WritePictures(const QDir& dir) {
    bool ok = true;
    ok &= SaveBmp(dir, "map_placeholder.bmp", art::MapPlaceholder(), Depth::Palette8);
    ok &= SaveBmp(dir, "clear.bmp", art::ClearBadge(), Depth::Palette8);
    for (int face = 1; face <= 6; ++face)
        ok &= SaveBmp(dir, QString("face%1.bmp").arg(face), art::DialogueFace(face), Depth::Palette8);
    ok &= SaveBmp(dir, "road0.bmp", art::RoadWorks(0), Depth::True24);
    ok &= SaveBmp(dir, "road1.bmp", art::RoadWorks(1), Depth::True24);
    ok &= SaveBmp(dir, "car1.bmp", art::TaxiFront(), Depth::Palette8);
    ok &= SaveBmp(dir, "car2.bmp", art::TaxiBack(), Depth::Palette8);
    ok &= SaveBmp(dir, "rain.bmp", art::RainBand(), Depth::Palette8);
    ok &= SaveBmp(dir, "river0.bmp", art::RiverStrip(0), Depth::True24);
    ok &= SaveBmp(dir, "river1.bmp", art::RiverStrip(1), Depth::True24);
    ok &= SaveBmp(dir, "plank.bmp", art::Plank(), Depth::Palette8);
    ok &= SaveBmp(dir, "water.bmp", art::OpenWater(), Depth::True24);
    ok &= SavePng(dir.filePath("title_hero.png"), art::TitleHero());
    ok &= SavePng(dir.filePath("title_logo.png"), art::TitleLogo());
    ok &= SaveBytes(dir.filePath("icon.ico"), art::EncodeIco({{art::AppIcon(16, false), 8},
                                                              {art::AppIcon(32, false), 8},
                                                              {art::AppIcon(32, false), 24}}));
    ok &= SaveBytes(dir.filePath("pipo.ico"), art::EncodeIco({{art::PointerHead(), 4}}));
    return ok;
}

bool WriteDesktopIcons(const QDir& dir) {
    bool ok = true;
    for (int size : {16, 32, 48, 128, 256})
        ok &= SavePng(dir.filePath(QString("pokurimo-%1.png").arg(size)), art::AppIcon(size, true));
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);  // fonts need the GUI side of Qt
    QTextStream err(stderr);
    if (argc != 2) {
        err << "usage: gen_pictures <assets-dir>\n";
        return 2;
    }
    const QDir assets(QString::fromLocal8Bit(argv[1]));
    if (!assets.mkpath("pictures") || !assets.mkpath("icons")) {
        err << "gen_pictures: cannot create folders in " << assets.path() << "\n";
        return 1;
    }
    if (!WritePictures(QDir(assets.filePath("pictures"))) || !WriteDesktopIcons(QDir(assets.filePath("icons")))) {
        err << "gen_pictures: could not write every picture\n";
        return 1;
    }
    return 0;
}
