// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// Course packs: listing a shelf of twenty packs (what the title's course list
// reads when it opens) and reading one.

#include "game/AppFolder.h"
#include "rules/CoursePack.h"
#include "game/CourseShelf.h"

#include <algorithm>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// Twenty copies of the game's own course as player packs, in a data folder of their own.
class PackShelf {
public:
    PackShelf()
    {
        qputenv("XDG_DATA_HOME", m_data.path().toLocal8Bit());
        const course::Course& own = course::BuiltIn();
        for (int i = 0; i < 20; ++i) {
            const QString folder = CourseShelf::PlayerFolder() + QStringLiteral("/pack%1").arg(i, 2, 10, QLatin1Char('0'));
            QDir().mkpath(folder);
            course::Course copy = own;
            for (std::size_t s = 0; s < copy.stages.size(); ++s) {
                const QString map = QStringLiteral("map%1.dat").arg(s + 1);
                const QString& from = own.stages[s].map;
                QFile::copy(QDir::isAbsolutePath(from) ? from : game::AppFolder() + QLatin1Char('/') + from, folder + QLatin1Char('/') + map);
                copy.stages[s].map = map;
            }
            QFile file(folder + QStringLiteral("/course.json"));
            if (file.open(QIODevice::WriteOnly))
                file.write(course::WritePack(copy));
        }
    }
private:
    QTemporaryDir m_data;
};

PackShelf& Shelf()
{
    static PackShelf shelf;
    return shelf;
}

void BM_ListTwentyPacks(benchmark::State& state)
{
    Shelf();
    for (auto _ : state) {
        const std::vector<course::Pack> packs = CourseShelf::List();
        if (packs.size() < 21 || !std::all_of(packs.begin(), packs.end(), [](const course::Pack& p) { return p.ok(); })) {
            state.SkipWithError("the twenty packs did not load");
            return;
        }
        benchmark::DoNotOptimize(packs.data());
    }
}
BENCHMARK(BM_ListTwentyPacks)->Unit(benchmark::kMillisecond);

// The game's own pack: its file checked field by field and both maps decoded
// and hashed, as the course list does for every pack.
void BM_LoadPack(benchmark::State& state)
{
    const QString folder = game::AppFolder();
    for (auto _ : state) {
        const course::Pack pack = course::LoadPack(folder);
        if (!pack.ok()) {
            state.SkipWithError("the game's own pack does not load");
            return;
        }
        benchmark::DoNotOptimize(pack.playHash.data());
    }
}
BENCHMARK(BM_LoadPack)->Unit(benchmark::kMillisecond);

}  // namespace
