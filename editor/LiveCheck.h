// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#pragma once
// The live check: after each change, once the maker pauses, the stage being
// edited is read as the pack loader reads it and proven by the course checker
// on both levels and through the moving hazards, on a worker thread. What it
// finds comes back as findings in the player's language, each pointing at
// the mark or the place it concerns, with the shortest route of each level.
// A check made stale by a newer change is dropped.

#include "editor/PackDraft.h"

#include <QObject>
#include <QTimer>

#include <array>
#include <atomic>
#include <chrono>
#include <optional>
#include <vector>

class QThread;

namespace editor {

struct Finding {
    QString text;                           // in the player's language
    std::optional<course::Stacked> element;  // the mark it concerns
    std::optional<QPoint> place;             // or the place, in map pixels
};

struct CheckResult {
    int generation = 0;  // which request it answers
    int stage = 0;       // from 0
    bool playable = false;
    std::array<std::vector<QPoint>, 2> routes;  // the shortest route of each level; empty where there is none
    std::vector<Finding> findings;
};

// One check of the draft's stage, as the worker runs it (and the bench).
CheckResult CheckDraftStage(const Draft& draft, const PackPlace& place, int stage, std::chrono::steady_clock::time_point deadline);

class LiveCheck : public QObject {
    Q_OBJECT
public:
    explicit LiveCheck(QObject* parent = nullptr);
    ~LiveCheck() override;  // a check under way is let finish: it has a deadline

    // Checks the stage once no other request has come for a moment.
    void request(const Draft& draft, const PackPlace& place, int stage);
    bool running() const { return m_worker != nullptr; }
    int latest() const { return m_generation; }

Q_SIGNALS:
    void started(int generation);
    void checked(const editor::CheckResult& result);  // only the latest request's

private:
    struct Job {
        Draft draft;
        PackPlace place;
        int stage = 0;
        int generation = 0;
    };
    void startWaiting();
    void finished(const CheckResult& result);

    QTimer m_pause;
    std::optional<Job> m_waiting;
    QThread* m_worker = nullptr;
    int m_generation = 0;
};

}  // namespace editor
