// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// The ranking window as drawn: positions in twips, 15 to the pixel.

#include "ranking/RankingScreen.h"

#include "ranking/HighScoreTable.h"
#include "widgets/Look.h"

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
    look::MakeFixedWindow(this, 281, 185);
    // A dialog border rather than a main-window one; modality comes from exec().
    setWindowFlags((windowFlags() & ~Qt::WindowType_Mask) | Qt::Dialog);

    for (int r = 0; r < scores::kPlaces; ++r) {
        const PlaceRow& row = kPlaceRows[r];
        placeLabels[r] = RowLabel(this, tr(row.caption), look::Twips(120, RowTop(r), row.width, 240),
                                   row.colour, Qt::AlignLeft);
        look::FitWidth(placeLabels[r], placeLabels[r]->text());  // "2nd" is wider than its box
        nameLabels[r] = RowLabel(this, QStringLiteral("1st"), look::Twips(720, RowTop(r), 2535, 240), row.colour,
                             Qt::AlignLeft);
        scoreLabels[r] = RowLabel(this, QStringLiteral("1"), look::Twips(3600, RowTop(r), 495, 240), row.colour,
                                Qt::AlignRight);

        nameEdits[r] = new QLineEdit(this);
        nameEdits[r]->setGeometry(look::Twips(720, RowTop(r), 2535, 270));
        nameEdits[r]->setMaxLength(std::numeric_limits<int>::max());  // names have no length limit
        KeepDefaultLook(nameEdits[r]);
        nameEdits[r]->hide();
    }

    divider = new QFrame(this);
    divider->setFrameShape(QFrame::VLine);
    divider->setFrameShadow(QFrame::Plain);
    divider->setLineWidth(1);
    divider->setGeometry(look::Px(3480), look::Px(120), 1, look::Px(1800) - look::Px(120) + 1);
    look::PaintText(divider, Qt::black);

    // Two independent selectors. Qt's automatic exclusivity would lump the
    // stage buttons together with the level buttons in levelFrame (it looks at all
    // descendants of the window), so each pair gets a group of its own.
    levelFrame = new QFrame(this);
    levelFrame->setFrameShape(QFrame::NoFrame);
    levelFrame->setGeometry(look::Twips(120, 2040, 855, 855));
    levelOptions[0] = Selector(levelFrame, tr("たこ", "the easy level, in a narrow box"), look::Twips(0, 0, 855, 375));
    levelOptions[1] = Selector(levelFrame, tr("さる", "the hard level, in a narrow box"), look::Twips(0, 360, 855, 375));
    stageOptions[0] = Selector(this, tr("STAGE1"), look::Twips(1200, 2040, 1335, 375));
    stageOptions[1] = Selector(this, tr("STAGE2"), look::Twips(1200, 2400, 1335, 375));
    for (QRadioButton** pair : {levelOptions, stageOptions}) {
        auto* group = new QButtonGroup(this);
        group->addButton(pair[0], 0);
        group->addButton(pair[1], 1);
    }

    buildStageChooser();

    closeButton = new QPushButton(tr("とじる"), this);
    closeButton->setGeometry(look::Twips(2760, 2040, 1335, 360));
    closeButton->setFont(look::CaptionFont(look::k12pt));
    // No default button: the Enter that confirms a name typed through an
    // input method must not close the entry.
    closeButton->setAutoDefault(false);
    watchButton = new QPushButton(tr("1位を見る"), this);
    watchButton->setGeometry(look::Twips(2760, 2430, 1335, 330));
    watchButton->setFont(look::CaptionFont(look::k11_25pt));
    watchButton->setToolTip(tr("1位の走りをゴーストで見るよ"));
    watchButton->setAutoDefault(false);

    // Entry boxes first, then the close button, then the selectors.
    QWidget* order[] = {nameEdits[0], nameEdits[1], nameEdits[2], nameEdits[3], nameEdits[4],
                        closeButton, watchButton, stageChooser ? static_cast<QWidget*>(stageChooser) : stageOptions[0],
                        stageOptions[1], levelOptions[1], levelOptions[0]};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

// The game's own two stages keep their two buttons; a course of one stage
// shows only the first, and a longer one a list of its stages in their place.
void RankingScreen::buildStageChooser()
{
    const int stages = m_table.stageCount();
    stageOptions[1]->setVisible(stages >= 2);
    if (stages <= 2)
        return;
    stageOptions[0]->hide();
    stageOptions[1]->hide();
    stageChooser = new QComboBox(this);
    stageChooser->setGeometry(look::Twips(1200, 2040, 1335, 375));
    stageChooser->setFont(stageOptions[0]->font());
    for (int stage = 1; stage <= stages; ++stage)
        stageChooser->addItem(tr("STAGE%1").arg(stage));
}
