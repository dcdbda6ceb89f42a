// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#pragma once
// The pack being edited and its history: every change is a step that can be
// undone and redone. A step keeps the draft before and after it; the maps'
// pixels are shared between steps until one is painted.

#include "editor/PackDraft.h"

#include <QObject>
#include <QUndoStack>
#include <functional>

namespace editor {

class EditorDocument : public QObject {
    Q_OBJECT
public:
    EditorDocument(Opened opened, QObject* parent = nullptr);

    const Draft& draft() const { return m_draft; }
    const course::Course& course() const { return m_draft.course; }
    const PackPlace& place() const { return m_place; }
    QUndoStack* history() { return &m_history; }
    bool unsaved() const { return !m_history.isClean() || !m_place.exists; }
    bool changedSinceSave() const { return !m_history.isClean(); }  // a new pack untouched loses nothing

    // One change, named for the undo menu. Changes with the same `merge` key
    // that follow each other are one step (typing a name, one drag); 0 never merges.
    void change(const QString& what, int merge, const std::function<void(Draft&)>& edit);
    // A new merge key, for one drag or one text field.
    int newMergeKey() { return ++m_lastKey; }

    // A brush stroke paints straight into the stage's map, then becomes one step.
    QImage& beginStroke(int stage);
    void endStroke(const QString& what);
    bool stroking() const { return m_strokeStage >= 0; }

    // Saves the pack; empty when it was, otherwise why nothing was written.
    QString save();

    // Sets the draft, as a step's undo or redo does.
    void restore(const Draft& draft);

Q_SIGNALS:
    void changed();
    void mapPainted(QRect where);  // during a stroke: only the map, only there

public:
    void painted(QRect where) { Q_EMIT mapPainted(where); }

private:
    Draft m_draft;
    PackPlace m_place;
    QUndoStack m_history;
    int m_lastKey = 0;
    int m_strokeStage = -1;
    Draft m_beforeStroke;
};

}  // namespace editor
