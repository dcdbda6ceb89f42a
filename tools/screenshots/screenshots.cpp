// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// Renders every screen offscreen into PNG files for review, in Japanese (ja/)
// and English (en/), and a contact sheet of all layout pictures at 4x zoom:
// `make screenshots`.

#include "game/Module1.h"
#include "i18n/Language.h"
#include "screens/Look.h"
#include "screens/Notice.h"
#include "screens/Widgets.h"
#include "screens/form_Main.h"
#include "screens/form_Rank.h"
#include "screens/form_Title.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QTimer>
#include <QTranslator>

namespace {

QString g_out;

void Save(QWidget& w, const QString& name)
{
    w.show();
    QApplication::processEvents();
    w.grab().save(g_out + QLatin1Char('/') + name + QStringLiteral(".png"));
}

void PlayScreen(int stage, const QString& name)
{
    Module1::g_Level = 2;
    Module1::g_Stage = static_cast<std::int16_t>(stage);
    form_Main play;
    play.setAttribute(Qt::WA_DeleteOnClose, false);
    play.InitGame();
    Module1::WriteCounter(play.lbl_Life, 5);
    if (stage == 2) {
        for (MapMark* m : play.Stage2Hazards())
            m->show();
        for (int i = 0; i < 3; ++i)
            play.timer_Obj3_Timer();  // an open plank or two
    }
    play.SetFace(stage == 1 ? 4 : 3);
    // The longest line of each stage's opening.
    play.lbl_Msg->setText(stage == 1
                              ? QCoreApplication::translate(
                                    "story", "あーあ、もっと勝負したかったのにな・・・あれ？これ、ヌッピの忘れもんかなぁ？")
                              : QCoreApplication::translate(
                                    "story", "ちえっ！・・・あれー？これって今日のカリキュラムで使うとか言ってた本じゃねーか"));
    Save(play, name);
}

void RankScreens()
{
    Module1::LoadHighScores();
    Module1::g_RankLevel = 1;
    Module1::g_RankStage = 1;
    {
        form_Rank rank;
        rank.Set_Form();
        Save(rank, QStringLiteral("rank_viewing"));
    }
    form_Rank rank;
    rank.txt_Nm[2]->show();
    rank.Set_Form();
    rank.txt_Nm[2]->setText(QStringLiteral("ぽくりも"));
    Save(rank, QStringLiteral("rank_entry"));
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

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("PokurimoScreenshots"));
    QApplication::setApplicationName(QStringLiteral("PokurimoScreenshots"));  // never the player's scores
    look::RegisterFontSubstitutes();
    look::SetNoticeHandler([](QWidget*, const QString& text) { qWarning("%s", qPrintable(text)); });
    Module1::SetAppFolder(QCoreApplication::applicationDirPath() + QStringLiteral("/.."));  // the build tree
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots");

    for (const QString& language : {QStringLiteral("ja"), QStringLiteral("en")}) {
        qDeleteAll(app.findChildren<QTranslator*>());
        if (language == u"en" && !language::InstallEnglish(app))
            qFatal("the English translation is missing");
        g_out = out + QLatin1Char('/') + language;
        QDir().mkpath(g_out);
        {
            form_Title title;
            title.setAttribute(Qt::WA_DeleteOnClose, false);
            Save(title, QStringLiteral("title"));
        }
        PlayScreen(1, QStringLiteral("play_stage1"));
        PlayScreen(2, QStringLiteral("play_stage2"));
        RankScreens();
    }
    g_out = out;
    ContactSheet();
    return 0;
}
