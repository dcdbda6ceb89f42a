// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

// The play screen's layout: every element where the layout puts it.

#include "game/StageRules.h"
#include "screens/DrawnHero.h"
#include "screens/Look.h"
#include "screens/MapMarks.h"
#include "screens/Widgets.h"
#include "screens/form_Main.h"

#include <QApplication>
#include <QIcon>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

using look::Twips;

namespace {

QPixmap Picture(const QString& name)
{
    return QPixmap(QStringLiteral(":/pictures/") + name);
}

// A value box of the status column: black, white text, a thin sunken border.
QLabel* MakeValueBox(QWidget* parent, const QRect& geometry, Qt::Alignment horizontal)
{
    QLabel* box = MakeLabel(parent, geometry, QString(), look::k12pt, horizontal);
    box->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    box->setLineWidth(1);
    look::Paint(box, Qt::black, Qt::white);
    return box;
}

// A caption of the status column, on the standard button-face colour.
QLabel* MakeCaption(QWidget* parent, const QRect& geometry, const QString& text, const QColor& colour)
{
    QLabel* caption = MakeLabel(parent, geometry, text, look::k12pt);
    look::Paint(caption, QApplication::palette().color(QPalette::Button), colour);
    return caption;
}

QPushButton* MakeButton(QWidget* parent, const QRect& geometry, const QString& text)
{
    auto* button = new QPushButton(text, parent);
    button->setGeometry(geometry);
    button->setFont(look::CaptionFont(look::k12pt));
    button->setAutoDefault(false);
    return button;
}

QTimer* MakeTimer(QObject* parent, int milliseconds)
{
    auto* timer = new QTimer(parent);
    timer->setInterval(milliseconds);
    timer->setTimerType(Qt::PreciseTimer);
    return timer;
}

}  // namespace

form_Main::form_Main(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("form_Main"));
    setAttribute(Qt::WA_DeleteOnClose);  // closing discards the screen and its timers
    buildLayout();
    connectEvents();
    qApp->installEventFilter(this);  // key preview: the window sees every key first
}

form_Main::~form_Main() = default;

void form_Main::buildLayout()
{
    setWindowTitle(QStringLiteral("Pokurimo"));
    setWindowIcon(QIcon(QStringLiteral(":/pictures/icon.ico")));
    look::MakeFixedWindow(this, 439, 439);

    pic_Map = new MapBox(Twips(0, 0, 4560, 4560), this);
    pic_Map->setObjectName(QStringLiteral("pic_Map"));
    pic_Map->setPicture(Picture("map_placeholder.bmp"));
    buildMapMarks();

    pic_Clear = new PictureBox(Twips(840, 720, 3060, 3060), true, this);
    pic_Clear->setObjectName(QStringLiteral("pic_Clear"));
    pic_Clear->setPicture(Picture("clear.bmp"));
    pic_Clear->hide();

    buildStatusColumn();
    buildDialogue();
    buildHiddenStores();
    buildTimers();
    m_hero = new DrawnHero(this);  // the last child: drawn above everything

    setTabOrder(pic_Map, pic_Chara[0]);
    setTabOrder(pic_Chara[0], Command1);
    setTabOrder(Command1, Command2);
    setTabOrder(Command2, Text1);
    pic_Map->setFocus();
}

void form_Main::buildStatusColumn()
{
    Label2 = MakeCaption(this, Twips(4680, 0, 825, 240), tr("STAGE"), QColor(0, 255, 255));
    lbl_Stage = MakeValueBox(this, Twips(4680, 240, 1815, 615), Qt::AlignLeft);
    look::FitWidth(lbl_Stage, stage::StageName(2));  // the Gothic here runs wider than the layout's own font
    Label4 = MakeCaption(this, Twips(4680, 960, 780, 240), tr("LEVEL"), QColor(255, 255, 0));
    lbl_Level = MakeValueBox(this, Twips(4680, 1200, 1815, 375), Qt::AlignLeft);
    Label6 = MakeCaption(this, Twips(4680, 1680, 585, 240), tr("TIME"), QColor(255, 128, 255));
    lbl_Time = MakeValueBox(this, Twips(4680, 1920, 1815, 375), Qt::AlignRight);
    Label3 = MakeCaption(this, Twips(4680, 2400, 540, 240), tr("LIFE"), QColor(0, 255, 0));
    lbl_Life = MakeValueBox(this, Twips(4680, 2640, 1815, 375), Qt::AlignRight);
    Command2 = MakeButton(this, Twips(4680, 3360, 1815, 495), tr("バージョン"));
    Command1 = MakeButton(this, Twips(4680, 3960, 1815, 495), tr("タイトルへ"));
    lbl_Stage->setObjectName(QStringLiteral("lbl_Stage"));
    lbl_Level->setObjectName(QStringLiteral("lbl_Level"));
    lbl_Time->setObjectName(QStringLiteral("lbl_Time"));
    lbl_Life->setObjectName(QStringLiteral("lbl_Life"));
}

void form_Main::buildDialogue()
{
    lbl_Msg = MakeValueBox(this, Twips(0, 4560, 4545, 2010), Qt::AlignLeft);
    look::Paint(lbl_Msg, Qt::white, Qt::black);
    lbl_Msg->setWordWrap(true);
    lbl_Msg->setObjectName(QStringLiteral("lbl_Msg"));

    Nextbox = new ClickLabel(tr("Click or SpaceKey to Next"), this);
    Nextbox->setGeometry(Twips(1800, 6240, 2625, 195));
    Nextbox->setFont(look::CaptionFont(look::k9_75pt));
    Nextbox->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    look::PaintText(Nextbox, QColor(0, 0, 255));
    Nextbox->setObjectName(QStringLiteral("Nextbox"));

    pic_Chara[0] = new PictureBox(Twips(4560, 4560, 2010, 2010), true, this);
    pic_Chara[0]->setFocusPolicy(Qt::TabFocus);
}

// The marks inside the map, from the bottom of the stacking order to its top.
void form_Main::buildMapMarks()
{
    QWidget* map = pic_Map->surface();
    auto mark = [map](int index, const QRect& r, const char* name) {
        auto* m = new MapMark(index, r, map);
        m->setObjectName(QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index));
        return m;
    };
    auto msg = [&](int i) { img_Msg[i] = mark(i, marks::kMsg[i].px(), "img_Msg"); };

    for (int i : {0, 1, 2, 3})
        msg(i);
    img_Goal[0] = mark(0, marks::kGoal[0].px(), "img_Goal");
    for (int i = 4; i <= 11; ++i)
        msg(i);
    img_Rain = mark(0, marks::kRain.px(), "img_Rain");
    img_Rain->setObjectName(QStringLiteral("img_Rain"));  // the one mark that is not an array
    for (int i = 12; i <= 15; ++i)
        msg(i);
    img_River[0] = mark(0, marks::kRiver[0].px(), "img_River");
    img_River[1] = mark(1, marks::kRiver[1].px(), "img_River");
    img_Bridge[0] = mark(0, marks::kBridge[0].px(), "img_Bridge");
    img_Bridge[1] = mark(1, marks::kBridge[1].px(), "img_Bridge");
    img_Bridge[2] = mark(2, marks::kBridge[2].px(), "img_Bridge");
    msg(16);
    msg(17);
    img_Goal[1] = mark(1, marks::kGoal[1].px(), "img_Goal");
    img_Car1[0] = mark(0, marks::kCar1[0].px(), "img_Car1");
    img_Car1[1] = mark(1, marks::kCar1[1].px(), "img_Car1");
    img_Car1[2] = mark(2, marks::kCar1[2].px(), "img_Car1");
    img_Car2[0] = mark(0, marks::kCar2[0].px(), "img_Car2");
    img_Car2[1] = mark(1, marks::kCar2[1].px(), "img_Car2");
    img_Road[0] = mark(0, marks::kRoad[0].px(), "img_Road");
    img_Road[1] = mark(1, marks::kRoad[1].px(), "img_Road");
    img_Start[1] = mark(1, marks::kStart[1].px(), "img_Start");
    img_Start[0] = mark(0, marks::kStart[0].px(), "img_Start");

    img_Road[0]->setPicture(Picture("road0.bmp"));
    img_Road[1]->setPicture(Picture("road1.bmp"));
    for (MapMark* car : img_Car1)
        car->setPicture(Picture("car1.bmp"));
    for (MapMark* car : img_Car2)
        car->setPicture(Picture("car2.bmp"));
    img_Rain->setPicture(Picture("rain.bmp"));
    img_River[0]->setPicture(Picture("river0.bmp"));
    img_River[1]->setPicture(Picture("river1.bmp"));

    for (MapMark* hazard : Stage2Hazards())
        hazard->hide();
}

std::array<MapMark*, 13> form_Main::Stage2Hazards() const
{
    return {img_Road[0], img_Road[1], img_Car1[0], img_Car1[1], img_Car1[2], img_Car2[0], img_Car2[1],
            img_Rain,    img_River[0], img_River[1], img_Bridge[0], img_Bridge[1], img_Bridge[2]};
}

// Pictures kept off the visible area: the faces, the bridge's two looks, the pointer.
void form_Main::buildHiddenStores()
{
    static constexpr int kFaceAt[7][2] = {{0, 0}, {7200, 0}, {7200, 2040}, {7200, 4080}, {7200, 6120}, {9240, 0}, {9240, 2040}};
    for (int i = 1; i <= 6; ++i) {
        pic_Chara[i] = new PictureBox(Twips(kFaceAt[i][0], kFaceAt[i][1], 2010, 2010), true, this);
        pic_Chara[i]->setPicture(Picture(QStringLiteral("face%1.bmp").arg(i)));
        pic_Chara[i]->setFocusPolicy(Qt::NoFocus);
    }

    img_Bridge[3] = new MapMark(3, marks::kBridge[3].px(), this);
    img_Bridge[4] = new MapMark(4, marks::kBridge[4].px(), this);
    img_Bridge[3]->setPicture(Picture("plank.bmp"));
    img_Bridge[4]->setPicture(Picture("water.bmp"));
    img_Bridge[3]->hide();
    img_Bridge[4]->hide();
    // The three pieces carry the very picture the store holds.
    for (int i = 0; i < 3; ++i)
        img_Bridge[i]->setPicture(img_Bridge[3]->picture());

    img_Pipo = new QLabel(this);
    img_Pipo->setGeometry(Twips(3960, 6720, 480, 480));
    img_Pipo->setPixmap(Picture("pipo.ico"));

    Text1 = new QLineEdit(QStringLiteral("Text1"), this);
    Text1->setGeometry(Twips(720, 6720, 150, 375));
    Text1->setAttribute(Qt::WA_InputMethodEnabled, false);  // the space key must reach the window
}

void form_Main::buildTimers()
{
    timer_Main = MakeTimer(this, 1000);
    timer_Obj1 = MakeTimer(this, 300);
    timer_Obj2 = MakeTimer(this, 800);
    timer_Obj3 = MakeTimer(this, 1000);
}

// Each element's events go to the procedure named after it.
void form_Main::connectEvents()
{
    auto onMove = [this](MapMark* m, void (form_Main::*handler)(int)) {
        connect(m, &MapMark::moved, this, [this, handler](int index) { (this->*handler)(index); });
    };
    for (MapMark* m : img_Start)
        connect(m, &MapMark::clicked, this, &form_Main::img_Start_Click);
    for (MapMark* m : img_Goal)
        onMove(m, &form_Main::img_Goal_MouseMove);
    for (MapMark* m : img_Msg)
        onMove(m, &form_Main::img_Msg_MouseMove);
    for (MapMark* m : img_Car1)
        connect(m, &MapMark::clicked, this, &form_Main::img_Car1_Click);
    for (MapMark* m : img_Car2)
        onMove(m, &form_Main::img_Car2_MouseMove);
    for (MapMark* m : img_River)
        onMove(m, &form_Main::img_River_MouseMove);
    for (int i = 0; i < 3; ++i)
        onMove(img_Bridge[i], &form_Main::img_Bridge_MouseMove);
    connect(img_Rain, &MapMark::moved, this, [this] { img_Rain_MouseMove(); });
    connect(pic_Map, &MapBox::moved, this, &form_Main::pic_Map_MouseMove);
    connect(pic_Map, &MapBox::left, this, &form_Main::pic_Map_MouseLeave);
    connect(Nextbox, &ClickLabel::clicked, this, &form_Main::Nextbox_Click);
    connect(Command1, &QPushButton::clicked, this, &form_Main::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &form_Main::Command2_Click);
    connect(timer_Main, &QTimer::timeout, this, &form_Main::timer_Main_Timer);
    connect(timer_Obj1, &QTimer::timeout, this, &form_Main::timer_Obj1_Timer);
    connect(timer_Obj2, &QTimer::timeout, this, &form_Main::timer_Obj2_Timer);
    connect(timer_Obj3, &QTimer::timeout, this, &form_Main::timer_Obj3_Timer);
}
