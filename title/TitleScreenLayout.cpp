// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// The title screen's layout.

#include "title/TitleScreen.h"
#include "game/CourseShelf.h"
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
    const std::pair<QPushButton*, void (TitleScreen::*)()> actions[] = {
        {m_easyButton, &TitleScreen::chooseEasy},       {m_hardButton, &TitleScreen::chooseHard},
        {m_quitButton, &TitleScreen::quit},             {m_rankingButton, &TitleScreen::askForRanking},
        {m_courseButton, &TitleScreen::askForCourses},  {m_practiceButton, &TitleScreen::askForPractice}};
    for (const auto& [button, action] : actions)
        connect(button, &QPushButton::clicked, this, [this, action = action] { afterClick(action); });
    showCourse();
}

void TitleScreen::buildLayout()
{
    setWindowTitle(QString());
    look::MakeFixedWindow(this, 357, 254);  // the course and practice rows under what the title always showed
    m_namePicture = MakeImage(this, Twips(120, 0, 2535, 1305), QStringLiteral(":/pictures/title_logo.png"));
    m_heroPicture = MakeImage(this, Twips(2760, 0, 2700, 2850), QStringLiteral(":/pictures/title_hero.png"));
    m_heroPicture->setToolTip(tr("オレはピポだよ、よろしくなっ！"));
    m_easyButton = MakeButton(this, Twips(120, 1440, 1335, 615), tr("たこレベル"), look::k12pt,
                          tr("ちょーカンタンってこと"));
    m_hardButton = MakeButton(this, Twips(1560, 1440, 1335, 615), tr("さるレベル"), look::k12pt,
                          tr("時間制限がつくし、当たり判定も厳しくなるぜ"));
    m_quitButton = MakeButton(this, Twips(1560, 2280, 1335, 495), tr("おしまい"), look::k12pt,
                          tr("おわんのか？"));
    m_rankingButton = MakeButton(this, Twips(120, 2280, 1335, 495), tr("ランキング"), look::k11_25pt,
                          tr("はやくゴールするほどいいんだぜ！"));
    m_courseButton = MakeButton(this, Twips(120, 2880, 1335, 375), tr("コース"), look::k11_25pt,
                              tr("ほかのコースでも走れるぜ"));
    m_practiceButton = MakeButton(this, Twips(120, 3360, 1335, 375), tr("れんしゅう"), look::k11_25pt,
                                  tr("すきなところから、なんどでも走れるぜ"));
    m_courseName = new QLabel(this);
    m_courseName->setGeometry(Twips(1560, 2880, 3780, 375));
    m_courseName->setFont(look::CaptionFont(look::k11_25pt));
    m_courseName->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setTabOrder(m_easyButton, m_hardButton);
    setTabOrder(m_hardButton, m_quitButton);
    setTabOrder(m_quitButton, m_rankingButton);
    setTabOrder(m_rankingButton, m_courseButton);
    setTabOrder(m_courseButton, m_practiceButton);
    m_easyButton->setFocus();
    NameElements({{m_heroPicture, "heroPicture"}, {m_namePicture, "namePicture"}, {m_easyButton, "easyButton"},
                  {m_hardButton, "hardButton"}, {m_quitButton, "quitButton"}, {m_rankingButton, "rankingButton"},
                  {m_courseButton, "courseButton"}, {m_practiceButton, "practiceButton"}, {m_courseName, "courseName"}});
}
