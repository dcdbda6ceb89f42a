// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#include "game/GhostRecorder.h"

#include <algorithm>

void GhostRecorder::start()
{
    m_path.samples.reserve(ghost::kMaxSamples);  // taken once, kept for every later attempt
    m_path.marks.reserve(ghost::kMaxMarks);
    m_path.samples.clear();
    m_path.marks.clear();
    m_samplesPerSecond = 60;
    m_banked = 0;
    m_running = true;
    m_clock.start();
}

void GhostRecorder::pause()
{
    if (!m_running)
        return;
    m_banked += m_clock.elapsed();
    m_running = false;
}

void GhostRecorder::resume()
{
    if (m_running)
        return;
    m_running = true;
    m_clock.start();
}

std::int64_t GhostRecorder::time() const
{
    return m_running ? m_banked + m_clock.elapsed() : m_banked;
}

void GhostRecorder::recordPosition(QPoint at)
{
    recordPositionAt(time(), at);
}

void GhostRecorder::recordPositionAt(std::int64_t ms, QPoint at)
{
    m_last = at;
    if (!m_path.samples.empty() && (ms - m_path.samples.back().ms) * m_samplesPerSecond < 1000)
        return;
    append(ms, at);
}

void GhostRecorder::recordMark(int mark)
{
    recordMarkAt(time(), mark);
}

void GhostRecorder::recordMarkAt(std::int64_t ms, int mark)
{
    if (m_path.marks.size() >= ghost::kMaxMarks || m_path.markTime(mark))
        return;
    m_path.marks.push_back({mark, static_cast<std::uint32_t>(ms)});
    append(ms, m_last);
}

void GhostRecorder::append(std::int64_t ms, QPoint at)
{
    if (m_path.samples.empty())
        ms = 0;  // the way begins at the sign the moment the clock starts: a ghost stands there from its first frame
    if (m_path.samples.size() >= ghost::kMaxSamples)
        thin();
    m_path.samples.push_back({static_cast<std::uint32_t>(ms), static_cast<std::int16_t>(at.x()), static_cast<std::int16_t>(at.y())});
}

void GhostRecorder::thin()
{
    auto& samples = m_path.samples;
    std::size_t kept = 0;
    for (std::size_t i = 0; i < samples.size(); i += 2)
        samples[kept++] = samples[i];
    samples.resize(kept);
    m_samplesPerSecond = std::max(1, m_samplesPerSecond / 2);
}
