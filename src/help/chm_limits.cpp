#include "chm_limits.h"

#include <QtEndian>
#include <algorithm>
#include <climits>
#include <optional>
#include <utility>
#include <vector>

namespace zorvel::help {
namespace {

constexpr qint64 kFileHeaderSize = 0x58;       // "ITSF" header, version 2 and 3
constexpr qint64 kDirectoryOffsetAt = 0x48;    // in the file header
constexpr qint64 kDirectoryHeaderSize = 0x54;  // "ITSP" header
constexpr qint64 kDirectoryHeaderSizeAt = 0x08;
constexpr qint64 kChunkSizeAt = 0x10;  // in the directory header
constexpr qint64 kIndexRootAt = 0x1C;
constexpr qint64 kFirstListChunkAt = 0x20;
constexpr qint64 kChunkCountAt = 0x2C;
constexpr qint64 kNextListChunkAt = 0x10;  // in a list chunk ("PMGL")
constexpr qint64 kIndexEntriesAt = 0x08;   // in an index chunk ("PMGI")
constexpr qint64 kFreeSpaceAt = 0x04;      // in either
constexpr qint64 kMinChunkSize = 0x20;     // room for a chunk's header
constexpr qint64 kResetTableSize = 0x28;
constexpr qint64 kBlockSizeAt = 0x20;  // in the reset table

template <typename T>
T Read(QByteArrayView bytes, qint64 offset) {
    return qFromLittleEndian<T>(bytes.sliced(offset, sizeof(T)).data());
}

// The directory's chunks as the library addresses them: by number, each chunkSize bytes long.
class Chunks {
  public:
    Chunks(QIODevice& file, qint64 first, qint64 size, qint64 count)
        : file_(file), first_(first), size_(size), count_(count) {}

    qint64 count() const { return count_; }
    // Chunk `number`, or nothing when it is not wholly in the file.
    QByteArray at(qint64 number) const {
        if (number < 0 || number >= count_ || !file_.seek(first_ + number * size_)) return {};
        QByteArray chunk = file_.read(size_);
        return chunk.size() == size_ ? chunk : QByteArray();
    }

  private:
    QIODevice& file_;
    qint64 first_;
    qint64 size_;
    qint64 count_;
};

// A number as the directory stores it: seven bits a byte, the most significant first.
std::optional<std::uint64_t> ReadEncodedInt(QByteArrayView bytes, qint64& at) {
    std::uint64_t value = 0;
    for (int length = 0; at < bytes.size() && length < 9; ++length) {
        const auto byte = static_cast<std::uint8_t>(bytes[at++]);
        value = value << 7 | (byte & 0x7f);
        if ((byte & 0x80) == 0) return value;
    }
    return std::nullopt;
}

// The chunks an index chunk leads to, as the library reads its entries: a name and a number each.
std::vector<qint64> IndexChildren(QByteArrayView chunk) {
    std::vector<qint64> children;
    const auto freeSpace = Read<std::uint32_t>(chunk, kFreeSpaceAt);
    if (freeSpace > static_cast<std::uint64_t>(chunk.size() - kIndexEntriesAt)) return children;
    const QByteArrayView entries = chunk.first(chunk.size() - freeSpace);
    qint64 at = kIndexEntriesAt;
    while (at < entries.size()) {
        const auto nameLength = ReadEncodedInt(entries, at);
        if (!nameLength || *nameLength > static_cast<std::uint64_t>(entries.size() - at)) break;
        at += static_cast<qint64>(*nameLength);
        const auto child = ReadEncodedInt(entries, at);
        if (!child) break;
        if (*child <= static_cast<std::uint64_t>(INT32_MAX))
            children.push_back(static_cast<qint64>(*child));
    }
    return children;
}

// The list of entry chunks must end (at -1) before it could have visited every chunk.
bool ListEnds(const Chunks& chunks, qint64 first) {
    qint64 chunk = first;
    for (qint64 steps = 0; chunk != -1; ++steps) {
        const QByteArray list = chunks.at(chunk);
        if (steps >= chunks.count() || !list.startsWith("PMGL")) return false;
        chunk = Read<std::int32_t>(list, kNextListChunkAt);
    }
    return true;
}

// No index chunk may lead back to itself: a depth-first walk that remembers what it finished.
bool IndexHasNoCycle(const Chunks& chunks, qint64 root) {
    enum class State { New, Open, Done };
    std::vector<State> state(static_cast<std::size_t>(chunks.count()), State::New);
    std::vector<std::pair<qint64, std::vector<qint64>>> path;
    const auto enter = [&](qint64 number) {
        const QByteArray chunk = chunks.at(number);
        if (!chunk.startsWith("PMGI")) return;  // a list chunk, or one the library cannot use
        state[number] = State::Open;
        path.emplace_back(number, IndexChildren(chunk));
    };
    if (root >= 0 && root < chunks.count()) enter(root);
    while (!path.empty()) {
        auto& [number, children] = path.back();
        if (children.empty()) {
            state[number] = State::Done;
            path.pop_back();
            continue;
        }
        const qint64 child = children.back();
        children.pop_back();
        if (child >= chunks.count()) continue;
        if (state[child] == State::Open) return false;
        if (state[child] == State::New) enter(child);
    }
    return true;
}

}  // namespace

bool ChmDirectoryIsSane(QIODevice& file) {
    const QByteArray header = file.read(kFileHeaderSize);
    if (header.size() != kFileHeaderSize || !header.startsWith("ITSF")) return false;
    const auto directoryOffset = Read<std::uint64_t>(header, kDirectoryOffsetAt);
    if (directoryOffset > static_cast<std::uint64_t>(file.size()) ||
        !file.seek(static_cast<qint64>(directoryOffset)))
        return false;
    const QByteArray directory = file.read(kDirectoryHeaderSize);
    if (directory.size() != kDirectoryHeaderSize || !directory.startsWith("ITSP")) return false;
    const auto chunkSize = Read<std::uint32_t>(directory, kChunkSizeAt);
    if (chunkSize < kMinChunkSize || chunkSize > kMaxChmChunkSize) return false;
    const qint64 first = static_cast<qint64>(directoryOffset) +
                         Read<std::uint32_t>(directory, kDirectoryHeaderSizeAt);
    const qint64 inFile = first < file.size() ? (file.size() - first) / chunkSize : 0;
    const Chunks chunks(file, first, chunkSize,
                        std::min<qint64>(inFile, Read<std::uint32_t>(directory, kChunkCountAt)));
    const qint64 root = Read<std::int32_t>(directory, kIndexRootAt);
    const qint64 firstList = Read<std::int32_t>(directory, kFirstListChunkAt);
    return ListEnds(chunks, firstList) && IndexHasNoCycle(chunks, root);
}

bool ChmResetTableIsSane(QByteArrayView table) {
    if (table.size() < kResetTableSize) return false;
    const auto blockSize = Read<std::uint64_t>(table, kBlockSizeAt);
    return blockSize > 0 && blockSize <= kMaxChmBlockSize;
}

}  // namespace zorvel::help
