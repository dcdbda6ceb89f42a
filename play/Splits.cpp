// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#include "play/Splits.h"

#include "widgets/Look.h"

#include <cstdlib>

namespace {
constexpr int kShownMs = 2000;
const QColor kGainedGreen(0, 150, 0);
const QColor kLostRed(210, 0, 0);
}  // namespace

QString SplitText(std::int64_t differenceMs)
{
    const std::int64_t tenths = (std::llabs(differenceMs) + 50) / 100;
    const QString sign = tenths == 0 ? QStringLiteral("±") : (differenceMs < 0 ? QStringLiteral("\u2212") : QStringLiteral("+"));
    return sign + QStringLiteral("%1.%2").arg(tenths / 10).arg(tenths % 10);
}

SplitLabel::SplitLabel(QWidget* playScreen) : QLabel(playScreen)
{
    setGeometry(look::Twips(120, 5820, 1560, 420));
    setFont(look::CaptionFont(20));
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setTextFormat(Qt::PlainText);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
    m_shown.setSingleShot(true);
    m_shown.setInterval(kShownMs);
    connect(&m_shown, &QTimer::timeout, this, &QWidget::hide);
}

void SplitLabel::showDifference(std::int64_t differenceMs)
{
    const QString text = SplitText(differenceMs);
    m_gained = !text.startsWith(QLatin1Char('+'));
    look::PaintText(this, m_gained ? kGainedGreen : kLostRed);
    setText(text);
    raise();
    show();
    m_shown.start();
}
