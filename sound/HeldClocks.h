// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#pragma once
// While the click sound plays to its end the game stands still, as if its
// thread were blocked: the screens' timers do not tick. A tick that fell due
// meanwhile comes once, right after, as a blocked thread's would. Timers that
// belong to no screen (the sound's own, the audio system's) run on.

#include <QList>
#include <QObject>
#include <QPointer>

class HeldClocks final : public QObject {
public:
    HeldClocks();
    ~HeldClocks() override;
    HeldClocks(const HeldClocks&) = delete;
    HeldClocks& operator=(const HeldClocks&) = delete;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Tick {
        QPointer<QObject> timer;
        int id;
    };
    QList<Tick> m_due;
};
