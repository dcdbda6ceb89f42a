// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#include "title/CourseChooser.h"

#include "ranking/HighScoreTable.h"
#include "title/CourseShelf.h"
#include "widgets/Look.h"

#include <QDir>
#include <QHBoxLayout>
#include <QImageReader>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kThumbnail = 64;

// The first map, small; a blank square when it cannot be read.
QPixmap Thumbnail(const course::Pack& pack)
{
    QPixmap blank(kThumbnail, kThumbnail);
    blank.fill(Qt::lightGray);
    if (pack.course.stages.empty())
        return blank;
    const QString map = pack.course.stages.front().map;
    QImageReader reader(QDir::isAbsolutePath(map) ? map : QDir(pack.folder).filePath(map));
    reader.setDecideFormatFromContent(true);
    if (reader.size() != QSize(300, 300))
        return blank;
    reader.setScaledSize(QSize(kThumbnail, kThumbnail));
    const QImage picture = reader.read();
    return picture.isNull() ? blank : QPixmap::fromImage(picture);
}

// The fastest first place of the first stage, on either level, or none yet.
QString BestTime(CourseShelf& shelf, const course::Pack& pack, bool builtIn)
{
    HighScoreTable packTable(CourseShelf::RecordsGroup(pack), pack.course.stageCount());
    HighScoreTable& table = builtIn ? shelf.builtInTable() : packTable;
    if (!builtIn)
        table.load();
    std::int32_t best = scores::kDefaultScore;
    for (int level = 1; level <= scores::kLevels; ++level)
        best = std::min(best, table.scores(level, 1)[0]);
    return best < scores::kDefaultScore ? CourseChooser::tr("ベスト %1秒").arg(best) : CourseChooser::tr("ベスト なし");
}

}  // namespace

CourseChooser::CourseChooser(CourseShelf& shelf, QWidget* parent) : QDialog(parent), m_shelf(shelf)
{
    setWindowTitle(tr("コース"));
    list = new QListWidget(this);
    list->setIconSize(QSize(kThumbnail, kThumbnail));
    list->setFont(look::CaptionFont(look::k9_75pt));
    chooseButton = new QPushButton(tr("えらぶ"), this);
    cancelButton = new QPushButton(tr("やめる"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(chooseButton);
    buttons->addWidget(cancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list);
    layout->addLayout(buttons);
    resize(460, 360);

    connect(chooseButton, &QPushButton::clicked, this, [this] { chooseRow(list->currentRow()); });
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(list, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) { chooseRow(list->row(item)); });
    fill();
}

void CourseChooser::fill()
{
    m_packs = CourseShelf::List();
    for (std::size_t i = 0; i < m_packs.size(); ++i) {
        const course::Pack& pack = m_packs[i];
        const bool builtIn = i == 0;
        QString text = pack.course.name.shown().isEmpty() ? QDir(pack.folder).dirName() : pack.course.name.shown();
        if (!pack.course.author.isEmpty())
            text += QStringLiteral(" — ") + pack.course.author;
        if (pack.ok())
            text += QLatin1Char('\n') + tr("ステージ数 %1").arg(pack.course.stageCount()) + QStringLiteral("・") +
                    BestTime(m_shelf, pack, builtIn);
        else
            text += QLatin1Char('\n') + pack.problems.first();
        auto* item = new QListWidgetItem(QIcon(Thumbnail(pack)), text, list);
        if (!pack.ok())
            item->setFlags(item->flags() & ~Qt::ItemIsEnabled);  // greyed out: it cannot be played
        const bool chosen = builtIn ? m_shelf.builtInChosen() : QDir(pack.folder) == QDir(m_shelf.chosenFolder());
        if (chosen)
            list->setCurrentItem(item);
    }
}

bool CourseChooser::chooseRow(int row)
{
    if (row < 0 || row >= static_cast<int>(m_packs.size()) || !m_packs[static_cast<std::size_t>(row)].ok())
        return false;
    if (row == 0)
        m_shelf.chooseBuiltIn();
    else
        m_shelf.choose(m_packs[static_cast<std::size_t>(row)]);
    accept();
    return true;
}
