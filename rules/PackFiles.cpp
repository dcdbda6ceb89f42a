// SPDX-FileCopyrightText: 2026 The Pokurimo developers
// SPDX-License-Identifier: MIT

#include "rules/PackFiles.h"

#include <QFile>
#include <QStringList>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace course {

namespace {

QString Kind(mode_t mode)
{
    if (S_ISLNK(mode))
        return QStringLiteral("a link; a pack holds its files itself");
    if (S_ISDIR(mode))
        return QStringLiteral("a folder, not a file");
    if (S_ISFIFO(mode))
        return QStringLiteral("a FIFO, not a plain file");
    if (S_ISSOCK(mode))
        return QStringLiteral("a socket, not a plain file");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QStringLiteral("a device, not a plain file");
    return QStringLiteral("not a plain file");
}

// Closes the descriptor whatever way the reading ends.
class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

}  // namespace

QString PlainFileProblem(const QString& folder, const QString& name)
{
    const QStringList steps = name.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString path = folder;
    for (qsizetype i = 0; i < steps.size(); ++i) {
        path += QLatin1Char('/') + steps[i];
        struct stat info {};
        if (::lstat(QFile::encodeName(path).constData(), &info) != 0)
            return QStringLiteral("no such file in the pack");
        const bool last = i + 1 == steps.size();
        if (last ? S_ISREG(info.st_mode) : S_ISDIR(info.st_mode))
            continue;
        const QString what = last ? Kind(info.st_mode) : (S_ISLNK(info.st_mode) ? Kind(info.st_mode) : QStringLiteral("not a folder"));
        return last ? QStringLiteral("is %1").arg(what) : QStringLiteral("\"%1\" on its way is %2").arg(OneLine(steps[i]), what);
    }
    return steps.isEmpty() ? QStringLiteral("no file named") : QString();
}

FileBytes ReadPlainFile(const QString& path, qint64 most)
{
    FileBytes file;
    const QByteArray name = QFile::encodeName(path);
    struct stat before {};
    if (::lstat(name.constData(), &before) != 0) {
        file.problem = QStringLiteral("missing or cannot be read");
        return file;
    }
    if (!S_ISREG(before.st_mode)) {
        file.problem = QStringLiteral("is %1").arg(Kind(before.st_mode));
        return file;
    }
    // Opened without following a link and without waiting; then it must be the file lstat saw.
    const Descriptor fd(::open(name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat opened {};
    if (fd.get() < 0 || ::fstat(fd.get(), &opened) != 0 || !S_ISREG(opened.st_mode) || opened.st_ino != before.st_ino ||
        opened.st_dev != before.st_dev) {
        file.problem = QStringLiteral("cannot be read");
        return file;
    }
    if (opened.st_size > most) {
        file.problem = QStringLiteral("%1 bytes, more than %2").arg(opened.st_size).arg(most);
        return file;
    }
    file.bytes.resize(static_cast<qsizetype>(opened.st_size));
    qsizetype done = 0;
    while (done < file.bytes.size()) {
        const ssize_t n = ::read(fd.get(), file.bytes.data() + done, static_cast<std::size_t>(file.bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        done += n;
    }
    file.bytes.truncate(done);  // a file cut while it was read is judged as it was read
    return file;
}

QString OneLine(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        if (c == QLatin1Char('\n'))
            out += QStringLiteral("\\n");
        else if (c == QLatin1Char('\t'))
            out += QStringLiteral("\\t");
        else if (c.category() == QChar::Other_Control || c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            out += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            out += c;
    }
    return out;
}

}  // namespace course
