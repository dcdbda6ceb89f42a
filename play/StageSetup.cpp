// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// Preparing a stage: labels, starting time, marks, course picture, opening story.

#include "game/AppFolder.h"
#include "game/GameSession.h"
#include "play/PlayScreen.h"
#include "play/Story.h"
#include "rules/CourseRules.h"
#include "rules/MapPicture.h"
#include "rules/StageRules.h"
#include "widgets/Notice.h"
#include "widgets/Widgets.h"

#include <QDir>
#include <QTimer>

using namespace game;

QString PlayScreen::courseFile() const
{
    const QString& map = m_session->stageCourse().map;
    return QDir::isAbsolutePath(map) ? map : AppFolder() + QLatin1Char('/') + map;
}

bool PlayScreen::setUpStage()
{
    m_session->setUpStage();
    if (m_marksStage != m_session->stage())
        buildStageMarks();

    QImage course = course::ReadMap(courseFile());
    if (course.isNull()) {
        look::ShowNotice(this, tr("コースの地図「%1」が読めなかったよ・・・タイトルにもどるぜ！")
                                   .arg(QDir::toNativeSeparators(courseFile())));
        return false;
    }
    m_course = std::move(course);
    m_session->useMap(m_course);
    courseMap->setPicture(QPixmap::fromImage(m_course));
    return true;
}

bool PlayScreen::tellOpening()
{
    m_session->startHazards();
    clearFace();
    if (!story::Tell(*this, m_session->stageCourse().opening))
        return false;
    showFace(1);
    dialogueText->setText(stage::StartPrompt());
    return true;
}
