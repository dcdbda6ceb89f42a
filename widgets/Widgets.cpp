// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#include "widgets/Widgets.h"

#include "widgets/Look.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

namespace {
// While a button is held the widget under the press keeps the pointer, wherever
// it goes. A run must still be judged where the pointer really is: a move that
// has left the grabbing widget goes to whatever lies under it on the map.
// Returns false when the move is the grabber's own.
bool ForwardDraggedMove(QWidget* grabber, QWidget* surface, QMouseEvent* event)
{
    if (event->buttons() == Qt::NoButton || grabber->rect().contains(event->position().toPoint()))
        return false;
    const QPointF onSurface = grabber->mapTo(surface, event->position());
    QWidget* target = surface->childAt(onSurface.toPoint());
    if (!target)
        target = surface;
    if (target == grabber)
        return false;
    SendMove(target, surface, onSurface, *event);
    return true;
}
}  // namespace

void SendMove(QWidget* target, QWidget* surface, QPointF onSurface, const QMouseEvent& original)
{
    QMouseEvent moved(QEvent::MouseMove, target->mapFrom(surface, onSurface), original.globalPosition(), Qt::NoButton,
                      original.buttons(), original.modifiers());
    QCoreApplication::sendEvent(target, &moved);
}

void ClickTracker::press(const QMouseEvent& event)
{
    m_pressed = event.button() == Qt::LeftButton;
}

bool ClickTracker::release(const QMouseEvent& event, const QRect& inside)
{
    const bool click = m_pressed && event.button() == Qt::LeftButton && inside.contains(event.position().toPoint());
    m_pressed = false;
    return click;
}

MapMark::MapMark(int index, const QRect& geometry, QWidget* parent) : QWidget(parent), m_index(index)
{
    setGeometry(geometry);
    setMouseTracking(true);
    setAttribute(Qt::WA_NoMousePropagation);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
}

void MapMark::setPicture(const QPixmap& picture)
{
    m_picture = picture;
    update();
}

void MapMark::paintEvent(QPaintEvent*)
{
    if (m_picture.isNull())
        return;
    QPainter(this).drawPixmap(0, 0, m_picture);
}

void MapMark::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
    if (parentWidget() && ForwardDraggedMove(this, parentWidget(), event))
        return;
    reportMove(event->position(), event->buttons(), event->modifiers());
}

void MapMark::reportMove(QPointF at, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers)
{
    Q_EMIT moved(m_index, buttons, modifiers, static_cast<float>(at.x()), static_cast<float>(at.y()));
}

void MapMark::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    m_click.press(*event);
}

void MapMark::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    if (m_click.release(*event, rect()))
        Q_EMIT clicked(m_index, event->position());
}

void MapMark::mouseDoubleClickEvent(QMouseEvent* event)
{
    event->accept();
    m_click.doubleClick();
}

void MapMark::wheelEvent(QWheelEvent* event)
{
    event->accept();
}

PictureBox::PictureBox(const QRect& geometry, bool sunkenBorder, QWidget* parent) : QFrame(parent)
{
    setGeometry(geometry);
    if (sunkenBorder) {
        setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
        setLineWidth(2);
    }
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void PictureBox::setPicture(const QPixmap& picture)
{
    m_picture = picture;
    update(contentsRect());
}

void PictureBox::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    if (m_picture.isNull())
        return;
    QPainter p(this);
    p.setClipRect(contentsRect());
    p.drawPixmap(contentsRect().topLeft(), m_picture);
}

MapBox::MapBox(const QRect& geometry, QWidget* parent) : PictureBox(geometry, true, parent), m_surface(new QWidget(this))
{
    m_surface->setGeometry(contentsRect());
    m_surface->setMouseTracking(true);
    m_surface->setAttribute(Qt::WA_NoSystemBackground);
    m_surface->installEventFilter(this);
    setFocusPolicy(Qt::StrongFocus);
}

bool MapBox::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_surface && event->type() == QEvent::Leave)
        Q_EMIT left();  // onto a mark is no leave: the marks lie inside the surface
    if (watched == m_surface && event->type() == QEvent::MouseMove) {
        auto* move = static_cast<QMouseEvent*>(event);
        if (move->buttons() != Qt::NoButton) {
            // Dragged from the bare map over a mark: the mark takes the move.
            QWidget* over = m_surface->childAt(move->position().toPoint());
            if (over && over->isVisible()) {
                SendMove(over, m_surface, move->position(), *move);
                return true;
            }
        }
        const QPointF p = move->position();
        Q_EMIT moved(move->buttons(), move->modifiers(), static_cast<float>(p.x()), static_cast<float>(p.y()));
        return true;
    }
    return PictureBox::eventFilter(watched, event);
}

void ClickLabel::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    m_click.press(*event);
}

void ClickLabel::mouseDoubleClickEvent(QMouseEvent* event)
{
    event->accept();  // as on a mark: a quick double click reads one line, not two
    m_click.doubleClick();
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    if (m_click.release(*event, rect()))
        Q_EMIT clicked();
}

QLabel* MakeLabel(QWidget* parent, const QRect& geometry, const QString& text, int fontPixels,
                  Qt::Alignment horizontal)
{
    auto* label = new QLabel(text, parent);
    label->setGeometry(geometry);
    label->setFont(look::CaptionFont(fontPixels));
    label->setAlignment(horizontal | Qt::AlignTop);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QPushButton* MakeButton(QWidget* parent, const QRect& geometry, const QString& text, int fontPixels,
                        const QString& tip)
{
    auto* button = new QPushButton(text, parent);
    button->setGeometry(geometry);
    button->setFont(look::CaptionFont(fontPixels));
    button->setToolTip(tip);
    button->setAutoDefault(false);
    return button;
}

void EnableTimer(QTimer* timer)
{
    if (!timer->isActive())
        timer->start();
}

void NameElements(std::initializer_list<std::pair<QWidget*, const char*>> named)
{
    for (const auto& [element, name] : named)
        if (element)
            element->setObjectName(QLatin1String(name));
}

QString ListedName(const char* list, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(list)).arg(index);
}
