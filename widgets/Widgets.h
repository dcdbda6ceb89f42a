// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#pragma once
// The small widget kinds the screens are built of.

#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QWidget>
#include <initializer_list>
#include <utility>

class QMouseEvent;

// A left press and release inside the widget make a click. The second press
// of a double click is a double click, not a click: a double click acts once.
class ClickTracker {
public:
    void press(const QMouseEvent& event);
    bool release(const QMouseEvent& event, const QRect& inside);  // true for a click
    void doubleClick() { m_pressed = false; }

private:
    bool m_pressed = false;
};

// A pointer move sent on to `target`, at `onSurface` in `surface`'s pixels:
// while a button is held, a move goes where the pointer is, not to the grabber.
void SendMove(QWidget* target, QWidget* surface, QPointF onSurface, const QMouseEvent& original);

// An image mark lying on the course map: a start or goal zone, a checkpoint
// bar or a hazard. Without a picture it draws nothing but still takes the
// pointer. A shown mark swallows every pointer event inside it, so nothing
// falls through to the map below; a hidden one receives nothing. A double
// click reports one click, not two.
class MapMark : public QWidget {
    Q_OBJECT
public:
    MapMark(int index, const QRect& geometry, QWidget* parent);

    int index() const { return m_index; }
    void setPicture(const QPixmap& picture);  // the mark keeps its size
    const QPixmap& picture() const { return m_picture; }
    void setTop(int top) { move(x(), top); }
    // Reports a pointer move at `at` (the mark's own pixels), as a move landing there does.
    void reportMove(QPointF at, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);

Q_SIGNALS:
    void moved(int index, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, float x, float y);
    void clicked(int index, QPointF at);  // released at `at`, the mark's own pixels

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    int m_index;
    QPixmap m_picture;
    ClickTracker m_click;
};

// A picture box: an optional sunken 2 px border around a picture drawn unscaled
// from the inner top-left corner.
class PictureBox : public QFrame {
    Q_OBJECT
public:
    PictureBox(const QRect& geometry, bool sunkenBorder, QWidget* parent);
    void setPicture(const QPixmap& picture);
    void clearPicture() { setPicture(QPixmap()); }
    const QPixmap& picture() const { return m_picture; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_picture;
};

// The course map box. Its marks lie on `surface()`, whose origin is the map's
// inner top-left corner; pointer moves over the bare map come out of `moved`
// in map pixels, as floats, and the pointer leaving the map (marks included)
// comes out of `left`.
class MapBox : public PictureBox {
    Q_OBJECT
public:
    MapBox(const QRect& geometry, QWidget* parent);
    QWidget* surface() const { return m_surface; }

Q_SIGNALS:
    void moved(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, float x, float y);
    void left();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_surface;
};

// A label that reports clicks (the "next line" hint); a double click is one click.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

Q_SIGNALS:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    ClickTracker m_click;
};

// A plain text label drawn from the top-left of its box, as every caption is.
QLabel* MakeLabel(QWidget* parent, const QRect& geometry, const QString& text, int fontPixels,
                  Qt::Alignment horizontal = Qt::AlignLeft);

// A push button in the caption font that never presses itself on Enter.
class QPushButton;
QPushButton* MakeButton(QWidget* parent, const QRect& geometry, const QString& text, int fontPixels,
                        const QString& tip = QString());

// Gives each element its name as its object name, by which tests and tools
// find it; a null element (one the layout left out) is passed over.
void NameElements(std::initializer_list<std::pair<QWidget*, const char*>> named);
// The name of the element at `index` of a list: "nameEdits(2)".
QString ListedName(const char* list, int index);

class QTimer;
// Switches a timer on as the layout's Enabled flag does: an enabled timer keeps its beat.
void EnableTimer(QTimer* timer);
