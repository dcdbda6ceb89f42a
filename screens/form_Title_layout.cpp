// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// The title screen's layout.

#include "screens/Look.h"
#include "screens/form_Title.h"

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

QPushButton* MakeButton(QWidget* parent, const QRect& geometry, const QString& text, int fontPixels,
                        const QString& tip)
{
    auto* button = new QPushButton(text, parent);
    button->setGeometry(geometry);
    button->setFont(look::CaptionFont(fontPixels));
    button->setToolTip(tip);
    button->setAutoDefault(false);
    return button;
}
}  // namespace

form_Title::form_Title(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("form_Title"));
    setAttribute(Qt::WA_DeleteOnClose);
    buildLayout();
    connect(Command1, &QPushButton::clicked, this, &form_Title::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &form_Title::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &form_Title::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &form_Title::Command4_Click);
    Form_Load();
}

void form_Title::buildLayout()
{
    setWindowTitle(QString());
    look::MakeFixedWindow(this, 357, 190);
    Image2 = MakeImage(this, Twips(120, 0, 2535, 1305), QStringLiteral(":/pictures/title_logo.png"));
    Image1 = MakeImage(this, Twips(2760, 0, 2700, 2850), QStringLiteral(":/pictures/title_hero.png"));
    Image1->setToolTip(tr("オレはピポだよ、よろしくなっ！"));
    Command1 = MakeButton(this, Twips(120, 1440, 1335, 615), tr("たこレベル"), look::k12pt,
                          tr("ちょーカンタンってこと"));
    Command2 = MakeButton(this, Twips(1560, 1440, 1335, 615), tr("さるレベル"), look::k12pt,
                          tr("時間制限がつくし、当たり判定も厳しくなるぜ"));
    Command3 = MakeButton(this, Twips(1560, 2280, 1335, 495), tr("おしまい"), look::k12pt,
                          tr("おわんのか？"));
    Command4 = MakeButton(this, Twips(120, 2280, 1335, 495), tr("ランキング"), look::k11_25pt,
                          tr("はやくゴールするほどいいんだぜ！"));
    setTabOrder(Command1, Command2);
    setTabOrder(Command2, Command3);
    setTabOrder(Command3, Command4);
    Command1->setFocus();
}
