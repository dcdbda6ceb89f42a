// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// The ranking screen's logic: which table it shows, the new holder's name,
// and the one way out, which always stores the name and saves the table.

#include "ranking/RankingScreen.h"

#include "ranking/HighScoreTable.h"
#include "sound/SoundBackend.h"
#include "widgets/Look.h"
#include "widgets/Notice.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <algorithm>

using namespace game;

namespace {
// The openers always set 1 or 2; keep a stray value inside the table anyway.
int RankLevel() { return std::clamp<int>(shared.rankingLevel, 1, kLevels); }
int RankStage() { return std::clamp<int>(shared.rankingStage, 1, kStages); }
}  // namespace

RankingScreen::RankingScreen(QWidget* parent)
    : QDialog(parent)
{
    buildLayout();
    connectEvents();
}

void RankingScreen::connectEvents()
{
    // `clicked` comes only from the player; showTable's own setChecked stays
    // quiet, so it never calls itself back.
    for (int i = 0; i < 2; ++i) {
        connect(levelOptions[i], &QRadioButton::clicked, this, [this, i] { chooseLevel(i); });
        connect(stageOptions[i], &QRadioButton::clicked, this, [this, i] { chooseStage(i); });
    }
    for (int i = 0; i < kPlaces; ++i)
        connect(nameEdits[i], &QLineEdit::textChanged, this, [this, i] { nameEdited(i); });
    connect(closeButton, &QPushButton::clicked, this, &RankingScreen::closeAndSave);
}

bool RankingScreen::enteringName() const
{
    return std::any_of(std::begin(nameEdits), std::end(nameEdits),
                       [this](const QLineEdit* box) { return box->isVisibleTo(this); });
}

QWidget* RankingScreen::firstFocus() const
{
    for (QLineEdit* box : nameEdits)
        if (box->isVisibleTo(this))
            return box;
    return closeButton;
}

void RankingScreen::showTable()
{
    const int level = RankLevel();
    const int stage = RankStage();
    levelOptions[level - 1]->setChecked(true);
    stageOptions[stage - 1]->setChecked(true);
    for (int i = 0; i < kPlaces; ++i) {
        nameLabels[i]->setText(shared.highScoreNames[level][stage][i]);
        scoreLabels[i]->setText(QString::number(shared.highScores[level][stage][i]));
    }
    if (enteringName())
        for (QRadioButton* option : {levelOptions[0], stageOptions[0], levelOptions[1], stageOptions[1]})
            option->hide();
}

void RankingScreen::chooseLevel(int index)
{
    if (enteringName())
        return;
    shared.rankingLevel = static_cast<std::int16_t>(index + 1);
    showTable();
}

void RankingScreen::chooseStage(int index)
{
    if (enteringName())
        return;
    shared.rankingStage = static_cast<std::int16_t>(index + 1);
    showTable();
}

void RankingScreen::nameEdited(int index)
{
    closeButton->setEnabled(!nameEdits[index]->text().isEmpty());
}

void RankingScreen::closeAndSave()
{
    if (m_closing)
        return;  // a second close while the click sound still plays
    QScopedValueRollback<bool> closing(m_closing, true);

    const int level = RankLevel();
    const int stage = RankStage();
    for (int i = 0; i < kPlaces; ++i)
        if (nameEdits[i]->isVisibleTo(this))
            shared.highScoreNames[level][stage][i] = nameEdits[i]->text();
    if (!scores::SaveHighScores())
        look::ShowNotice(this, tr("ランキングを保存できなかったよ…ごめんな！"));
    sound::PlayWave(QStringLiteral("Click"));
    accept();
}

void RankingScreen::reject()
{
    // Closing the window must not lose a new record: it is "とじる" by
    // another road, and refused while "とじる" is.
    if (closeButton->isEnabled())
        closeAndSave();
}

void RankingScreen::keyPressEvent(QKeyEvent* event)
{
    // Enter presses "とじる" only when the button itself has the focus; in
    // the name box it does nothing.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (focusWidget() == closeButton && closeButton->isEnabled())
            closeButton->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void RankingScreen::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    look::Present(this);  // the name can be typed at once
    firstFocus()->setFocus(Qt::OtherFocusReason);
}
