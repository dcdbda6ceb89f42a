// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#include "PlayFixture.h"

#include "game/AppFolder.h"
#include "support/Drive.h"
#include "app/Navigator.h"
#include "widgets/Notice.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPainter>

PlayFixture::PlayFixture()
{
    QDir root(m_folder.path());
    root.mkpath(QStringLiteral("dat"));
    root.mkpath(QStringLiteral("sound"));
    QFile::copy(QStringLiteral(POKURIMO_APP_FOLDER "/course.json"), root.filePath(QStringLiteral("course.json")));
    WriteCourse(mapFile(1));
    WriteCourse(mapFile(2));
    // The recording sound double only asks whether a file is there.
    for (const char* name : {"Click", "Start", "Out", "Clear", "Claps", "Yama", "Okasiya", "Kouji", "Car", "Rain", "River"}) {
        QFile f(root.filePath(QStringLiteral("sound/%1.wav").arg(QLatin1String(name))));
        f.open(QIODevice::WriteOnly);
    }
    game::SetAppFolder(m_folder.path());
    look::SetNoticeHandler([this](QWidget*, const QString& text) { notices << text; });
}

QString PlayFixture::mapFile(int stage) const
{
    return m_folder.path() + QStringLiteral("/dat/map%1.dat").arg(stage);
}

void PlayFixture::WriteCourse(const QString& file)
{
    QImage img(course::kMapSize, course::kMapSize, QImage::Format_RGB32);
    img.fill(QColor(40, 140, 60));
    QPainter p(&img);
    const QColor road(226, 200, 144);
    p.fillRect(QRect(40, 85, 241, 17), road);    // through the stage 1 start point
    p.fillRect(QRect(140, 156, 100, 15), road);  // and the stage 2 one
    // Ways on to marks further off: a hand crosses every pixel between its moves.
    p.fillRect(QRect(58, 85, 27, 130), road);    // down to the sweet shop
    p.fillRect(QRect(112, 66, 17, 20), road);    // up to the mountain
    p.fillRect(QRect(200, 85, 17, 176), road);   // down the east side
    p.fillRect(QRect(180, 220, 83, 41), road);   // to the goal and the high mountain
    p.fillRect(QRect(40, 171, 200, 25), road);   // across the taxi lanes
    img.save(file, "BMP");
}

PlayScreen* PlayFixture::open(int level, int stage, int lives)
{
    play = new PlayScreen(Table(), level, stage, lives);
    Nav().follow(play);  // as a game from the title
    if (!play->setUpStage())
        return nullptr;
    play->show();
    return play;
}

void PlayFixture::close()
{
    if (play)
        delete play.data();
    drive::CloseScreens();
    notices.clear();
    env.sound.started.clear();
}


namespace hazards {

int Index(const PlayScreen* play, course::HazardKind kind, int nth, course::Harm harm)
{
    const std::vector<course::Hazard>& all = play->session()->stageCourse().hazards;
    for (std::size_t i = 0; i < all.size(); ++i)
        if (all[i].kind == kind && all[i].harm == harm && nth-- == 0)
            return static_cast<int>(i);
    return -1;
}

MapMark* Mark(PlayScreen* play, course::HazardKind kind, int nth, course::Harm harm, int piece)
{
    const int i = Index(play, kind, nth, harm);
    return i < 0 ? nullptr : MarkOf(play, "hazards", i, piece);
}

void Step(PlayScreen* play, course::HazardKind kind, course::Harm harm)
{
    const int i = Index(play, kind, 0, harm);
    play->session()->stepHazards(play->session()->stageCourse().hazards.at(static_cast<std::size_t>(i)).periodMs);
}

void PutAt(PlayScreen* play, course::HazardKind kind, int nth, int top, course::Harm harm)
{
    const int i = Index(play, kind, nth, harm);
    course::HazardState state = play->session()->scene().hazard(i);
    state.at.top = top;
    play->session()->placeHazard(i, state);
}

void StepAll(PlayScreen* play)
{
    for (int period : course::HazardPeriods(play->session()->stageCourse()))
        play->session()->stepHazards(period);
}

}  // namespace hazards
