// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// The title screen's layout.

#include "title/TitleScreen.h"
#include "title/CourseShelf.h"
#include "widgets/Look.h"
#include "widgets/Widgets.h"

#include <QLabel>
#include <QPushButton>

using look::Twips;

namespace {
QLabel* MakeImage(QWidget* parent, const QRect& geometry, const QString& picture)
{
    auto* image = new QLabel(parent);
    image->setGeometry(geometry);
    image->setPixmap(QPixmap(picture));
    image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return image;
}

}  // namespace

TitleScreen::TitleScreen(CourseShelf& shelf, QWidget* parent) : QWidget(parent), m_shelf(shelf)
{
    setAttribute(Qt::WA_DeleteOnClose);
    buildLayout();
    connect(easyButton, &QPushButton::clicked, this, &TitleScreen::startEasy);
    connect(hardButton, &QPushButton::clicked, this, &TitleScreen::startHard);
    connect(quitButton, &QPushButton::clicked, this, &TitleScreen::quit);
    connect(rankingButton, &QPushButton::clicked, this, &TitleScreen::showRanking);
    connect(courseButton, &QPushButton::clicked, this, &TitleScreen::chooseCourse);
    reloadScores();
    showCourseName();
}

void TitleScreen::buildLayout()
{
    setWindowTitle(QString());
    look::MakeFixedWindow(this, 357, 222);  // the course row under what the title always showed
    namePicture = MakeImage(this, Twips(120, 0, 2535, 1305), QStringLiteral(":/pictures/title_logo.png"));
    heroPicture = MakeImage(this, Twips(2760, 0, 2700, 2850), QStringLiteral(":/pictures/title_hero.png"));
    heroPicture->setToolTip(tr("オレはピポだよ、よろしくなっ！"));
    easyButton = MakeButton(this, Twips(120, 1440, 1335, 615), tr("たこレベル"), look::k12pt,
                          tr("ちょーカンタンってこと"));
    hardButton = MakeButton(this, Twips(1560, 1440, 1335, 615), tr("さるレベル"), look::k12pt,
                          tr("時間制限がつくし、当たり判定も厳しくなるぜ"));
    quitButton = MakeButton(this, Twips(1560, 2280, 1335, 495), tr("おしまい"), look::k12pt,
                          tr("おわんのか？"));
    rankingButton = MakeButton(this, Twips(120, 2280, 1335, 495), tr("ランキング"), look::k11_25pt,
                          tr("はやくゴールするほどいいんだぜ！"));
    courseButton = MakeButton(this, Twips(120, 2880, 1335, 375), tr("コース"), look::k11_25pt,
                              tr("ほかのコースでも走れるぜ"));
    courseName = new QLabel(this);
    courseName->setGeometry(Twips(1560, 2880, 3780, 375));
    courseName->setFont(look::CaptionFont(look::k11_25pt));
    courseName->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setTabOrder(easyButton, hardButton);
    setTabOrder(hardButton, quitButton);
    setTabOrder(quitButton, rankingButton);
    setTabOrder(rankingButton, courseButton);
    easyButton->setFocus();
}
