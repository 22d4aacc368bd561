#include "chm_directory.h"

#include <climits>

#include "little_endian.h"

namespace zorvel::help::chm {
namespace {

constexpr qint64 kFreeSpaceAt = 0x04;  // in either kind of chunk
constexpr qint64 kNextListChunkAt = 0x10;
constexpr qint64 kListEntriesAt = 0x14;
constexpr qint64 kIndexEntriesAt = 0x08;
constexpr int kMaxEncodedIntLength = 9;

// A number as the directory stores it: seven bits a byte, the most significant first.
std::optional<std::uint64_t> ReadEncodedInt(QByteArrayView bytes, qint64& at) {
    std::uint64_t value = 0;
    for (int length = 0; at < bytes.size() && length < kMaxEncodedIntLength; ++length) {
        const auto byte = static_cast<std::uint8_t>(bytes[at++]);
        value = value << 7 | (byte & 0x7f);
        if ((byte & 0x80) == 0) return value;
    }
    return std::nullopt;
}

// The entries of a chunk, up to its free space at the end, as the library bounds them.
QByteArrayView Entries(QByteArrayView chunk, qint64 first) {
    const auto freeSpace = common::LittleEndianAt<std::uint32_t>(chunk, kFreeSpaceAt);
    if (freeSpace > static_cast<std::uint64_t>(chunk.size() - first)) return {};
    return chunk.first(chunk.size() - freeSpace);
}

// An entry's name, after which `at` stands on the rest of the entry.
std::optional<QByteArray> ReadName(QByteArrayView entries, qint64& at) {
    const auto length = ReadEncodedInt(entries, at);
    if (!length || *length > static_cast<std::uint64_t>(entries.size() - at)) return std::nullopt;
    const QByteArray name = entries.sliced(at, static_cast<qint64>(*length)).toByteArray();
    at += static_cast<qint64>(*length);
    return name;
}

}  // namespace

QByteArray Chunks::At(qint64 number) const {
    if (number < 0 || number >= count_ || !file_.seek(first_ + number * size_)) return {};
    QByteArray chunk = file_.read(size_);
    return chunk.size() == size_ ? chunk : QByteArray();
}

qint64 NextListChunk(QByteArrayView chunk) {
    return common::LittleEndianAt<std::int32_t>(chunk, kNextListChunkAt);
}

std::vector<qint64> IndexChildren(QByteArrayView chunk) {
    std::vector<qint64> children;
    const QByteArrayView entries = Entries(chunk, kIndexEntriesAt);
    for (qint64 at = kIndexEntriesAt; at < entries.size();) {
        const auto child = ReadName(entries, at) ? ReadEncodedInt(entries, at) : std::nullopt;
        if (!child) break;
        if (*child <= static_cast<std::uint64_t>(INT32_MAX))
            children.push_back(static_cast<qint64>(*child));
    }
    return children;
}

std::vector<ListEntry> ListEntries(QByteArrayView chunk) {
    std::vector<ListEntry> found;
    const QByteArrayView entries = Entries(chunk, kListEntriesAt);
    for (qint64 at = kListEntriesAt; at < entries.size();) {
        const auto name = ReadName(entries, at);
        const auto section = name ? ReadEncodedInt(entries, at) : std::nullopt;
        const auto start = section ? ReadEncodedInt(entries, at) : std::nullopt;
        const auto length = start ? ReadEncodedInt(entries, at) : std::nullopt;
        if (!length) break;
        found.push_back({*name, *section, *start, *length});
    }
    return found;
}

}  // namespace zorvel::help::chm
