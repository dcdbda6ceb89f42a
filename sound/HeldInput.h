// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#pragma once
// While the click sound plays to its end the player's clicks and keys wait,
// as they would behind a blocked thread: each is kept as it arrives and given
// back, in order, once the hold ends, to the window (or element) it came to.

#include <QObject>
#include <QPointer>
#include <memory>
#include <vector>

class QEvent;

class HeldInput final : public QObject {
public:
    HeldInput();
    ~HeldInput() override;
    HeldInput(const HeldInput&) = delete;
    HeldInput& operator=(const HeldInput&) = delete;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Kept {
        QPointer<QObject> receiver;
        std::unique_ptr<QEvent> event;
    };
    std::vector<Kept> m_kept;
};
