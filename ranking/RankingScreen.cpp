// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// The ranking screen's logic: which table it shows, the new holder's name,
// and the one way out, which always stores the name and saves the table.

#include "ranking/RankingScreen.h"

#include "play/WatchRun.h"
#include "ranking/HighScoreTable.h"
#include "sound/SoundBackend.h"
#include "widgets/Look.h"
#include "widgets/Notice.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
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
        connect(levelOptions[i], &QRadioButton::clicked, this, [this, i] { chooseLevel(i); });
        connect(stageOptions[i], &QRadioButton::clicked, this, [this, i] { chooseStage(i); });
    }
    if (stageChooser)
        connect(stageChooser, &QComboBox::activated, this, &RankingScreen::chooseStage);
    for (int i = 0; i < kPlaces; ++i)
        connect(nameEdits[i], &QLineEdit::textChanged, this, [this, i] { nameEdited(i); });
    connect(closeButton, &QPushButton::clicked, this, &RankingScreen::closeAndSave);
    connect(watchButton, &QPushButton::clicked, this, &RankingScreen::watchBest);
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
    levelOptions[m_level - 1]->setChecked(true);
    if (stageChooser)
        stageChooser->setCurrentIndex(m_stage - 1);
    else
        stageOptions[m_stage - 1]->setChecked(true);
    for (int i = 0; i < kPlaces; ++i) {
        nameLabels[i]->setText(m_table.names(m_level, m_stage)[i]);
        scoreLabels[i]->setText(QString::number(m_table.scores(m_level, m_stage)[i]));
    }
    if (enteringName()) {
        for (QRadioButton* option : {levelOptions[0], stageOptions[0], levelOptions[1], stageOptions[1]})
            option->hide();
        if (stageChooser)
            stageChooser->hide();
        watchButton->hide();
    } else {
        watchButton->setEnabled(RecordRunExists(m_table, *m_course, m_level, m_stage));
    }
}

void RankingScreen::watchBest()
{
    if (enteringName())
        return;
    sound::PlayWaveAsync(QStringLiteral("Click"));
    if (!WatchRecordRun(m_table, *m_course, m_level, m_stage, this))
        watchButton->setEnabled(false);  // the run was lost meanwhile
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
    closeButton->setEnabled(!nameEdits[index]->text().isEmpty());
}

void RankingScreen::closeAndSave()
{
    if (m_closing)
        return;  // a second close while the click sound still plays
    QScopedValueRollback<bool> closing(m_closing, true);

    for (int i = 0; i < kPlaces; ++i)
        if (nameEdits[i]->isVisibleTo(this))
            m_table.names(m_level, m_stage)[i] = nameEdits[i]->text();
    if (!m_table.save())
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
