// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#include "Characters.h"

#include "Ink.h"

namespace art {
namespace {

const QColor kSkin(255, 212, 166);
const QColor kHair(118, 66, 36);
const QColor kShirt(236, 62, 58);
const QColor kShirtTrim(255, 214, 64);
const QColor kMouth(150, 30, 40);
const QColor kTongue(255, 120, 130);
const QColor kTear(120, 200, 255);
const QColor kPants(52, 92, 196);
const QColor kShoe(250, 250, 250);
const QColor kHeroGround(206, 234, 255);
const QColor kFriendGround(255, 226, 238);

QPainterPath HairShape() {
    QPainterPath fringe;
    fringe.moveTo(-5, -5);
    fringe.lineTo(105, -5);
    fringe.lineTo(105, 54);
    fringe.quadTo(86, 30, 72, 42);
    fringe.quadTo(62, 28, 50, 40);
    fringe.quadTo(38, 28, 28, 42);
    fringe.quadTo(14, 30, -5, 54);
    fringe.closeSubpath();
    QPainterPath cap = Ellipse(50, 56, 34, 34).intersected(fringe);

    QPainterPath spikes;
    spikes.moveTo(26, 32);
    spikes.quadTo(24, 18, 30, 8);
    spikes.quadTo(36, 20, 42, 24);
    spikes.quadTo(46, 10, 54, 2);
    spikes.quadTo(58, 16, 62, 24);
    spikes.quadTo(70, 16, 78, 12);
    spikes.quadTo(78, 24, 76, 34);
    spikes.closeSubpath();
    return cap.united(spikes).simplified();
}

void OpenEyes(QPainter& p, qreal lw, qreal whiteRx, qreal whiteRy, qreal pupil) {
    for (qreal cx : {39.0, 61.0}) {
        Outlined(p, Ellipse(cx, 58, whiteRx, whiteRy), kWhite, lw * 0.7);
        p.setPen(Qt::NoPen);
        p.setBrush(kInk);
        p.drawEllipse(QPointF(cx + 0.8, 59.5), pupil, pupil * 1.15);
        if (pupil > 2.5) {
            p.setBrush(kWhite);
            p.drawEllipse(QPointF(cx + 2.2, 57), pupil * 0.38, pupil * 0.38);
        }
    }
}

// Shut eyes: arcs bulging up (happy) or down (squeezed, crying).
void ShutEyes(QPainter& p, qreal lw, bool happy) {
    for (qreal cx : {39.0, 61.0}) {
        QPainterPath arc;
        arc.moveTo(cx - 7, 60);
        arc.quadTo(cx, happy ? 48 : 66, cx + 7, 60);
        InkStroke(p, arc, lw * 1.1);
    }
}

void Cheeks(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(kBlush);
    p.drawEllipse(QPointF(27, 70), 5.5, 3.2);
    p.drawEllipse(QPointF(73, 70), 5.5, 3.2);
}

// An open mouth between two corners with its lowest point at bottom; the tongue sits in it.
void OpenMouth(QPainter& p, qreal lw, qreal left, qreal right, qreal top, qreal bottom, bool teeth) {
    QPainterPath mouth;
    mouth.moveTo(left, top);
    mouth.lineTo(right, top);
    mouth.cubicTo(right - 2, bottom, left + 2, bottom, left, top);
    mouth.closeSubpath();
    Outlined(p, mouth, kMouth, lw * 0.8);
    p.save();
    p.setClipPath(mouth);
    p.setPen(Qt::NoPen);
    p.setBrush(kTongue);
    p.drawEllipse(QPointF((left + right) / 2, bottom + 1), (right - left) * 0.3, (bottom - top) * 0.45);
    if (teeth) {
        p.setBrush(kWhite);
        p.drawRect(QRectF(left, top, right - left, (bottom - top) * 0.22));
    }
    p.restore();
    Outlined(p, mouth, Qt::transparent, lw * 0.8);
}

void ClenchedTeeth(QPainter& p, qreal lw) {
    QPainterPath mouth;
    mouth.addRoundedRect(QRectF(35, 70, 30, 12), 4, 4);
    Outlined(p, mouth, kWhite, lw * 0.8);
    QPainterPath gaps;
    gaps.moveTo(35, 76);
    gaps.lineTo(65, 76);
    for (qreal x : {42.5, 50.0, 57.5}) {
        gaps.moveTo(x, 70);
        gaps.lineTo(x, 82);
    }
    InkStroke(p, gaps, lw * 0.5);
}

void Brows(QPainter& p, qreal lw, qreal innerY, qreal outerY) {
    QPainterPath brows;
    brows.moveTo(32, outerY);
    brows.lineTo(45, innerY);
    brows.moveTo(68, outerY);
    brows.lineTo(55, innerY);
    InkStroke(p, brows, lw);
}

void SweatDrop(QPainter& p, qreal lw, qreal cx, qreal cy) {
    QPainterPath drop;
    drop.moveTo(cx, cy - 8);
    drop.cubicTo(cx + 6, cy, cx + 5, cy + 6, cx, cy + 6);
    drop.cubicTo(cx - 5, cy + 6, cx - 6, cy, cx, cy - 8);
    Outlined(p, drop, kTear, lw * 0.7);
}

void Tears(QPainter& p, qreal lw) {
    for (qreal cx : {36.0, 64.0}) {
        const qreal side = cx < 50 ? -1 : 1;
        QPainterPath stream;
        stream.moveTo(cx, 63);
        stream.cubicTo(cx + side * 4, 74, cx + side * 2, 84, cx + side * 6, 96);
        EdgedStroke(p, stream, kTear, 5, lw * 0.35);
    }
    SweatDrop(p, lw, 20, 80);
    SweatDrop(p, lw, 81, 84);
}

void Face(QPainter& p, Mood mood, qreal lw) {
    switch (mood) {
    case Mood::Smile: {
        OpenEyes(p, lw, 6.5, 8.5, 4.2);
        Cheeks(p);
        QPainterPath smile;
        smile.moveTo(38, 72);
        smile.quadTo(50, 84, 62, 72);
        InkStroke(p, smile, lw * 1.1);
        break;
    }
    case Mood::Startled:
        OpenEyes(p, lw, 8.5, 10, 2.2);
        Brows(p, lw, 40, 43);
        ClenchedTeeth(p, lw);
        SweatDrop(p, lw, 84, 40);
        break;
    case Mood::Grin:
        ShutEyes(p, lw, true);
        Cheeks(p);
        OpenMouth(p, lw, 33, 67, 69, 90, true);
        break;
    case Mood::Cheer:
        OpenEyes(p, lw, 6.5, 8.5, 4.2);
        Brows(p, lw, 44, 44);
        Cheeks(p);
        OpenMouth(p, lw, 38, 62, 70, 88, false);
        break;
    case Mood::Cry:
        ShutEyes(p, lw, false);
        Brows(p, lw, 44, 49);
        {
            QPainterPath wail;
            wail.moveTo(38, 84);
            wail.quadTo(50, 64, 62, 84);
            wail.quadTo(50, 80, 38, 84);
            Outlined(p, wail, kMouth, lw * 0.8);
        }
        Tears(p, lw);
        break;
    }
}

// Shoulders and a T-shirt collar below the head, for the dialogue faces.
void Shoulders(QPainter& p, qreal lw) {
    QPainterPath shirt;
    shirt.moveTo(14, 130);
    shirt.cubicTo(16, 96, 30, 88, 50, 88);
    shirt.cubicTo(70, 88, 84, 96, 86, 130);
    shirt.closeSubpath();
    Outlined(p, shirt, kShirt, lw);
    QPainterPath collar;
    collar.moveTo(38, 89);
    collar.quadTo(50, 100, 62, 89);
    EdgedStroke(p, collar, kShirtTrim, 3, lw * 0.4);
}

// An arm from shoulder to a fist, as a thick sleeve-coloured stroke.
void Arm(QPainter& p, qreal lw, QPointF shoulder, QPointF elbow, QPointF fist, qreal fistRadius) {
    QPainterPath arm;
    arm.moveTo(shoulder);
    arm.quadTo(elbow, fist);
    EdgedStroke(p, arm, kSkin, fistRadius * 0.9, lw * 0.5);
    QPainterPath sleeve;
    sleeve.moveTo(shoulder);
    sleeve.lineTo(shoulder + (elbow - shoulder) * 0.35);
    EdgedStroke(p, sleeve, kShirt, fistRadius * 1.4, lw * 0.5);
    // A fist: a rounded block with finger creases on top and a thumb across.
    const qreal r = fistRadius;
    QPainterPath fistShape;
    fistShape.addRoundedRect(QRectF(fist.x() - r, fist.y() - r * 0.9, 2 * r, 1.8 * r), r * 0.6, r * 0.6);
    Outlined(p, fistShape, kSkin, lw);
    QPainterPath creases;
    for (qreal dx : {-0.33, 0.33}) {
        creases.moveTo(fist.x() + dx * r, fist.y() - r * 0.9);
        creases.lineTo(fist.x() + dx * r, fist.y() - r * 0.3);
    }
    creases.moveTo(fist.x() - r * 0.7, fist.y() + r * 0.15);
    creases.quadTo(fist.x(), fist.y() + r * 0.45, fist.x() + r * 0.5, fist.y() + r * 0.05);
    InkStroke(p, creases, lw * 0.55);
}

void Sparkle(QPainter& p, qreal lw, qreal cx, qreal cy, qreal r, const QColor& colour) {
    Outlined(p, Star(cx, cy, r, 0.4, 4), colour, lw * 0.6);
}

}  // namespace

void DrawHeroHead(QPainter& p, Mood mood, qreal lw) {
    Outlined(p, Ellipse(17, 58, 8, 9), kSkin, lw);
    Outlined(p, Ellipse(83, 58, 8, 9), kSkin, lw);
    Outlined(p, Ellipse(50, 56, 34, 34), kSkin, lw);
    Outlined(p, HairShape(), kHair, lw);
    Face(p, mood, lw);
}

QImage HeroFace(Mood mood) {
    QImage face = Canvas(130, 130, kHeroGround);
    QPainter p;
    BeginPainter(p, face);
    const qreal lw = 2.6;
    if (mood == Mood::Cheer) {
        Sparkle(p, lw, 64, 12, 7, kShirtTrim);
        Sparkle(p, lw, 110, 62, 5, kWhite);
        Sparkle(p, lw, 20, 64, 5, kWhite);
        p.translate(65 - 50 * 0.98, 30);
        p.scale(0.98, 0.98);
        Arm(p, lw, QPointF(26, 96), QPointF(0, 86), QPointF(2, 28), 11);
        Arm(p, lw, QPointF(74, 96), QPointF(100, 86), QPointF(98, 28), 11);
        Shoulders(p, lw);
        DrawHeroHead(p, mood, lw);
        return face;
    }
    p.translate(65 - 50 * 1.2, 4);
    p.scale(1.2, 1.2);
    Shoulders(p, lw);
    DrawHeroHead(p, mood, lw);
    return face;
}

QImage FriendFace() {
    const QColor body(168, 132, 236);
    const QColor belly(222, 206, 255);
    const QColor bulb(255, 224, 64);
    QImage face = Canvas(130, 130, kFriendGround);
    QPainter p;
    BeginPainter(p, face);
    const qreal lw = 3.1;

    QPainterPath stalk;
    stalk.moveTo(65, 24);
    stalk.quadTo(62, 12, 76, 8);
    InkStroke(p, stalk, lw);
    Outlined(p, Star(78, 9, 9), bulb, lw * 0.8);

    QPainterPath drop;
    drop.moveTo(65, 20);
    drop.cubicTo(98, 28, 122, 76, 114, 106);
    drop.quadTo(108, 134, 65, 134);
    drop.quadTo(22, 134, 16, 106);
    drop.cubicTo(8, 76, 32, 28, 65, 20);
    drop.closeSubpath();
    Outlined(p, drop, body, lw);
    p.setPen(Qt::NoPen);
    p.setBrush(belly);
    p.drawEllipse(QPointF(65, 112), 30, 20);

    for (qreal cx : {50.0, 80.0}) {
        p.setBrush(kInk);
        p.drawEllipse(QPointF(cx, 70), 6, 8.5);
        p.setBrush(kWhite);
        p.drawEllipse(QPointF(cx + 2, 66.5), 2.4, 2.4);
    }
    p.setBrush(kBlush);
    p.drawEllipse(QPointF(36, 84), 7, 4);
    p.drawEllipse(QPointF(94, 84), 7, 4);
    QPainterPath mouth;  // a small cat-like "w"
    mouth.moveTo(56, 84);
    mouth.quadTo(60.5, 91, 65, 85);
    mouth.quadTo(69.5, 91, 74, 84);
    InkStroke(p, mouth, lw * 0.8);

    for (qreal side : {-1.0, 1.0}) {
        QPainterPath arm;
        arm.moveTo(65 + side * 44, 98);
        arm.quadTo(65 + side * 58, 100, 65 + side * 56, 112);
        EdgedStroke(p, arm, body, 8, lw * 0.5);
    }
    return face;
}

QImage DialogueFace(int index) {
    switch (index) {
    case 1: return HeroFace(Mood::Smile);
    case 2: return HeroFace(Mood::Startled);
    case 3: return HeroFace(Mood::Grin);
    case 4: return FriendFace();
    case 5: return HeroFace(Mood::Cheer);
    default: return HeroFace(Mood::Cry);
    }
}

QImage TitleHero() {
    QImage hero = Canvas(180, 190);
    QPainter p;
    BeginPainter(p, hero);
    const qreal lw = 3.2;
    const qreal headScale = 1.12;

    // Legs mid-jump, body, arms, and the head on top of it all.
    QPainterPath legs;
    legs.moveTo(72, 150);
    legs.quadTo(58, 164, 44, 170);
    legs.moveTo(98, 150);
    legs.quadTo(108, 166, 112, 178);
    EdgedStroke(p, legs, kPants, 15, lw * 0.5);
    Outlined(p, Ellipse(38, 170, 13, 8), kShoe, lw);
    Outlined(p, Ellipse(118, 180, 14, 8), kShoe, lw);

    Arm(p, lw, QPointF(62, 112), QPointF(30, 104), QPointF(24, 60), 12);
    Arm(p, lw, QPointF(108, 112), QPointF(140, 128), QPointF(152, 104), 12);

    QPainterPath body;
    body.moveTo(58, 146);
    body.cubicTo(52, 112, 64, 98, 85, 98);
    body.cubicTo(106, 98, 118, 112, 112, 146);
    body.closeSubpath();
    Outlined(p, body, kShirt, lw);
    QPainterPath shorts;
    shorts.addRoundedRect(QRectF(58, 138, 54, 20), 7, 7);
    Outlined(p, shorts, kPants, lw);
    Outlined(p, Star(85, 122, 10), kShirtTrim, lw * 0.6);

    p.save();
    p.translate(85 - 50 * headScale, 0);
    p.scale(headScale, headScale);
    DrawHeroHead(p, Mood::Grin, lw / headScale);
    p.restore();

    Sparkle(p, lw, 150, 30, 9, kShirtTrim);
    Sparkle(p, lw, 158, 64, 5, kWhite);
    Sparkle(p, lw, 14, 22, 6, kWhite);
    return hero;
}

QImage HeroHeadIcon(int size, bool smooth) {
    QImage icon = Canvas(size, size);
    QPainter p;
    BeginPainter(p, icon, smooth);
    // The head spans about x 8..92 and y 2..90 of its box: centre it.
    const qreal scale = size / 88.0;
    p.translate(size / 2.0 - 50 * scale, size / 2.0 - 47 * scale);
    p.scale(scale, scale);
    const qreal lw = size <= 16 ? 6.0 : size <= 32 ? 4.2 : 3.0;
    DrawHeroHead(p, Mood::Smile, lw);
    return icon;
}

QImage AppIcon(int size, bool roundedCorners) {
    QImage icon = Canvas(size, size);
    QPainter p;
    BeginPainter(p, icon, size > 16);
    const qreal edge = qMax<qreal>(1.0, size / 32.0);
    QPainterPath tile;
    const QRectF inner(edge / 2, edge / 2, size - edge, size - edge);
    if (roundedCorners) tile.addRoundedRect(inner, size * 0.2, size * 0.2);
    else tile.addRect(inner);
    Outlined(p, tile, QColor(96, 186, 255), edge);
    const QImage head = HeroHeadIcon(size, size > 16);
    p.drawImage(0, 0, head);
    return icon;
}

QImage PointerHead() {
    QImage pointer = HeroHeadIcon(32, false);
    QPainter p(&pointer);
    // The hot spot: a white cross with a red centre pixel at (16, 16).
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawRect(13, 15, 7, 3);
    p.drawRect(15, 13, 3, 7);
    p.setBrush(kWhite);
    p.drawRect(14, 16, 5, 1);
    p.drawRect(16, 14, 1, 5);
    p.setBrush(QColor(230, 20, 30));
    p.drawRect(16, 16, 1, 1);
    return pointer;
}

}  // namespace art
