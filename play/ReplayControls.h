// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#pragma once
// The controls of a watched run, in a bar the play screen grows for: restart,
// pause and resume (Space), five seconds back and on (← →), a seek bar over
// the run's time and the speed (½×, 1×, 2×). They keep the watch's own clock,
// which the ghost, the hazards and the stage clock follow.

#include <QElapsedTimer>
#include <QObject>

class QComboBox;
class QLabel;
class QPushButton;
class QSlider;
class QWidget;

class ReplayControls : public QObject {
    Q_OBJECT
public:
    // The bar ("replayBar") at `top` of `screen`, over a run of `lengthMs`.
    ReplayControls(QWidget* screen, int top, std::int64_t lengthMs);

    // Where the watch is in the run's time.
    std::int64_t position() const;
    bool paused() const { return m_paused; }
    void togglePause();
    void seek(std::int64_t ms);  // to a moment, within the run
    void skip(std::int64_t ms) { seek(position() + ms); }
    void restart() { seek(0); }
    void setSpeed(double speed);
    // The bar follows the clock: called at each frame of the watch.
    void showPosition();

    static constexpr int kHeight = 30;
    static constexpr std::int64_t kSkipMs = 5000;

Q_SIGNALS:
    void seeked(qint64 ms);  // a jump: whatever follows the clock catches up, back or on

private:
    void build(QWidget* screen, int top);

    std::int64_t m_length;
    std::int64_t m_base = 0;  // the position when the clock last started, sped or stopped
    QElapsedTimer m_since;
    double m_speed = 1.0;
    bool m_paused = false;
    QPushButton* m_pause = nullptr;
    QSlider* m_seek = nullptr;
    QComboBox* m_speedChooser = nullptr;
    QLabel* m_time = nullptr;
};
