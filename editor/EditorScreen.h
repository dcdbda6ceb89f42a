// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#pragma once
// The course editor's window: the tools above, the stages on the left, the
// enlarged map in the middle, and on the right what is selected, the stage
// (with its stacking) and the pack. Closing with changes not saved asks first.

#include "editor/LiveCheck.h"
#include "editor/MapCanvas.h"
#include "editor/PackDraft.h"

#include <QMainWindow>
#include <QPointer>
#include <memory>

class QAction;
class QActionGroup;
class QComboBox;
class QLabel;
class QListWidget;
class QTemporaryDir;
class QMessageBox;
class QTabWidget;

namespace editor {

class EditorDocument;
class PropertyForm;

// Every element carries its name as its object name ("canvas", "stageList",
// "stacking", "saveAction", tools "roadMediumTool", "placeCarTool", the live
// check's "checkStatus" and "problems", "testAction", …).
class EditorScreen : public QMainWindow {
    Q_OBJECT
public:
    // Edits `opened` (OpenPack's); the window deletes itself when closed.
    EditorScreen(Opened opened, QWidget* parent = nullptr);
    ~EditorScreen() override;

    // Saves the pack; false (and the reason shown) when nothing was written.
    bool save();

    // The stage being edited played as it stands, unsaved, at the level chosen,
    // from its START or from the checkpoint selected; false (and why shown)
    // when it cannot be played from there.
    bool test();

    // The colours of the live check's verdict, behind its words.
    static inline const QColor kPlayable{0, 150, 60};
    static inline const QColor kNotPlayable{200, 30, 30};

Q_SIGNALS:
    void saved(const QString& folder);
    void closed();
    // `course` holds the stage as it stands, its map in a file of the editor's own.
    void testRequested(const course::Course& course, int level, int stage, int from);

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    static constexpr int kStageColumnWidth = 190;  // the stages and the live check
    static constexpr int kSideWidth = 420;         // the mark, the stage, the pack

    void buildTools();
    void buildStageColumn();
    void buildSidePanel();
    QAction* addTool(const QString& text, const char* name, const QString& tip, const QKeySequence& key, const Tool& tool);
    QAction* makeAction(const QString& text, const char* name, const QString& tip, const QKeySequence& key);
    void documentChanged();
    void selectionChanged();
    void showStages();
    void showStacking();
    void stackingMoved();
    void rebuildElementForm();
    void editStages(const QString& what, bool adds, const std::function<int(Draft&, int)>& edit);
    void askBeforeClosing();
    void updateTitle();
    void buildCheckPanel(QWidget* column);
    void showCheck(const CheckResult& result);
    void findingChosen(int row);

    EditorDocument* m_document;
    MapCanvas* m_canvas = nullptr;
    QActionGroup* m_tools = nullptr;
    QComboBox* m_stamps = nullptr;
    QListWidget* m_stageList = nullptr;
    QListWidget* m_stacking = nullptr;
    QTabWidget* m_side = nullptr;
    PropertyForm* m_elementForm = nullptr;
    PropertyForm* m_stageForm = nullptr;
    PropertyForm* m_packForm = nullptr;
    QString m_builtFor;  // what the element form shows: stage, element and kind
    int m_stageFormFor = -1;
    bool m_closing = false;  // the maker has answered: the window may close
    QPointer<QMessageBox> m_asking;
    LiveCheck* m_check = nullptr;
    QLabel* m_checkStatus = nullptr;
    QListWidget* m_problems = nullptr;
    std::vector<Finding> m_findings;  // as the problem list shows them
    QComboBox* m_testLevel = nullptr;
    std::unique_ptr<QTemporaryDir> m_testMaps;  // the maps of stages tried before they were saved
};

}  // namespace editor
