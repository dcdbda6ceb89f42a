// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#include "widgets/Notice.h"

#include <QMessageBox>

namespace look {

namespace {
NoticeHandler& Handler()
{
    static NoticeHandler handler;
    return handler;
}
}  // namespace

void ShowNotice(QWidget* parent, const QString& text)
{
    if (Handler()) {
        Handler()(parent, text);
        return;
    }
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Pokurimo"), text, QMessageBox::Ok, parent);
    box.exec();
}

void SetNoticeHandler(NoticeHandler handler)
{
    Handler() = std::move(handler);
}

}  // namespace look
