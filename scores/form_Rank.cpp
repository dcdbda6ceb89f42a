// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// The ranking screen's logic: which table it shows, the new holder's name,
// and the one way out, which always stores the name and saves the table.

#include "screens/form_Rank.h"

#include "screens/Look.h"
#include "screens/Notice.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <algorithm>

using namespace Module1;

namespace {
// The openers always set 1 or 2; keep a stray value inside the table anyway.
int RankLevel() { return std::clamp<int>(g_RankLevel, 1, kLevels); }
int RankStage() { return std::clamp<int>(g_RankStage, 1, kStages); }
}  // namespace

form_Rank::form_Rank(QWidget* parent)
    : QDialog(parent)
{
    BuildLayout();
    ConnectEvents();
}

void form_Rank::ConnectEvents()
{
    // `clicked` comes only from the player; Set_Form's own setChecked stays
    // quiet, so it never calls itself back.
    for (int i = 0; i < 2; ++i) {
        connect(Option1[i], &QRadioButton::clicked, this, [this, i] { Option1_Click(i); });
        connect(Option2[i], &QRadioButton::clicked, this, [this, i] { Option2_Click(i); });
    }
    for (int i = 0; i < kPlaces; ++i)
        connect(txt_Nm[i], &QLineEdit::textChanged, this, [this, i] { txt_Nm_Change(i); });
    connect(cmd_Close, &QPushButton::clicked, this, &form_Rank::cmd_Close_Click);
}

bool form_Rank::EntryMode() const
{
    return std::any_of(std::begin(txt_Nm), std::end(txt_Nm),
                       [this](const QLineEdit* box) { return box->isVisibleTo(this); });
}

QWidget* form_Rank::FirstFocus() const
{
    for (QLineEdit* box : txt_Nm)
        if (box->isVisibleTo(this))
            return box;
    return cmd_Close;
}

void form_Rank::Set_Form()
{
    const int level = RankLevel();
    const int stage = RankStage();
    Option1[level - 1]->setChecked(true);
    Option2[stage - 1]->setChecked(true);
    for (int i = 0; i < kPlaces; ++i) {
        lbl_Nm[i]->setText(g_HScoreName[level][stage][i]);
        lbl_Score[i]->setText(QString::number(g_HScoreVal[level][stage][i]));
    }
    if (EntryMode())
        for (QRadioButton* option : {Option1[0], Option2[0], Option1[1], Option2[1]})
            option->hide();
}

void form_Rank::Option1_Click(int index)
{
    if (EntryMode())
        return;
    g_RankLevel = static_cast<std::int16_t>(index + 1);
    Set_Form();
}

void form_Rank::Option2_Click(int index)
{
    if (EntryMode())
        return;
    g_RankStage = static_cast<std::int16_t>(index + 1);
    Set_Form();
}

void form_Rank::txt_Nm_Change(int index)
{
    cmd_Close->setEnabled(!txt_Nm[index]->text().isEmpty());
}

void form_Rank::cmd_Close_Click()
{
    if (m_closing)
        return;  // a second close while the click sound still plays
    QScopedValueRollback<bool> closing(m_closing, true);

    const int level = RankLevel();
    const int stage = RankStage();
    for (int i = 0; i < kPlaces; ++i)
        if (txt_Nm[i]->isVisibleTo(this))
            g_HScoreName[level][stage][i] = txt_Nm[i]->text();
    if (!SaveHighScores())
        look::ShowNotice(this, tr("ランキングを保存できなかったよ…ごめんな！"));
    PlayWave(QStringLiteral("Click"));
    accept();
}

void form_Rank::reject()
{
    // Closing the window must not lose a new record: it is "とじる" by
    // another road, and refused while "とじる" is.
    if (cmd_Close->isEnabled())
        cmd_Close_Click();
}

void form_Rank::keyPressEvent(QKeyEvent* event)
{
    // Enter presses "とじる" only when the button itself has the focus; in
    // the name box it does nothing.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (focusWidget() == cmd_Close && cmd_Close->isEnabled())
            cmd_Close->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void form_Rank::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    look::Present(this);  // the name can be typed at once
    FirstFocus()->setFocus(Qt::OtherFocusReason);
}
