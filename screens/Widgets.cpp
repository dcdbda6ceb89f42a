#include "screens/Widgets.h"

#include "screens/Look.h"

#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

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
    const QPointF p = event->position();
    Q_EMIT moved(m_index, event->buttons(), event->modifiers(), static_cast<float>(p.x()),
                 static_cast<float>(p.y()));
}

void MapMark::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() == Qt::LeftButton)
        m_pressed = true;
}

void MapMark::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    if (click)
        Q_EMIT clicked(m_index);
}

void MapMark::mouseDoubleClickEvent(QMouseEvent* event)
{
    event->accept();  // a double click counts as a press, like the first
    if (event->button() == Qt::LeftButton)
        m_pressed = true;
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
    if (watched == m_surface && event->type() == QEvent::MouseMove) {
        auto* move = static_cast<QMouseEvent*>(event);
        const QPointF p = move->position();
        Q_EMIT moved(move->buttons(), move->modifiers(), static_cast<float>(p.x()), static_cast<float>(p.y()));
        return true;
    }
    return PictureBox::eventFilter(watched, event);
}

void ClickLabel::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    m_pressed = event->button() == Qt::LeftButton;
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    if (click)
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

void EnableTimer(QTimer* timer)
{
    if (!timer->isActive())
        timer->start();
}
