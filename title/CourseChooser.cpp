// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#include "title/CourseChooser.h"

#include "game/HighScoreTable.h"
#include "game/CourseShelf.h"
#include "widgets/Look.h"
#include "widgets/Medals.h"
#include "widgets/Widgets.h"

#include <QDir>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QThread>
#include <QVBoxLayout>

namespace {

constexpr int kThumbnail = 64;

QPixmap Blank()
{
    QPixmap blank(kThumbnail, kThumbnail);
    blank.fill(Qt::lightGray);
    return blank;
}

// The first map as the pack's reading found it, small: no file is opened twice.
QImage Thumbnail(const course::Pack& pack)
{
    if (pack.firstMap.isNull())
        return {};
    return pack.firstMap.scaled(kThumbnail, kThumbnail, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// Each stage's best medal, earned by its first place on either level; nothing
// when no stage has target times.
QString BestMedals(const HighScoreTable& table, const course::Course& course)
{
    QStringList medals;
    bool targets = false;
    for (int stage = 1; stage <= course.stageCount(); ++stage) {
        course::Medal best = course::Medal::None;
        for (int level = 1; level <= scores::kLevels; ++level)
            if (const auto& t = course.stage(stage).targets[static_cast<std::size_t>(level - 1)]) {
                targets = true;
                best = std::max(best, course::MedalFor(*t, table.scores(level, stage)[0]));
            }
        medals << look::MedalName(best);
    }
    return targets ? QStringLiteral("・") + CourseChooser::tr("メダル %1").arg(medals.join(QLatin1Char(' '))) : QString();
}

// The fastest first place of the first stage, on either level, or none yet; and the medals.
QString BestTime(CourseShelf& shelf, const course::Pack& pack, bool builtIn)
{
    HighScoreTable packTable(CourseShelf::RecordsGroup(pack), pack.course.stageCount());
    HighScoreTable& table = builtIn ? shelf.builtInTable() : packTable;
    if (!builtIn)
        table.load();
    std::int32_t best = scores::kDefaultScore;
    for (int level = 1; level <= scores::kLevels; ++level)
        best = std::min(best, table.scores(level, 1)[0]);
    return (best < scores::kDefaultScore ? CourseChooser::tr("ベスト %1秒").arg(best) : CourseChooser::tr("ベスト なし")) +
           BestMedals(table, pack.course);
}

}  // namespace

CourseChooser::CourseChooser(CourseShelf& shelf, QWidget* parent) : QDialog(parent), m_shelf(shelf)
{
    setWindowTitle(tr("コース"));
    m_list = new QListWidget(this);
    m_list->setIconSize(QSize(kThumbnail, kThumbnail));
    m_list->setFont(look::CaptionFont(look::k9_75pt));
    m_chooseButton = new QPushButton(tr("えらぶ"), this);
    m_cancelButton = new QPushButton(tr("やめる"), this);
    m_newButton = new QPushButton(tr("新しく作る"), this);
    m_newButton->setToolTip(tr("コースエディタで新しいパックを作る"));
    m_editButton = new QPushButton(tr("編集"), this);
    m_editButton->setToolTip(tr("えらんだパックをコースエディタで直す (ゲームのコースと配られたパックは写しを作る)"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_newButton);
    buttons->addWidget(m_editButton);
    buttons->addStretch();
    buttons->addWidget(m_chooseButton);
    buttons->addWidget(m_cancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list);
    layout->addLayout(buttons);
    resize(460, 360);
    NameElements({{m_list, "list"}, {m_chooseButton, "chooseButton"}, {m_cancelButton, "cancelButton"}, {m_newButton, "newButton"},
                  {m_editButton, "editButton"}});

    connect(m_chooseButton, &QPushButton::clicked, this, [this] { chooseRow(m_list->currentRow()); });
    connect(m_cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_newButton, &QPushButton::clicked, this, [this] {
        reject();
        Q_EMIT newPackRequested();
    });
    connect(m_editButton, &QPushButton::clicked, this, [this] { editRow(m_list->currentRow()); });
    connect(m_list, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) { chooseRow(m_list->row(item)); });
    startReading(CourseShelf::Folders());
}

// Closing abandons the packs not yet read; the one being read is a matter of
// moments, since no pack file can take long.
CourseChooser::~CourseChooser()
{
    m_closing = true;
    if (m_reader)
        m_reader->wait();
}

void CourseChooser::startReading(const QStringList& folders)
{
    m_packs.resize(static_cast<std::size_t>(folders.size()));
    m_unread = m_packs.size();
    for (const QString& folder : folders) {
        auto* item = new QListWidgetItem(QIcon(Blank()), QDir(folder).dirName() + QLatin1Char('\n') + tr("読みこみ中…"), m_list);
        item->setFlags(item->flags() & ~Qt::ItemIsEnabled);
    }
    m_reader = QThread::create([this, folders] {
        for (qsizetype i = 0; i < folders.size() && !m_closing; ++i) {
            const course::Pack pack = course::LoadPack(folders[i]);
            const QImage thumbnail = Thumbnail(pack);
            QMetaObject::invokeMethod(this, [this, i, pack, thumbnail] { showPack(static_cast<std::size_t>(i), pack, thumbnail); },
                                      Qt::QueuedConnection);
        }
    });
    m_reader->setParent(this);
    m_reader->start();
}

void CourseChooser::showPack(std::size_t row, const course::Pack& pack, const QImage& thumbnail)
{
    const bool builtIn = row == 0;
    QString text = pack.course.name.shown().isEmpty() ? QDir(pack.folder).dirName() : pack.course.name.shown();
    if (!pack.course.author.isEmpty())
        text += QStringLiteral(" — ") + pack.course.author;
    if (pack.ok())
        text += QLatin1Char('\n') + tr("ステージ数 %1").arg(pack.course.stageCount()) + QStringLiteral("・") + BestTime(m_shelf, pack, builtIn);
    else
        text += QLatin1Char('\n') + pack.problems.first();
    QListWidgetItem* item = m_list->item(static_cast<int>(row));
    item->setText(text);
    item->setIcon(QIcon(thumbnail.isNull() ? Blank() : QPixmap::fromImage(thumbnail)));
    item->setFlags(item->flags() | Qt::ItemIsEnabled);  // a broken one can still be picked to be edited
    if (!pack.ok())
        item->setForeground(palette().color(QPalette::Disabled, QPalette::Text));  // greyed out: it cannot be played
    const bool chosen = builtIn ? m_shelf.builtInChosen() : QDir(pack.folder) == QDir(m_shelf.chosenFolder());
    if (chosen && pack.ok())
        m_list->setCurrentItem(item);
    m_packs[row] = pack;
    if (--m_unread == 0)
        Q_EMIT allRead();
}

bool CourseChooser::playable(int row) const
{
    return row >= 0 && row < static_cast<int>(m_packs.size()) && m_packs[static_cast<std::size_t>(row)] &&
           m_packs[static_cast<std::size_t>(row)]->ok();
}

void CourseChooser::editRow(int row)
{
    if (row < 0 || row >= static_cast<int>(m_packs.size()) || !m_packs[static_cast<std::size_t>(row)])
        return;
    const QString folder = m_packs[static_cast<std::size_t>(row)]->folder;
    reject();
    Q_EMIT editRequested(folder);
}

bool CourseChooser::chooseRow(int row)
{
    if (row < 0 || row >= static_cast<int>(m_packs.size()))
        return false;
    const std::optional<course::Pack>& pack = m_packs[static_cast<std::size_t>(row)];
    if (!pack || !pack->ok())
        return false;
    if (row == 0)
        m_shelf.chooseBuiltIn();
    else
        m_shelf.choose(*pack);
    accept();
    return true;
}
