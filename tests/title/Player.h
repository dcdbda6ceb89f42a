// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#pragma once
// A patient player who sits beside the game while a test drives it: reads
// every waiting line (space), types a name into a new record's box and closes
// the ranking, and, if asked, holds the stage 2 hazards still as they appear.

#include <QObject>
#include <QString>
#include <QTimer>

class PlayScreen;

class Player : public QObject {
    Q_OBJECT
public:
    explicit Player(QString name, QObject* parent = nullptr);
    bool freezeHazards = false;
    int linesRead = 0;
    int recordsEntered = 0;
    QStringList linesSeen;  // every waiting line, in order

private:
    void look();
    QString m_name;
    QTimer m_tick;
};

PlayScreen* CurrentPlay();
