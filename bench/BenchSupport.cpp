// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#include "BenchSupport.h"

#include <QImageReader>

namespace bench {

QImage LoadCourse(int stage)
{
    QImageReader reader(QStringLiteral(POKURIMO_APP_FOLDER "/dat/map%1.dat").arg(stage));
    reader.setDecideFormatFromContent(true);
    return reader.read().convertToFormat(QImage::Format_RGB32);
}

}  // namespace bench
