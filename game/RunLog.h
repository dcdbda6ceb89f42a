// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#pragma once
// What the session judged in one attempt, in order: every move of the hand
// and every click, every beat of the clock and of the hazards, and what each
// decided. Times are milliseconds of one monotonic clock since the Start
// click. A kept run is its log: re-run through the rules, it must end as it
// says (game/RunVerifier.h).

#include "game/GhostPath.h"
#include "rules/Course.h"

#include <QByteArray>
#include <QPointF>
#include <QString>

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace runlog {

enum class Kind : std::uint8_t {
    // What the hand and the clocks did: the inputs re-judging feeds again.
    Move = 1,    // the hand moved to the point
    Place,       // the hand was taken to the point without a move (a box had the pointer)
    Click,       // a click on the map at the point
    LeftMap,     // the hand left the map
    ClockBeat,   // a second of the stage clock
    HazardBeat,  // a step of the hazards of period `value`
    // What the session decided of them.
    Pause,       // the clock stood still (the sweet shop)
    Resume,      // the clock went on
    Checkpoint,  // checkpoint `value` spoke
    Goal,        // goal `value` was reached: the run is over
    Miss,        // the run is over: a game::MissCause in `value`
};
constexpr bool IsInput(Kind kind)
{
    return kind <= Kind::HazardBeat;
}

// Points are kept in 256ths of a map pixel, as exactly as the rules judge them.
constexpr int kSubPixels = 256;

struct Event {
    Kind kind = Kind::Move;
    std::uint32_t ms = 0;
    std::int32_t x = 0;  // Move, Place, Click: in 256ths of a map pixel
    std::int32_t y = 0;
    std::int32_t value = 0;
    QPointF point() const { return {double(x) / kSubPixels, double(y) / kSubPixels}; }
    friend bool operator==(const Event&, const Event&) = default;
};

// A hazard timer at the Start click: the milliseconds until its next beat.
struct TimerDue {
    std::int32_t periodMs = 0;
    std::int32_t dueMs = 0;
    friend bool operator==(const TimerDue&, const TimerDue&) = default;
};

struct RunLog {
    std::int32_t start = 0;        // the start zone clicked
    std::vector<TimerDue> hazardTimers;
    std::vector<course::HazardState> hazards;  // where each hazard stood at the Start click
    std::vector<Event> events;
};

// Bounds on what a file may hold: a two-minute run at 1,000 moves a second
// fits many times over; a longer run is kept without its log (a ghost only).
constexpr qsizetype kMaxEvents = 1'500'000;
constexpr qsizetype kMaxBytes = 1024 * 1024;

// Deltas, then zlib.
QByteArray Encode(const RunLog& log);
// Nothing when the bytes are not a whole, well-formed log; `why` says what is wrong.
std::optional<RunLog> Decode(const QByteArray& bytes, QString* why);

// The ghost's way, from the log of a run on `stage`: from its start zone's
// point, the hand at a sixtieth of a second at most, on the ghost clock that
// stands still while the stage clock does (or on the log's own clock, which
// runs on, as the hazards do); the marks that speak once and the goal.
enum class PathClock { Ghost, Log };
ghost::GhostPath PathOf(const RunLog& log, const course::Stage& stage, PathClock clock = PathClock::Ghost);

// Keeps the log of the attempt under way. Its room grows by doubling, so a
// move logs without allocating nearly always.
class RunLogger {
public:
    using Clock = std::function<std::int64_t()>;  // milliseconds since the Start click
    // The clock the log is stamped with; the default is a monotonic one started at each start().
    void useClock(Clock clock) { m_clock = std::move(clock); }

    // A new attempt. One that begins while the clock already runs (the START
    // clicked again during a run) carries the time before it: its log is not whole.
    void start(RunLog header, bool whole = true);
    // An input stamped now, a decision at the time of the input it followed; nothing once the attempt is over.
    void log(Kind kind, QPointF at = {}, std::int32_t value = 0);
    void stop() { m_on = false; }
    bool on() const { return m_on; }
    // Whether the log holds the whole attempt from a fresh clock (a run past the bound does not).
    bool whole() const { return m_whole; }
    const RunLog& runLog() const { return m_log; }
    // The point as it is judged: on the log's grid of 256ths of a pixel.
    static QPointF Judged(QPointF at);

private:
    std::int64_t now() const;

    RunLog m_log;
    Clock m_clock;
    std::int64_t m_startedAt = 0;  // of the default clock
    std::uint32_t m_lastInputMs = 0;
    bool m_on = false;
    bool m_whole = true;
};

}  // namespace runlog
