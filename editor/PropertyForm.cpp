// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#include "editor/PropertyForm.h"

#include "editor/EditorDocument.h"
#include "rules/CoursePack.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace editor {

namespace {
constexpr int kFaces = 6;
constexpr int kFaceIcon = 24;

// A table cell's text, set only when it differs, so an edit under way is left alone.
void ShowCell(QTableWidget* table, int row, int column, const QString& text)
{
    QTableWidgetItem* item = table->item(row, column);
    if (!item)
        table->setItem(row, column, new QTableWidgetItem(text));  // the table owns its items
    else if (item->text() != text)
        item->setText(text);
}
}  // namespace

PropertyForm::PropertyForm(EditorDocument& document, QWidget* parent)
    : QWidget(parent), m_document(document), m_layout(new QFormLayout(this))
{
    m_layout->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    m_layout->setRowWrapPolicy(QFormLayout::WrapLongRows);
}

// The fields go once the event loop has them back: the form is rebuilt from
// inside a field's own signal when the kind of a hazard changes.
void PropertyForm::clear()
{
    m_loads.clear();
    while (m_layout->rowCount() > 0) {
        const QFormLayout::TakeRowResult row = m_layout->takeRow(0);
        for (QLayoutItem* item : {row.labelItem, row.fieldItem}) {
            if (item && item->widget()) {
                item->widget()->hide();
                item->widget()->setObjectName(QString());
                item->widget()->deleteLater();
            }
            delete item;
        }
    }
}

void PropertyForm::reload()
{
    m_loading = true;
    for (const auto& load : m_loads)
        load();
    m_loading = false;
}

void PropertyForm::write(const QString& label, int merge, const std::function<void(Draft&)>& edit)
{
    if (!m_loading)
        m_document.change(label, merge, edit);
}

void PropertyForm::addRow(const QString& label, QWidget* field, const QString& name, std::function<void()> load)
{
    field->setObjectName(name);
    if (field->toolTip().isEmpty())
        field->setToolTip(label);
    m_layout->addRow(label, field);
    m_loads.push_back(std::move(load));
    m_loading = true;
    m_loads.back()();
    m_loading = false;
}

void PropertyForm::addHeading(const QString& text)
{
    auto* heading = new QLabel(QStringLiteral("<b>%1</b>").arg(text.toHtmlEscaped()), this);
    m_layout->addRow(heading);
}

const Draft& PropertyForm::draft() const
{
    return m_document.draft();
}

void PropertyForm::addText(const QString& label, const QString& name, Get<QString> get, Set<QString> set, bool whenDone)
{
    auto* edit = new QLineEdit(this);
    edit->setMaxLength(course::kMaxTextLength);
    const int merge = m_document.newMergeKey();
    if (whenDone)
        connect(edit, &QLineEdit::editingFinished, this, [=, this] { write(label, 0, [=](Draft& d) { set(d, edit->text()); }); });
    else
        connect(edit, &QLineEdit::textEdited, this, [=, this](const QString& text) { write(label, merge, [=](Draft& d) { set(d, text); }); });
    addRow(label, edit, name, [=, this] {
        const QString now = get(m_document.draft());
        if (edit->text() != now)
            edit->setText(now);
    });
}

void PropertyForm::addNumber(const QString& label, const QString& name, int low, int high, int step, Get<int> get, Set<int> set)
{
    auto* box = new QSpinBox(this);
    box->setRange(low, high);
    box->setSingleStep(step);
    box->setKeyboardTracking(false);  // a number typed counts once it is whole
    const int merge = m_document.newMergeKey();
    connect(box, &QSpinBox::valueChanged, this, [=, this](int value) { write(label, merge, [=](Draft& d) { set(d, value); }); });
    addRow(label, box, name, [=, this] { box->setValue(get(m_document.draft())); });
}

void PropertyForm::addCheck(const QString& label, const QString& name, Get<bool> get, Set<bool> set)
{
    auto* box = new QCheckBox(this);
    connect(box, &QCheckBox::toggled, this, [=, this](bool on) { write(label, 0, [=](Draft& d) { set(d, on); }); });
    addRow(label, box, name, [=, this] { box->setChecked(get(m_document.draft())); });
}

void PropertyForm::addChoice(const QString& label, const QString& name, const QStringList& items, Get<int> get, Set<int> set)
{
    auto* box = new QComboBox(this);
    box->addItems(items);
    connect(box, &QComboBox::currentIndexChanged, this, [=, this](int index) {
        if (index >= 0)
            write(label, 0, [=](Draft& d) { set(d, index); });
    });
    addRow(label, box, name, [=, this] { box->setCurrentIndex(get(m_document.draft())); });
}

void PropertyForm::addFaces(const QString& label, const QString& name, Get<int> get, Set<int> set)
{
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);
    auto* group = new QButtonGroup(row);
    for (int face = 0; face <= kFaces; ++face) {
        auto* button = new QToolButton(row);
        button->setCheckable(true);
        button->setObjectName(QStringLiteral("face%1").arg(face));
        if (face == 0) {
            button->setText(tr("なし"));
            button->setToolTip(tr("顔もせりふもなし"));
        } else {
            button->setIcon(QIcon(QStringLiteral(":/pictures/face%1.bmp").arg(face)));
            button->setIconSize(QSize(kFaceIcon, kFaceIcon));
            button->setToolTip(tr("顔 %1").arg(face));
        }
        group->addButton(button, face);
        layout->addWidget(button);
    }
    connect(group, &QButtonGroup::idClicked, this, [=, this](int face) { write(label, 0, [=](Draft& d) { set(d, face); }); });
    addRow(label, row, name, [=, this] {
        if (QAbstractButton* button = group->button(get(m_document.draft())))
            button->setChecked(true);
    });
}

void PropertyForm::addStory(const QString& label, const QString& name, Get<std::vector<course::StoryLine>> get,
                            Set<std::vector<course::StoryLine>> set)
{
    auto* box = new QWidget(this);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* table = new QTableWidget(0, 3, box);
    table->setObjectName(QStringLiteral("lines"));
    table->setHorizontalHeaderLabels({tr("顔"), tr("日本語"), tr("English")});
    table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    table->horizontalHeader()->setStretchLastSection(true);
    table->setMinimumHeight(110);
    auto* buttons = new QHBoxLayout;
    auto* add = new QPushButton(tr("行を足す"), box);
    auto* remove = new QPushButton(tr("行を消す"), box);
    add->setObjectName(QStringLiteral("addLine"));
    remove->setObjectName(QStringLiteral("removeLine"));
    add->setToolTip(tr("選んだ行の下にせりふを足す"));
    remove->setToolTip(tr("選んだ行を消す"));
    buttons->addWidget(add);
    buttons->addWidget(remove);
    buttons->addStretch();
    layout->addWidget(table);
    layout->addLayout(buttons);
    const int merge = m_document.newMergeKey();
    auto read = [table] {
        std::vector<course::StoryLine> lines;
        for (int r = 0; r < table->rowCount(); ++r) {
            auto cell = [table, r](int c) { return table->item(r, c) ? table->item(r, c)->text() : QString(); };
            lines.push_back({std::clamp(cell(0).toInt(), 0, kFaces), {cell(1), cell(2), nullptr}});
        }
        return lines;
    };
    connect(table, &QTableWidget::itemChanged, this, [=, this] { write(label, merge, [=](Draft& d) { set(d, read()); }); });
    connect(add, &QPushButton::clicked, this, [=, this] {
        std::vector<course::StoryLine> lines = get(m_document.draft());
        const auto at = static_cast<std::size_t>(std::clamp(table->currentRow() + 1, 0, static_cast<int>(lines.size())));
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), {1, {tr("せりふ"), QString(), nullptr}});
        write(tr("せりふを足す"), 0, [=](Draft& d) { set(d, lines); });
    });
    connect(remove, &QPushButton::clicked, this, [=, this] {
        std::vector<course::StoryLine> lines = get(m_document.draft());
        const int row = table->currentRow();
        if (row < 0 || row >= static_cast<int>(lines.size()))
            return;
        lines.erase(lines.begin() + row);
        write(tr("せりふを消す"), 0, [=](Draft& d) { set(d, lines); });
    });
    addRow(label, box, name, [=, this] {
        const std::vector<course::StoryLine> lines = get(m_document.draft());
        const QSignalBlocker quiet(table);
        table->setRowCount(static_cast<int>(lines.size()));
        for (int r = 0; r < table->rowCount(); ++r) {
            const course::StoryLine& line = lines[static_cast<std::size_t>(r)];
            ShowCell(table, r, 0, QString::number(line.face));
            ShowCell(table, r, 1, line.text.japanese);
            ShowCell(table, r, 2, line.text.english);
        }
    });
}

}  // namespace editor
