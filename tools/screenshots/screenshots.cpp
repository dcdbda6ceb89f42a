// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// Renders every screen offscreen into PNG files for review, in Japanese (ja/)
// and English (en/), and a contact sheet of all layout pictures at 4x zoom:
// `make screenshots`. With `--compare REFERENCES` it then checks every screen
// against the committed references, pixel by pixel, and fails on any change
// (`make test` does; `make screenshot-references` renders them anew).
//
// The screens are drawn with Debian's IPA Gothic and DejaVu fonts only, and
// with an empty ranking, so that a picture depends on the game and not on the
// fonts or the scores of the machine that renders it.

#include "editor/EditorScreen.h"
#include "editor/PackDraft.h"
#include "game/AppFolder.h"
#include "game/GameSession.h"
#include "i18n/Language.h"
#include "play/PlayScreen.h"
#include "game/HighScoreTable.h"
#include "ranking/RankingScreen.h"
#include "game/CourseShelf.h"
#include "title/TitleScreen.h"
#include "widgets/Look.h"
#include "widgets/Notice.h"
#include "widgets/Widgets.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QEventLoop>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QTimer>
#include <QTranslator>

#include <algorithm>
#include <cstdio>

namespace {

QString g_out;

void Save(QWidget& w, const QString& name)
{
    w.show();
    QApplication::processEvents();
    w.grab().save(g_out + QLatin1Char('/') + name + QStringLiteral(".png"));
}

void ShootPlayScreen(int stage, const QString& name)
{
    HighScoreTable table;
    PlayScreen play(table, 2, stage, 5);
    play.setAttribute(Qt::WA_DeleteOnClose, false);
    play.setUpStage();
    if (stage == 2) {
        play.session()->startHazards();  // the covers and hazards come, held still for the picture
        play.session()->stopHazards();
        for (const course::Hazard& h : play.session()->stageCourse().hazards)
            if (h.kind == course::HazardKind::Bridge)
                for (int i = 0; i < 3; ++i)
                    play.session()->stepHazards(h.periodMs);  // an open plank or two
    }
    play.findChild<PictureBox*>(QStringLiteral("faceBox"))->setPicture(play.face(stage == 1 ? 4 : 3));
    // The third line of each stage's opening, its longest.
    play.findChild<QLabel*>(QStringLiteral("dialogueText"))->setText(play.session()->stageCourse().opening.at(2).text.shown());
    Save(play, name);
}

void RankScreens()
{
    HighScoreTable table;
    table.load();
    {
        RankingScreen rank(table, 1, 1);
        rank.showTable();
        Save(rank, QStringLiteral("rank_viewing"));
    }
    RankingScreen rank(table, 1, 1);
    rank.enterName(2);
    rank.showTable();
    rank.findChild<QLineEdit*>(QStringLiteral("nameEdits(2)"))->setText(QStringLiteral("ぽくりも"));
    Save(rank, QStringLiteral("rank_entry"));
}

// The editor on a new pack, its checkpoint chosen, the road tinted.
void EditorScreen(const QTemporaryDir& scratch)
{
    const QString folder = scratch.filePath(QStringLiteral("new-pack"));
    editor::EditorScreen screen(editor::OpenPack(folder, folder));
    screen.setAttribute(Qt::WA_DeleteOnClose, false);
    screen.resize(1270, 760);  // as on a desktop's screen, larger than the offscreen one
    screen.findChild<QAction*>(QStringLiteral("movingAction"))->setChecked(false);  // held still for the picture
    screen.findChild<QAction*>(QStringLiteral("roadViewAction"))->setChecked(true);
    auto* canvas = screen.findChild<editor::MapCanvas*>(QStringLiteral("canvas"));
    canvas->select(course::Stacked{course::Layer::Checkpoint, 0});
    QEventLoop checking;  // the live check's routes and verdict in the picture
    QObject::connect(screen.findChild<editor::LiveCheck*>(), &editor::LiveCheck::checked, &checking, &QEventLoop::quit);
    QTimer::singleShot(20000, &checking, &QEventLoop::quit);
    checking.exec();
    Save(screen, QStringLiteral("editor"));
}

void ContactSheet()
{
    QStringList names;
    QDirIterator it(QStringLiteral(":/pictures"));
    while (it.hasNext()) {
        const QString path = it.next();
        names << path;
    }
    names.sort();
    constexpr int zoom = 4, cell = 300 * 4 / 2, columns = 4;
    const int rows = (static_cast<int>(names.size()) + columns - 1) / columns;
    QImage sheet(columns * cell, rows * (cell + 24), QImage::Format_RGB32);
    sheet.fill(QColor(60, 60, 60));
    QPainter p(&sheet);
    p.setPen(Qt::white);
    for (int i = 0; i < names.size(); ++i) {
        const QImage img(names[i]);
        const QRect box((i % columns) * cell, (i / columns) * (cell + 24), cell, cell);
        const QSize zoomed = (img.size() * zoom).scaled(QSize(cell - 8, cell - 8), Qt::KeepAspectRatio)
                                 .boundedTo(img.size() * zoom);
        p.drawImage(QRect(box.topLeft() + QPoint(4, 4), zoomed), img);
        p.drawText(box.left() + 4, box.bottom() + 18,
                   QStringLiteral("%1 %2x%3").arg(names[i].section(QLatin1Char('/'), -1)).arg(img.width()).arg(img.height()));
    }
    p.end();
    sheet.save(g_out + QStringLiteral("/pictures_4x.png"));
}

// A fontconfig setup that sees only the fonts the game is drawn with.
void UseOnlyTheGameFonts(const QTemporaryDir& scratch)
{
    const QString conf = scratch.filePath(QStringLiteral("fonts.conf"));
    QFile file(conf);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(conf));
    file.write("<?xml version=\"1.0\"?>\n<!DOCTYPE fontconfig SYSTEM \"fonts.dtd\">\n<fontconfig>\n"
               "  <dir>/usr/share/fonts/opentype/ipafont-gothic</dir>\n"
               "  <dir>/usr/share/fonts/truetype/dejavu</dir>\n"
               "  <include ignore_missing=\"yes\">/etc/fonts/conf.d</include>\n");
    file.write(QStringLiteral("  <cachedir>%1</cachedir>\n</fontconfig>\n")
                   .arg(scratch.filePath(QStringLiteral("fontcache")))
                   .toUtf8());
    file.close();
    qputenv("FONTCONFIG_FILE", QFile::encodeName(conf));
}

// The number of pixels in which two screens differ, and where; a screen whose
// size changed differs everywhere.
struct Difference {
    qsizetype pixels = 0;
    QRect where;
};

Difference Compare(const QImage& shot, const QImage& reference)
{
    Difference d;
    if (shot.size() != reference.size()) {
        d.pixels = std::max(shot.width() * shot.height(), reference.width() * reference.height());
        d.where = QRect(QPoint(0, 0), shot.size().expandedTo(reference.size()));
        return d;
    }
    const QImage a = shot.convertToFormat(QImage::Format_RGB32);
    const QImage b = reference.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < a.height(); ++y) {
        const auto* ra = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* rb = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            if (ra[x] != rb[x]) {
                ++d.pixels;
                d.where |= QRect(x, y, 1, 1);
            }
        }
    }
    return d;
}

// Every reference screen against the one just rendered; true when all match.
bool MatchesReferences(const QString& rendered, const QString& references)
{
    QStringList names;
    for (const QString& language : {QStringLiteral("ja"), QStringLiteral("en")}) {
        for (const QString& name : QDir(rendered + QLatin1Char('/') + language).entryList({QStringLiteral("*.png")}))
            names << language + QLatin1Char('/') + name;
        for (const QString& name : QDir(references + QLatin1Char('/') + language).entryList({QStringLiteral("*.png")}))
            names << language + QLatin1Char('/') + name;
    }
    names.removeDuplicates();
    bool all = !names.isEmpty();
    for (const QString& name : names) {
        const QImage shot(rendered + QLatin1Char('/') + name);
        const QImage reference(references + QLatin1Char('/') + name);
        if (shot.isNull() || reference.isNull()) {
            std::fprintf(stderr, "%s: %s\n", qPrintable(name), shot.isNull() ? "not rendered" : "no reference");
            all = false;
            continue;
        }
        const Difference d = Compare(shot, reference);
        if (d.pixels == 0)
            continue;
        all = false;
        std::fprintf(stderr, "%s: %lld pixels differ within %d,%d %dx%d (rendered: %s)\n", qPrintable(name),
                     static_cast<long long>(d.pixels), d.where.x(), d.where.y(), d.where.width(), d.where.height(),
                     qPrintable(rendered + QLatin1Char('/') + name));
    }
    if (names.isEmpty())
        std::fprintf(stderr, "no screens to compare in %s\n", qPrintable(references));
    return all;
}

}  // namespace

int main(int argc, char* argv[])
{
    const QTemporaryDir scratch;
    if (!scratch.isValid())
        qFatal("no temporary folder");
    UseOnlyTheGameFonts(scratch);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, scratch.path());  // an empty ranking
    qputenv("XDG_DATA_HOME", QFile::encodeName(scratch.path()));  // and no record run
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("PokurimoScreenshots"));
    QApplication::setApplicationName(QStringLiteral("PokurimoScreenshots"));  // never the player's scores
    look::RegisterFontSubstitutes();
    look::SetNoticeHandler([](QWidget*, const QString& text) { qWarning("%s", qPrintable(text)); });
    game::SetAppFolder(QCoreApplication::applicationDirPath() + QStringLiteral("/.."));  // the build tree
    const QStringList args = QCoreApplication::arguments();
    const QString out = args.size() > 1 ? args[1] : QStringLiteral("screenshots");
    const QString references = args.size() > 3 && args[2] == u"--compare" ? args[3] : QString();

    for (const QString& language : {QStringLiteral("ja"), QStringLiteral("en")}) {
        qDeleteAll(app.findChildren<QTranslator*>());
        if (language == u"en" && !language::InstallEnglish(app))
            qFatal("the English translation is missing");
        g_out = out + QLatin1Char('/') + language;
        QDir().mkpath(g_out);
        {
            HighScoreTable table;
            CourseShelf shelf(table);
            TitleScreen title(shelf);
            title.setAttribute(Qt::WA_DeleteOnClose, false);
            Save(title, QStringLiteral("title"));
        }
        ShootPlayScreen(1, QStringLiteral("play_stage1"));
        ShootPlayScreen(2, QStringLiteral("play_stage2"));
        RankScreens();
        EditorScreen(scratch);
    }
    g_out = out;
    if (!references.isEmpty())
        return MatchesReferences(out, references) ? 0 : 1;
    ContactSheet();
    return 0;
}
