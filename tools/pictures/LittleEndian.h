#pragma once
// Little-endian fields of the Windows picture formats (BMP, ICO).

#include <QByteArray>
#include <QtEndian>

namespace art {

inline void PutU16(QByteArray& out, int value)
{
    const quint16 v = qToLittleEndian(quint16(value));
    out.append(reinterpret_cast<const char*>(&v), 2);
}

inline void PutU32(QByteArray& out, qint64 value)
{
    const quint32 v = qToLittleEndian(quint32(value));
    out.append(reinterpret_cast<const char*>(&v), 4);
}

}  // namespace art
