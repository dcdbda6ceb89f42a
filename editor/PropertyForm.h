// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#pragma once
// A form of fields over the draft: each field reads its value from the draft
// and writes it back as a step of the history (typing into one field is one
// step). `reload` shows the draft anew after an undo, leaving alone a field
// whose value has not changed, so the cursor stays where the maker types.

#include "editor/PackDraft.h"

#include <QWidget>
#include <functional>
#include <vector>

class QFormLayout;

namespace editor {

class EditorDocument;

class PropertyForm : public QWidget {
    Q_OBJECT
public:
    template <typename T>
    using Get = std::function<T(const Draft&)>;
    template <typename T>
    using Set = std::function<void(Draft&, T)>;

    PropertyForm(EditorDocument& document, QWidget* parent);

    const Draft& draft() const;
    void clear();
    void reload();

    void addHeading(const QString& text);
    // `whenDone`: written when the field is left, not at every key (a value that is whole only when typed out).
    void addText(const QString& label, const QString& name, Get<QString> get, Set<QString> set, bool whenDone = false);
    void addNumber(const QString& label, const QString& name, int low, int high, int step, Get<int> get, Set<int> set);
    void addCheck(const QString& label, const QString& name, Get<bool> get, Set<bool> set);
    void addChoice(const QString& label, const QString& name, const QStringList& items, Get<int> get, Set<int> set);
    // The six faces to pick from, and none.
    void addFaces(const QString& label, const QString& name, Get<int> get, Set<int> set);
    // Story lines: a face, the Japanese and the English of each, one a row.
    void addStory(const QString& label, const QString& name, Get<std::vector<course::StoryLine>> get,
                  Set<std::vector<course::StoryLine>> set);

private:
    void addRow(const QString& label, QWidget* field, const QString& name, std::function<void()> load);
    void write(const QString& label, int merge, const std::function<void(Draft&)>& edit);

    EditorDocument& m_document;
    QFormLayout* m_layout;
    std::vector<std::function<void()>> m_loads;
    bool m_loading = false;
};

}  // namespace editor
