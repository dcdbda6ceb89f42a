// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#include "game/RunLog.h"

#include "game/GhostRecorder.h"

#include <QElapsedTimer>
#include <QtEndian>

#include <zlib.h>

#include <algorithm>
#include <cmath>

namespace runlog {

namespace {

constexpr std::uint8_t kVersion = 1;
constexpr std::uint8_t kWholePixels = 0x80;  // the move's delta is in whole pixels
constexpr std::int32_t kFarthest = 4096 * kSubPixels;  // a point past this is no hand's
constexpr int kMostHazards = 256;
constexpr int kMostPieces = 64;
constexpr int kMostEventBytes = 16;  // tag, time and two deltas at their longest
constexpr std::int32_t kLongestPeriodMs = 3'600'000;

bool HasPoint(Kind kind)
{
    return kind == Kind::Move || kind == Kind::Place || kind == Kind::Click;
}

bool HasValue(Kind kind)
{
    return kind == Kind::HazardBeat || kind == Kind::Checkpoint || kind == Kind::Goal || kind == Kind::Miss;
}

std::uint32_t Zigzag(std::int32_t v)
{
    return (static_cast<std::uint32_t>(v) << 1) ^ static_cast<std::uint32_t>(v >> 31);
}

std::int32_t Unzigzag(std::uint32_t v)
{
    return static_cast<std::int32_t>(v >> 1) ^ -static_cast<std::int32_t>(v & 1);
}

class Writer {
public:
    void byte(std::uint8_t b) { m_bytes.append(static_cast<char>(b)); }
    void number(std::uint32_t v)
    {
        while (v >= 0x80) {
            byte(static_cast<std::uint8_t>(v | 0x80));
            v >>= 7;
        }
        byte(static_cast<std::uint8_t>(v));
    }
    void signedNumber(std::int32_t v) { number(Zigzag(v)); }
    const QByteArray& bytes() const { return m_bytes; }
    void reserve(qsizetype n) { m_bytes.reserve(n); }

private:
    QByteArray m_bytes;
};

// Reads what Writer wrote; any read past the end or out of bounds marks it failed.
class Reader {
public:
    explicit Reader(const QByteArray& bytes) : m_bytes(bytes) {}
    std::uint8_t byte()
    {
        if (m_at >= m_bytes.size()) {
            m_failed = true;
            return 0;
        }
        return static_cast<std::uint8_t>(m_bytes[m_at++]);
    }
    std::uint32_t number()
    {
        std::uint64_t v = 0;
        for (int shift = 0; shift < 35; shift += 7) {
            const std::uint8_t b = byte();
            v |= std::uint64_t(b & 0x7f) << shift;
            if (!(b & 0x80))
                return v > 0xffffffffu ? fail() : static_cast<std::uint32_t>(v);
        }
        return fail();
    }
    std::int32_t signedNumber() { return Unzigzag(number()); }
    // A number from 0 to `most`.
    std::uint32_t upTo(std::uint32_t most)
    {
        const std::uint32_t v = number();
        return v > most ? fail() : v;
    }
    std::int32_t between(std::int32_t low, std::int32_t high)
    {
        const std::int32_t v = signedNumber();
        return v < low || v > high ? static_cast<std::int32_t>(fail()) : v;
    }
    bool failed() const { return m_failed; }
    bool atEnd() const { return m_at == m_bytes.size(); }

private:
    std::uint32_t fail()
    {
        m_failed = true;
        return 0;
    }
    const QByteArray& m_bytes;
    qsizetype m_at = 0;
    bool m_failed = false;
};

void WriteHeader(Writer& out, const RunLog& log)
{
    out.byte(kVersion);
    out.number(static_cast<std::uint32_t>(log.start));
    out.number(static_cast<std::uint32_t>(log.hazardTimers.size()));
    for (const TimerDue& t : log.hazardTimers) {
        out.number(static_cast<std::uint32_t>(t.periodMs));
        out.number(static_cast<std::uint32_t>(t.dueMs));
    }
    out.number(static_cast<std::uint32_t>(log.hazards.size()));
    for (const course::HazardState& h : log.hazards) {
        out.signedNumber(h.at.top);
        out.byte(h.at.back ? 1 : 0);
        out.number(static_cast<std::uint32_t>(h.nextRow));
        out.number(static_cast<std::uint32_t>(h.open.size()));
        for (bool open : h.open)
            out.byte(open ? 1 : 0);
    }
}

bool ReadHeader(Reader& in, RunLog& log)
{
    if (in.byte() != kVersion)
        return false;
    log.start = static_cast<std::int32_t>(in.upTo(kMostHazards));
    log.hazardTimers.resize(in.upTo(kMostHazards));
    for (TimerDue& t : log.hazardTimers) {
        t.periodMs = static_cast<std::int32_t>(in.upTo(kLongestPeriodMs));
        t.dueMs = static_cast<std::int32_t>(in.upTo(kLongestPeriodMs));
    }
    log.hazards.resize(in.upTo(kMostHazards));
    for (course::HazardState& h : log.hazards) {
        h.at.top = in.between(-kFarthest, kFarthest);
        h.at.back = in.upTo(1) == 1;
        h.nextRow = in.upTo(10000);
        h.open.resize(in.upTo(kMostPieces));
        for (std::size_t i = 0; i < h.open.size(); ++i)
            h.open[i] = in.upTo(1) == 1;
    }
    return !in.failed();
}

bool Whole(std::int32_t v)
{
    return v % kSubPixels == 0;
}

// The log unpacked to exactly the size its first four bytes claim, judged
// against the bound before anything is unpacked; a stream that ends short of
// it or runs past it is refused, so a small file never unpacks into a large one.
std::optional<QByteArray> Unpack(const QByteArray& packed)
{
    if (packed.size() < 4)
        return std::nullopt;
    const quint32 claimed = qFromBigEndian<quint32>(packed.constData());
    if (claimed == 0 || claimed > quint32(64 + kMaxEvents * kMostEventBytes))
        return std::nullopt;
    QByteArray body(static_cast<qsizetype>(claimed), Qt::Uninitialized);
    z_stream z{};
    if (inflateInit(&z) != Z_OK)
        return std::nullopt;
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(packed.constData() + 4));
    z.avail_in = static_cast<uInt>(packed.size() - 4);
    z.next_out = reinterpret_cast<Bytef*>(body.data());
    z.avail_out = claimed;
    const int status = inflate(&z, Z_FINISH);
    const bool whole = status == Z_STREAM_END && z.avail_out == 0 && z.avail_in == 0;
    inflateEnd(&z);
    return whole ? std::optional(body) : std::nullopt;
}

}  // namespace

QByteArray Encode(const RunLog& log)
{
    Writer out;
    out.reserve(64 + static_cast<qsizetype>(log.events.size()) * 4);
    WriteHeader(out, log);
    out.number(static_cast<std::uint32_t>(log.events.size()));
    std::uint32_t lastMs = 0;
    std::int32_t lastX = 0, lastY = 0;
    for (const Event& e : log.events) {
        const bool point = HasPoint(e.kind);
        const std::int32_t dx = e.x - lastX, dy = e.y - lastY;
        const bool whole = point && Whole(dx) && Whole(dy);
        out.byte(static_cast<std::uint8_t>(e.kind) | (whole ? kWholePixels : 0));
        out.number(e.ms - lastMs);
        lastMs = e.ms;
        if (point) {
            out.signedNumber(whole ? dx / kSubPixels : dx);
            out.signedNumber(whole ? dy / kSubPixels : dy);
            lastX = e.x;
            lastY = e.y;
        } else if (HasValue(e.kind)) {
            out.signedNumber(e.value);
        }
    }
    return qCompress(out.bytes(), 9);
}

std::optional<RunLog> Decode(const QByteArray& bytes, QString* why)
{
    const auto fail = [why](const char* what) {
        *why = QString::fromLatin1(what);
        return std::nullopt;
    };
    if (bytes.size() > kMaxBytes)
        return fail("the run's log is larger than its bound");
    const std::optional<QByteArray> body = Unpack(bytes);
    if (!body)
        return fail("the run's log is damaged or cut short");
    Reader in(*body);
    RunLog log;
    if (!ReadHeader(in, log))
        return fail("the run's log has a malformed beginning");
    // Every event takes two bytes at least: a count beyond what the bytes hold is refused before any room is taken.
    log.events.resize(in.upTo(static_cast<std::uint32_t>(std::min<qsizetype>(kMaxEvents, body->size() / 2))));
    std::uint64_t ms = 0;
    std::int64_t x = 0, y = 0;
    for (Event& e : log.events) {
        const std::uint8_t tag = in.byte();
        const auto kind = static_cast<Kind>(tag & ~kWholePixels);
        if (kind < Kind::Move || kind > Kind::Miss || ((tag & kWholePixels) && !HasPoint(kind)))
            return fail("the run's log holds an unknown event");
        e.kind = kind;
        ms += in.number();
        if (ms > 0xffffffffu)
            return fail("the run's log runs past its clock");
        e.ms = static_cast<std::uint32_t>(ms);
        if (HasPoint(kind)) {
            const std::int64_t scale = (tag & kWholePixels) ? kSubPixels : 1;
            x += scale * in.signedNumber();
            y += scale * in.signedNumber();
            if (std::abs(x) > kFarthest || std::abs(y) > kFarthest)
                return fail("the run's log holds a point far off the map");
            e.x = static_cast<std::int32_t>(x);
            e.y = static_cast<std::int32_t>(y);
        } else if (HasValue(kind)) {
            e.value = in.between(0, kLongestPeriodMs);
        }
        if (in.failed())
            return fail("the run's log is cut short");
    }
    if (in.failed() || !in.atEnd())
        return fail("the run's log is malformed");
    return log;
}

ghost::GhostPath PathOf(const RunLog& log, const course::Stage& stage, PathClock clock)
{
    if (log.start < 0 || log.start >= static_cast<int>(stage.starts.size()))
        return {};
    const bool stands = clock == PathClock::Ghost;
    GhostRecorder recorder;  // sampled as a run is, on the time told
    recorder.start();
    recorder.recordPositionAt(0, stage.starts[static_cast<std::size_t>(log.start)].point);
    std::int64_t paused = 0;
    std::optional<std::uint32_t> pausedAt;
    const auto ghostTime = [&](std::uint32_t ms) { return std::int64_t(ms) - paused - (pausedAt ? ms - *pausedAt : 0); };
    for (const Event& e : log.events) {
        switch (e.kind) {
        case Kind::Move: recorder.recordPositionAt(ghostTime(e.ms), e.point().toPoint()); break;
        case Kind::Pause:
            if (stands && !pausedAt)
                pausedAt = e.ms;
            break;
        case Kind::Resume:
            if (pausedAt)
                paused += e.ms - *pausedAt;
            pausedAt.reset();
            break;
        case Kind::Checkpoint:
            if (e.value >= 0 && e.value < static_cast<int>(stage.checkpoints.size()) && stage.checkpoints[static_cast<std::size_t>(e.value)].once)
                recorder.recordMarkAt(ghostTime(e.ms), e.value);
            break;
        case Kind::Goal: recorder.recordMarkAt(ghostTime(e.ms), ghost::kGoalMark); break;
        default: break;
        }
    }
    return recorder.path();
}

void RunLogger::start(RunLog header, bool whole)
{
    std::vector<Event> events = std::move(m_log.events);  // the room of the last attempt is kept
    events.clear();
    if (events.capacity() == 0)
        events.reserve(1 << 14);
    m_log = std::move(header);
    m_log.events = std::move(events);
    m_on = true;
    m_whole = whole;
    m_lastInputMs = 0;
    if (!m_clock) {
        QElapsedTimer since;
        since.start();
        m_startedAt = since.msecsSinceReference();
    }
}

std::int64_t RunLogger::now() const
{
    if (m_clock)
        return m_clock();
    QElapsedTimer since;
    since.start();
    return since.msecsSinceReference() - m_startedAt;
}

void RunLogger::log(Kind kind, QPointF at, std::int32_t value)
{
    if (!m_on)
        return;
    if (static_cast<qsizetype>(m_log.events.size()) >= kMaxEvents) {
        m_whole = false;
        return;
    }
    // What the session decides of an input happens at the input's time: judging takes no time in the rules.
    const auto ms = IsInput(kind) ? static_cast<std::uint32_t>(std::clamp<std::int64_t>(now(), 0, 0xffffffff)) : m_lastInputMs;
    if (IsInput(kind))
        m_lastInputMs = ms;
    const QPointF p = Judged(at);
    m_log.events.push_back({kind, ms, static_cast<std::int32_t>(p.x() * kSubPixels), static_cast<std::int32_t>(p.y() * kSubPixels), value});
}

QPointF RunLogger::Judged(QPointF at)
{
    const auto onGrid = [](double v) { return std::clamp(std::round(v * kSubPixels), double(-kFarthest), double(kFarthest)) / kSubPixels; };
    return {onGrid(at.x()), onGrid(at.y())};
}

}  // namespace runlog
