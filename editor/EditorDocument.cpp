// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#include "editor/EditorDocument.h"

#include <QUndoCommand>

namespace editor {

namespace {

constexpr int kStepsKept = 300;  // a painted map costs 360 KB a step

class DraftStep : public QUndoCommand {
public:
    DraftStep(EditorDocument& document, Draft before, Draft after, const QString& what, int merge)
        : QUndoCommand(what), m_document(document), m_before(std::move(before)), m_after(std::move(after)), m_merge(merge)
    {
    }
    void undo() override { m_document.restore(m_before); }
    void redo() override { m_document.restore(m_after); }
    int id() const override { return m_merge == 0 ? -1 : 1; }
    bool mergeWith(const QUndoCommand* other) override
    {
        const auto* next = static_cast<const DraftStep*>(other);
        if (next->m_merge != m_merge)
            return false;
        m_after = next->m_after;
        return true;
    }

private:
    EditorDocument& m_document;
    Draft m_before;
    Draft m_after;
    int m_merge;
};

}  // namespace

EditorDocument::EditorDocument(Opened opened, QObject* parent)
    : QObject(parent), m_draft(std::move(opened.draft)), m_place(std::move(opened.place))
{
    m_history.setUndoLimit(kStepsKept);
}

void EditorDocument::restore(const Draft& draft)
{
    m_draft = draft;
    Q_EMIT changed();
}

void EditorDocument::change(const QString& what, int merge, const std::function<void(Draft&)>& edit)
{
    Draft after = m_draft;
    edit(after);
    m_history.push(new DraftStep(*this, m_draft, std::move(after), what, merge));  // the stack owns its steps
}

QImage& EditorDocument::beginStroke(int stage)
{
    m_strokeStage = stage;
    m_beforeStroke = m_draft;
    QImage& map = m_draft.maps.at(static_cast<std::size_t>(stage)).pixels;
    map.detach();  // the step before keeps the pixels as they were
    return map;
}

void EditorDocument::endStroke(const QString& what)
{
    if (m_strokeStage < 0)
        return;
    m_strokeStage = -1;
    m_history.push(new DraftStep(*this, std::move(m_beforeStroke), m_draft, what, 0));
}

QString EditorDocument::save()
{
    const QString problem = SavePack(m_draft, m_place);
    if (problem.isEmpty())
        m_history.setClean();
    Q_EMIT changed();
    return problem;
}

}  // namespace editor
