// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#include "play/ReplayControls.h"

#include "widgets/Look.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QWidget>

#include <algorithm>

namespace {

QPushButton* Button(QWidget* bar, const char* name, const QString& caption, const QString& tip)
{
    auto* button = new QPushButton(caption, bar);
    button->setObjectName(QLatin1String(name));
    button->setToolTip(tip);
    button->setFocusPolicy(Qt::NoFocus);  // Space and the arrows belong to the watch
    button->setFixedWidth(34);
    return button;
}

QString Seconds(std::int64_t ms)
{
    return QString::number(ms / 1000.0, 'f', 1);
}

}  // namespace

ReplayControls::ReplayControls(QWidget* screen, int top, std::int64_t lengthMs) : QObject(screen), m_length(std::max<std::int64_t>(lengthMs, 0))
{
    m_since.start();
    build(screen, top);
    showPosition();
}

void ReplayControls::build(QWidget* screen, int top)
{
    auto* bar = new QWidget(screen);
    bar->setObjectName(QStringLiteral("replayBar"));
    bar->setGeometry(0, top, screen->width(), kHeight);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(4, 2, 4, 2);
    row->setSpacing(3);
    QPushButton* restartButton = Button(bar, "replayRestart", QStringLiteral("⏮"), tr("はじめから"));
    QPushButton* back = Button(bar, "replayBack", QStringLiteral("«5"), tr("5秒もどる（←キー）"));
    m_pause = Button(bar, "replayPause", QStringLiteral("⏸"), tr("止める・つづける（スペースキー）"));
    QPushButton* on = Button(bar, "replayForward", QStringLiteral("5»"), tr("5秒すすむ（→キー）"));
    m_seek = new QSlider(Qt::Horizontal, bar);
    m_seek->setObjectName(QStringLiteral("replaySeek"));
    m_seek->setRange(0, static_cast<int>(m_length));
    m_seek->setFocusPolicy(Qt::NoFocus);
    m_seek->setToolTip(tr("走りの好きなところへ"));
    m_time = new QLabel(bar);
    m_time->setObjectName(QStringLiteral("replayTime"));
    m_time->setFont(look::CaptionFont(look::k9_75pt));
    m_time->setMinimumWidth(m_time->fontMetrics().horizontalAdvance(QStringLiteral("888.8/888.8")));
    m_speedChooser = new QComboBox(bar);
    m_speedChooser->setObjectName(QStringLiteral("replaySpeed"));
    m_speedChooser->setFocusPolicy(Qt::NoFocus);
    m_speedChooser->setToolTip(tr("見る速さ"));
    for (const auto& [caption, speed] : {std::pair{"½×", 0.5}, std::pair{"1×", 1.0}, std::pair{"2×", 2.0}})
        m_speedChooser->addItem(QString::fromUtf8(caption), speed);
    m_speedChooser->setCurrentIndex(1);
    for (QWidget* w : std::initializer_list<QWidget*>{restartButton, back, m_pause, on})
        row->addWidget(w);
    row->addWidget(m_seek, 1);
    row->addWidget(m_time);
    row->addWidget(m_speedChooser);
    connect(restartButton, &QPushButton::clicked, this, &ReplayControls::restart);
    connect(back, &QPushButton::clicked, this, [this] { skip(-kSkipMs); });
    connect(on, &QPushButton::clicked, this, [this] { skip(kSkipMs); });
    connect(m_pause, &QPushButton::clicked, this, &ReplayControls::togglePause);
    connect(m_seek, &QSlider::sliderMoved, this, [this](int ms) { seek(ms); });
    connect(m_speedChooser, &QComboBox::activated, this, [this](int index) { setSpeed(m_speedChooser->itemData(index).toDouble()); });
}

std::int64_t ReplayControls::position() const
{
    if (m_paused)
        return m_base;
    return std::min(m_length, m_base + static_cast<std::int64_t>(static_cast<double>(m_since.elapsed()) * m_speed));
}

void ReplayControls::togglePause()
{
    m_base = position();
    m_paused = !m_paused;
    m_since.restart();
    showPosition();
}

void ReplayControls::seek(std::int64_t ms)
{
    m_base = std::clamp<std::int64_t>(ms, 0, m_length);
    m_since.restart();
    showPosition();
    Q_EMIT seeked(m_base);
}

void ReplayControls::setSpeed(double speed)
{
    m_base = position();
    m_since.restart();
    m_speed = speed;
    m_speedChooser->setCurrentIndex(m_speedChooser->findData(speed));
}

void ReplayControls::showPosition()
{
    const std::int64_t at = position();
    m_pause->setText(m_paused ? QStringLiteral("▶") : QStringLiteral("⏸"));
    if (!m_seek->isSliderDown())
        m_seek->setValue(static_cast<int>(at));
    m_time->setText(QStringLiteral("%1/%2").arg(Seconds(at), Seconds(m_length)));
}
