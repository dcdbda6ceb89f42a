// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// The ranking screen's logic: which table it shows, the new holder's name,
// and the one way out, which always stores the name and saves the table.

#include "ranking/RankingScreen.h"

#include "game/GhostStore.h"
#include "game/HighScoreTable.h"
#include "sound/SoundBackend.h"
#include "widgets/Look.h"
#include "widgets/Notice.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

using scores::kPlaces;

RankingScreen::RankingScreen(HighScoreTable& table, int level, int stage, QWidget* parent)
    : QDialog(parent), m_table(table), m_level(std::clamp(level, 1, scores::kLevels)), m_stage(std::clamp(stage, 1, table.stageCount())),
      m_course(&course::BuiltIn())
{
    buildLayout();
    connectEvents();
}

void RankingScreen::connectEvents()
{
    // `clicked` comes only from the player; showTable's own setChecked stays
    // quiet, so it never calls itself back.
    for (int i = 0; i < 2; ++i) {
        connect(m_levelOptions[i], &QRadioButton::clicked, this, [this, i] { chooseLevel(i); });
        connect(m_stageOptions[i], &QRadioButton::clicked, this, [this, i] { chooseStage(i); });
    }
    if (m_stageChooser)
        connect(m_stageChooser, &QComboBox::activated, this, &RankingScreen::chooseStage);
    for (int i = 0; i < kPlaces; ++i)
        connect(m_nameEdits[i], &QLineEdit::textChanged, this, [this, i] { nameEdited(i); });
    connect(m_closeButton, &QPushButton::clicked, this, &RankingScreen::closeAndSave);
    connect(m_watchButton, &QPushButton::clicked, this, &RankingScreen::watchBest);
    connect(m_runChooser, &QComboBox::activated, this, &RankingScreen::chooseRun);
}

bool RankingScreen::enteringName() const
{
    return std::any_of(std::begin(m_nameEdits), std::end(m_nameEdits),
                       [this](const QLineEdit* box) { return box->isVisibleTo(this); });
}

QWidget* RankingScreen::firstFocus() const
{
    for (QLineEdit* box : m_nameEdits)
        if (box->isVisibleTo(this))
            return box;
    return m_closeButton;
}

void RankingScreen::showTable()
{
    m_levelOptions[m_level - 1]->setChecked(true);
    if (m_stageChooser)
        m_stageChooser->setCurrentIndex(m_stage - 1);
    else
        m_stageOptions[m_stage - 1]->setChecked(true);
    for (int i = 0; i < kPlaces; ++i) {
        m_nameLabels[i]->setText(m_table.names(m_level, m_stage)[i]);
        m_scoreLabels[i]->setText(QString::number(m_table.scores(m_level, m_stage)[i]));
    }
    showTargets();
    if (enteringName()) {
        for (QRadioButton* option : {m_levelOptions[0], m_stageOptions[0], m_levelOptions[1], m_stageOptions[1]})
            option->hide();
        if (m_stageChooser)
            m_stageChooser->hide();
        m_watchButton->hide();
        m_runChooser->hide();
        m_runCaption->hide();
    } else {
        showRuns();
    }
}

// Each place with a kept run: ✓ re-judged valid, ？ kept by an older version
// (its positions only), ✗ refused by the rules (its reason as the tip, never raced).
void RankingScreen::showRuns()
{
    m_runChooser->clear();
    const int raced = ghost::RacedPlace(m_table.group(), m_level, m_stage);
    int chosen = -1;  // the row of the run raced: the one chosen, or the first usable one
    for (int place = 0; place < kPlaces; ++place) {
        const ghost::Proof proof = ghost::ProofOf(m_table, *m_course, m_level, m_stage, place);
        if (proof.kind == ghost::Proof::None)
            continue;
        const bool usable = proof.kind != ghost::Proof::Invalid;
        const QString mark = proof.kind == ghost::Proof::Valid           ? tr("✓ 正しい走り")
                             : proof.kind == ghost::Proof::PositionsOnly ? tr("？ 古い記録（確かめられない）")
                                                                         : tr("✗ ルールに合わない");
        m_runChooser->addItem(m_placeLabels[place]->text() + QLatin1Char(' ') + mark, place);
        const int row = m_runChooser->count() - 1;
        m_runChooser->setItemData(row, proof.why, Qt::ToolTipRole);
        if (!usable)
            m_runChooser->setItemData(row, 0, Qt::UserRole - 1);  // not selectable: the rules refuse it
        if (usable && (place == raced || chosen < 0))
            chosen = row;
    }
    m_runChooser->setCurrentIndex(chosen);
    m_watchButton->setEnabled(chosen >= 0);
    const int place = chosen >= 0 ? m_runChooser->itemData(chosen).toInt() : 0;
    m_watchButton->setText(place == 0 ? tr("1位を見る") : tr("%1を見る").arg(m_placeLabels[place]->text()));
}

void RankingScreen::chooseRun(int index)
{
    if (enteringName() || index < 0)
        return;
    ghost::SetRacedPlace(m_table.group(), m_level, m_stage, m_runChooser->itemData(index).toInt());
    showRuns();
}

// The table's stage's target times on its level, when it has them.
void RankingScreen::showTargets()
{
    const std::optional<course::Targets>& targets =
        m_stage <= m_course->stageCount() ? m_course->stage(m_stage).targets[static_cast<std::size_t>(m_level - 1)] : std::nullopt;
    m_targets->setText(!targets ? QString()
                                : tr("めやす 金 %1秒・銀 %2秒・銅 %3秒").arg((*targets)[0]).arg((*targets)[1]).arg((*targets)[2]));
}

void RankingScreen::enterName(int place)
{
    m_nameEdits[std::clamp(place, 0, kPlaces - 1)]->show();
}

void RankingScreen::watchBest()
{
    if (enteringName())
        return;
    sound::PlayWaveAsync(QStringLiteral("Click"));
    const QVariant place = m_runChooser->currentData();
    Q_EMIT watchRequested(m_level, m_stage, place.isValid() ? place.toInt() : 0);
}

void RankingScreen::watchFailed()
{
    m_watchButton->setEnabled(false);
}

void RankingScreen::chooseLevel(int index)
{
    if (enteringName())
        return;
    m_level = index + 1;
    showTable();
}

void RankingScreen::chooseStage(int index)
{
    if (enteringName())
        return;
    m_stage = std::clamp(index + 1, 1, m_table.stageCount());
    showTable();
}

void RankingScreen::nameEdited(int index)
{
    m_closeButton->setEnabled(!m_nameEdits[index]->text().isEmpty());
}

void RankingScreen::closeAndSave()
{
    if (m_closing)
        return;  // a second close while the click sound still plays
    m_closing = true;

    for (int i = 0; i < kPlaces; ++i)
        if (m_nameEdits[i]->isVisibleTo(this))
            m_table.names(m_level, m_stage)[i] = m_nameEdits[i]->text();
    if (!m_table.save())  // told over the screen below, which outlives this one
        look::ShowNotice(parentWidget(), tr("ランキングを保存できなかったよ…ごめんな！"));
    sound::PlayWave(QStringLiteral("Click"), this, [this] {
        m_closing = false;
        accept();
    });
}

void RankingScreen::reject()
{
    // Closing the window must not lose a new record: it is "とじる" by
    // another road, and refused while "とじる" is.
    if (m_closeButton->isEnabled())
        closeAndSave();
}

void RankingScreen::keyPressEvent(QKeyEvent* event)
{
    // Enter presses "とじる" only when the button itself has the focus; in
    // the name box it does nothing.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (focusWidget() == m_closeButton && m_closeButton->isEnabled())
            m_closeButton->click();
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
