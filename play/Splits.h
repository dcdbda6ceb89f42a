// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#pragma once
// A split: at a mark the record run also passed, the time gained (green,
// "−1.2") or lost (red, "+0.8") against it, shown for about two seconds in
// the dialogue box's lower left corner, clear of the road and the status column.

#include <QLabel>
#include <QTimer>
#include <cstdint>

// Tenths of a second, signed: "−1.2", "+0.8", "±0.0".
QString SplitText(std::int64_t differenceMs);

class SplitLabel : public QLabel {
    Q_OBJECT
public:
    explicit SplitLabel(QWidget* playScreen);
    // Shows this run's ghost time less the record run's at the same mark.
    void showDifference(std::int64_t differenceMs);
    bool gained() const { return m_gained; }  // shown in green: not slower than the record

private:
    QTimer m_shown;
    bool m_gained = false;
};
