// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// Preparing a stage: labels, starting time, marks, course picture, opening story.

#include "game/AppFolder.h"
#include "game/GameSession.h"
#include "play/PlayScreen.h"
#include "rules/CourseRules.h"
#include "rules/MapPicture.h"
#include "rules/StageRules.h"
#include "widgets/Widgets.h"

#include <QDir>
#include <QTimer>

using namespace game;

QString PlayScreen::courseFile() const
{
    return MapFile(m_session->stageCourse().map);
}

bool PlayScreen::setUpStage()
{
    m_session->setUpStage();
    if (m_marksStage != m_session->stage())
        buildStageMarks();

    QImage course = course::ReadMap(courseFile());
    if (course.isNull()) {
        Q_EMIT cannotGoOn(tr("コースの地図「%1」が読めなかったよ・・・タイトルにもどるぜ！")
                              .arg(QDir::toNativeSeparators(courseFile())));
        return false;
    }
    m_course = std::move(course);
    m_session->useMap(m_course);
    m_courseMap->setPicture(QPixmap::fromImage(m_course));
    return true;
}

void PlayScreen::tellOpening()
{
    m_session->startHazards();
    clearFace();
    static const std::vector<course::StoryLine> none;
    const bool practice = RulesOf(m_session->mode()).stretches;  // straight to the sign
    tell(practice ? none : m_session->stageCourse().opening, 0, [this] {
        showFace(1);
        m_dialogueText->setText(stage::StartPrompt());
    });
}
