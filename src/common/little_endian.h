#pragma once

#include <QByteArrayView>
#include <QtEndian>

namespace zorvel::common {

// The little-endian number at `offset` of the bytes of a file: pictures, sounds and help files all
// store theirs so. The caller has checked that it lies within `bytes`.
template <typename T>
T LittleEndianAt(QByteArrayView bytes, qint64 offset) {
    return qFromLittleEndian<T>(bytes.sliced(offset, sizeof(T)).data());
}

}  // namespace zorvel::common
