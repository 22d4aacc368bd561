#include "wave_header.h"

#include <QtEndian>
#include <cstdint>

namespace zorvel::ui {
namespace {

constexpr qint64 kRiffHeaderSize = 12;
constexpr qint64 kChunkHeaderSize = 8;
constexpr qint64 kFormatSize = 16;  // the PCM format description

}  // namespace

bool IsCompleteWave(QByteArrayView bytes) {
    if (bytes.size() < kRiffHeaderSize || !bytes.startsWith("RIFF") ||
        bytes.sliced(8, 4) != QByteArrayView("WAVE"))
        return false;
    bool formatSeen = false;
    qint64 at = kRiffHeaderSize;
    while (at + kChunkHeaderSize <= bytes.size()) {
        const QByteArrayView id = bytes.sliced(at, 4);
        const qint64 size = qFromLittleEndian<std::uint32_t>(bytes.sliced(at + 4, 4).data());
        const qint64 body = at + kChunkHeaderSize;
        const bool complete = body + size <= bytes.size();
        if (id == QByteArrayView("fmt ")) {
            formatSeen = size >= kFormatSize && complete;
        } else if (id == QByteArrayView("data")) {
            return formatSeen && size > 0 && complete;
        }
        at = body + size + size % 2;  // chunks keep an even length
    }
    return false;
}

}  // namespace zorvel::ui
