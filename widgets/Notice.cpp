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
    // Over `parent` and gone with it, or on its own until the player closes it.
    auto* box = new QMessageBox(QMessageBox::Warning, QStringLiteral("Pokurimo"), text, QMessageBox::Ok, parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

void SetNoticeHandler(NoticeHandler handler)
{
    Handler() = std::move(handler);
}

}  // namespace look
