// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// The ranking window as drawn: positions in twips, 15 to the pixel.

#include "ranking/RankingScreen.h"

#include "game/HighScoreTable.h"
#include "widgets/Look.h"
#include "widgets/Widgets.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFrame>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <limits>

namespace {

constexpr int kRowTop = 120;   // twips, row 0
constexpr int kRowStep = 360;  // twips between rows
constexpr int RowTop(int row) { return kRowTop + kRowStep * row; }

struct PlaceRow {
    const char* caption;
    int width;  // twips
    QColor colour;
};

const PlaceRow kPlaceRows[scores::kPlaces] = {
    {QT_TRANSLATE_NOOP("RankingScreen", "1st"), 375, QColor(255, 15, 123)},
    {QT_TRANSLATE_NOOP("RankingScreen", "2nd"), 420, QColor(23, 64, 255)},
    {QT_TRANSLATE_NOOP("RankingScreen", "3rd"), 390, QColor(2, 255, 97)},
    {QT_TRANSLATE_NOOP("RankingScreen", "4th"), 390, QColor(64, 64, 64)},
    {QT_TRANSLATE_NOOP("RankingScreen", "5th"), 390, QColor(64, 64, 64)},
};

// A caption drawn from its top-left (or top-right) corner, on the window's own
// background, never growing with its text: long names are simply cut off.
QLabel* RowLabel(QWidget* parent, const QString& text, const QRect& rect, const QColor& colour,
                 Qt::Alignment horizontal)
{
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);  // a name like "<b>x</b>" shows as typed
    label->setWordWrap(false);
    // Absolute: a name in a right-to-left script still starts at the left edge
    // like every other row, instead of jumping over to the scores.
    label->setAlignment(horizontal | Qt::AlignTop | Qt::AlignAbsolute);
    label->setFont(look::CaptionFont(look::k12pt));
    label->setGeometry(rect);
    label->setFixedSize(rect.size());
    label->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    look::PaintText(label, colour);
    return label;
}

// Entry boxes keep the toolkit's white field rather than the window's grey.
void KeepDefaultLook(QLineEdit* box)
{
    const QPalette standard = QGuiApplication::palette();
    QPalette p = box->palette();
    p.setColor(QPalette::Base, standard.color(QPalette::Base));
    p.setColor(QPalette::Text, standard.color(QPalette::Text));
    box->setPalette(p);
}

QRadioButton* Selector(QWidget* parent, const QString& caption, const QRect& rect)
{
    auto* option = new QRadioButton(caption, parent);
    option->setGeometry(rect);
    option->setFont(look::CaptionFont(look::k12pt));
    look::Paint(option, look::kWindowGrey, Qt::black);
    return option;
}

}  // namespace

void RankingScreen::buildLayout()
{
    setWindowTitle(tr("ランキング"));
    setWindowIcon(QIcon(QStringLiteral(":/pictures/icon.ico")));
    look::MakeFixedWindow(this, 281, 232);  // the target times' row and the run raced under what the ranking always showed
    // A dialog border rather than a main-window one; whoever opens it makes it modal.
    setWindowFlags((windowFlags() & ~Qt::WindowType_Mask) | Qt::Dialog);

    for (int r = 0; r < scores::kPlaces; ++r) {
        const PlaceRow& row = kPlaceRows[r];
        m_placeLabels[r] = RowLabel(this, tr(row.caption), look::Twips(120, RowTop(r), row.width, 240),
                                   row.colour, Qt::AlignLeft);
        look::FitWidth(m_placeLabels[r], m_placeLabels[r]->text());  // "2nd" is wider than its box
        m_nameLabels[r] = RowLabel(this, QStringLiteral("1st"), look::Twips(720, RowTop(r), 2535, 240), row.colour,
                             Qt::AlignLeft);
        m_scoreLabels[r] = RowLabel(this, QStringLiteral("1"), look::Twips(3600, RowTop(r), 495, 240), row.colour,
                                Qt::AlignRight);

        m_nameEdits[r] = new QLineEdit(this);
        m_nameEdits[r]->setGeometry(look::Twips(720, RowTop(r), 2535, 270));
        m_nameEdits[r]->setMaxLength(std::numeric_limits<int>::max());  // names have no length limit
        KeepDefaultLook(m_nameEdits[r]);
        m_nameEdits[r]->hide();
    }

    m_divider = new QFrame(this);
    m_divider->setFrameShape(QFrame::VLine);
    m_divider->setFrameShadow(QFrame::Plain);
    m_divider->setLineWidth(1);
    m_divider->setGeometry(look::Px(3480), look::Px(120), 1, look::Px(1800) - look::Px(120) + 1);
    look::PaintText(m_divider, Qt::black);

    // Two independent selectors. Qt's automatic exclusivity would lump the
    // stage buttons together with the level buttons in m_levelFrame (it looks at all
    // descendants of the window), so each pair gets a group of its own.
    m_levelFrame = new QFrame(this);
    m_levelFrame->setFrameShape(QFrame::NoFrame);
    m_levelFrame->setGeometry(look::Twips(120, 2040, 855, 855));
    m_levelOptions[0] = Selector(m_levelFrame, tr("たこ", "the easy level, in a narrow box"), look::Twips(0, 0, 855, 375));
    m_levelOptions[1] = Selector(m_levelFrame, tr("さる", "the hard level, in a narrow box"), look::Twips(0, 360, 855, 375));
    m_stageOptions[0] = Selector(this, tr("STAGE1"), look::Twips(1200, 2040, 1335, 375));
    m_stageOptions[1] = Selector(this, tr("STAGE2"), look::Twips(1200, 2400, 1335, 375));
    for (QRadioButton** pair : {m_levelOptions, m_stageOptions}) {
        auto* group = new QButtonGroup(this);
        group->addButton(pair[0], 0);
        group->addButton(pair[1], 1);
    }

    buildStageChooser();
    m_targets = RowLabel(this, QString(), look::Twips(120, 2790, 3975, 240), Qt::black, Qt::AlignLeft);
    m_runCaption = RowLabel(this, tr("ゴースト"), look::Twips(120, 3135, 900, 240), Qt::black, Qt::AlignLeft);
    m_runChooser = new QComboBox(this);
    m_runChooser->setGeometry(look::Twips(1080, 3090, 3015, 330));
    m_runChooser->setFont(look::CaptionFont(look::k9_75pt));
    m_runChooser->setToolTip(tr("ゴーストで追う走りと、「見る」で見る走りを選ぶよ"));

    m_closeButton = new QPushButton(tr("とじる"), this);
    m_closeButton->setGeometry(look::Twips(2760, 2040, 1335, 360));
    m_closeButton->setFont(look::CaptionFont(look::k12pt));
    // No default button: the Enter that confirms a name typed through an
    // input method must not close the entry.
    m_closeButton->setAutoDefault(false);
    m_watchButton = new QPushButton(tr("1位を見る"), this);
    m_watchButton->setGeometry(look::Twips(2760, 2430, 1335, 330));
    m_watchButton->setFont(look::CaptionFont(look::k11_25pt));
    m_watchButton->setToolTip(tr("1位の走りをゴーストで見るよ"));
    m_watchButton->setAutoDefault(false);

    // Entry boxes first, then the close button, then the selectors.
    QWidget* order[] = {m_nameEdits[0], m_nameEdits[1], m_nameEdits[2], m_nameEdits[3], m_nameEdits[4],
                        m_closeButton, m_watchButton, m_stageChooser ? static_cast<QWidget*>(m_stageChooser) : m_stageOptions[0],
                        m_stageOptions[1], m_levelOptions[1], m_levelOptions[0], m_runChooser};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
    nameElements();
}

void RankingScreen::nameElements()
{
    for (int r = 0; r < scores::kPlaces; ++r) {
        m_placeLabels[r]->setObjectName(ListedName("placeLabels", r));
        m_nameLabels[r]->setObjectName(ListedName("nameLabels", r));
        m_scoreLabels[r]->setObjectName(ListedName("scoreLabels", r));
        m_nameEdits[r]->setObjectName(ListedName("nameEdits", r));
    }
    for (int i = 0; i < 2; ++i) {
        m_levelOptions[i]->setObjectName(ListedName("levelOptions", i));
        m_stageOptions[i]->setObjectName(ListedName("stageOptions", i));
    }
    NameElements({{m_levelFrame, "levelFrame"}, {m_stageChooser, "stageChooser"}, {m_closeButton, "closeButton"},
                  {m_watchButton, "watchButton"}, {m_divider, "divider"}, {m_targets, "targets"},
                  {m_runCaption, "runCaption"}, {m_runChooser, "runChooser"}});
}

// The game's own two stages keep their two buttons; a course of one stage
// shows only the first, and a longer one a list of its stages in their place.
void RankingScreen::buildStageChooser()
{
    const int stages = m_table.stageCount();
    m_stageOptions[1]->setVisible(stages >= 2);
    if (stages <= 2)
        return;
    m_stageOptions[0]->hide();
    m_stageOptions[1]->hide();
    m_stageChooser = new QComboBox(this);
    m_stageChooser->setGeometry(look::Twips(1200, 2040, 1335, 375));
    m_stageChooser->setFont(m_stageOptions[0]->font());
    for (int stage = 1; stage <= stages; ++stage)
        m_stageChooser->addItem(tr("STAGE%1").arg(stage));
}
