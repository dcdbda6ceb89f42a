// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// Preparing a stage: labels, starting time, marks, course picture, opening story.

#include "game/AppFolder.h"
#include "game/GameSession.h"
#include "play/PlayScreen.h"
#include "play/Story.h"
#include "rules/CourseRules.h"
#include "rules/StageRules.h"
#include "widgets/Notice.h"
#include "widgets/Widgets.h"

#include <QBuffer>
#include <QtEndian>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QTimer>

using namespace game;

namespace {
// The picture loader happily shows half a bitmap; a course must be whole.
bool BitmapComplete(const QByteArray& bytes)
{
    if (!bytes.startsWith("BM") || bytes.size() < 34 || qFromLittleEndian<std::uint32_t>(bytes.constData() + 30) != 0)
        return true;  // other formats (and compressed bitmaps) their decoder judges
    const std::uint64_t offset = qFromLittleEndian<std::uint32_t>(bytes.constData() + 10);
    const std::uint64_t width = qFromLittleEndian<std::uint32_t>(bytes.constData() + 18);
    const auto height = qFromLittleEndian<std::int32_t>(bytes.constData() + 22);
    const std::uint64_t bits = qFromLittleEndian<std::uint16_t>(bytes.constData() + 28);
    const std::uint64_t stride = ((width * bits + 31) / 32) * 4;
    const std::uint64_t rows = static_cast<std::uint64_t>(height < 0 ? -static_cast<std::int64_t>(height) : height);
    return offset + stride * rows <= static_cast<std::uint64_t>(bytes.size());
}

// Reads a course picture whatever its format, judged by its content.
QImage ReadCourse(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    if (!BitmapComplete(bytes))
        return {};
    QBuffer buffer;
    buffer.setData(bytes);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    QImage picture = reader.read();
    if (picture.width() != course::kMapSize || picture.height() != course::kMapSize)
        return {};
    return picture.convertToFormat(QImage::Format_RGB32);
}
}  // namespace

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

    QImage course = ReadCourse(courseFile());
    if (course.isNull()) {
        look::ShowNotice(this, tr("コースの地図「%1」が読めなかったよ・・・タイトルにもどるぜ！")
                                   .arg(QDir::toNativeSeparators(courseFile())));
        return false;
    }
    m_course = std::move(course);
    courseMap->setPicture(QPixmap::fromImage(m_course));
    return true;
}

bool PlayScreen::tellOpening()
{
    for (MapMark* m : coversAndHazards())
        m->show();
    m_session->startHazards();
    clearFace();
    if (!story::Tell(*this, m_session->stageCourse().opening))
        return false;
    showFace(1);
    dialogueText->setText(stage::StartPrompt());
    return true;
}
