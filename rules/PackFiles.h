// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#pragma once
// The files of a course pack come from strangers. A name is opened only after
// lstat says it is a plain file inside the pack, reached without a link at
// any step of its way: a FIFO would freeze the reader, a device may act on
// being opened, a link may lead anywhere.

#include <QByteArray>
#include <QString>

namespace course {

// Why `name` (relative, '/' between folders) cannot be read as a plain file of
// the pack in `folder`; empty when it can.
QString PlainFileProblem(const QString& folder, const QString& name);

struct FileBytes {
    QByteArray bytes;
    QString problem;  // empty when read whole
};

// The bytes of the plain file at `path`, of at most `most` bytes. A link, a
// folder, a FIFO, a device or a socket is refused and never waited on.
FileBytes ReadPlainFile(const QString& path, qint64 most);

// A text shown on one line: control characters as \n, \t or \xNN.
QString OneLine(const QString& text);

}  // namespace course
