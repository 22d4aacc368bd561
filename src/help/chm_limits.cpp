#include "chm_limits.h"

#include <algorithm>
#include <bit>
#include <vector>

#include "chm_directory.h"
#include "little_endian.h"

namespace zorvel::help {
namespace {

using namespace chm;

constexpr qint64 kMinChunkSize = 0x20;  // room for a chunk's header
constexpr qint64 kResetTableSize = 0x28;
constexpr qint64 kBlockSizeAt = 0x20;  // in the reset table
constexpr qint64 kMinControlDataSize = 0x18;
constexpr qint64 kMaxControlDataSize = 0x100;
constexpr int kMinWindowBits = 15;  // LZX windows of 32 KiB to 2 MiB
constexpr int kMaxWindowBits = 21;

const QByteArray kControlDataPath = "::DataSpace/Storage/MSCompressed/ControlData";

// The list of entry chunks must end (at -1) before it could have visited every chunk.
bool ListEnds(const chm::Chunks& chunks, qint64 first) {
    qint64 chunk = first;
    for (qint64 steps = 0; chunk != -1; ++steps) {
        const QByteArray list = chunks.At(chunk);
        if (steps >= chunks.count() || !list.startsWith("PMGL")) return false;
        chunk = chm::NextListChunk(list);
    }
    return true;
}

// No index chunk may lead back to itself: a depth-first walk that remembers what it finished.
bool IndexHasNoCycle(const chm::Chunks& chunks, qint64 root) {
    enum class State { New, Open, Done };
    std::vector<State> state(static_cast<std::size_t>(chunks.count()), State::New);
    std::vector<std::pair<qint64, std::vector<qint64>>> path;
    const auto enter = [&](qint64 number) {
        const QByteArray chunk = chunks.At(number);
        if (!chunk.startsWith("PMGI")) return;  // a list chunk, or one the library cannot use
        state[number] = State::Open;
        path.emplace_back(number, chm::IndexChildren(chunk));
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

// The compression's control data as the library reads it while opening the file: when it cannot
// understand them, it goes on with whatever its buffer held and may divide by zero; and it later
// divides by the blocks per reset computed here.
bool ControlDataIsSane(QByteArrayView data) {
    if (data.size() < kMinControlDataSize || data.sliced(4, 4) != QByteArrayView("LZXC"))
        return false;
    auto resetInterval = common::LittleEndianAt<std::uint32_t>(data, 12);
    auto windowSize = common::LittleEndianAt<std::uint32_t>(data, 16);
    const auto windowsPerReset = common::LittleEndianAt<std::uint32_t>(data, 20);
    if (common::LittleEndianAt<std::uint32_t>(data, 8) ==
        2) {  // in units of 32 KiB, in 32 bits as the library
        resetInterval <<= 15;
        windowSize <<= 15;
    }
    // The library sizes its window by the lowest bit set and has no window for fewer than 15 or
    // more than 21 bits: it would go on to decompress with none.
    const int windowBits = std::countr_zero(windowSize);
    if (windowBits < kMinWindowBits || windowBits > kMaxWindowBits || resetInterval == 0 ||
        resetInterval % (windowSize / 2) != 0)
        return false;
    return resetInterval / (windowSize / 2) * windowsPerReset != 0;
}

// Every entry, in any list chunk, names one of the file's two sections: the library takes any
// other number for the compressed one, and reading the reset table or the control data from it
// while opening divides by zero. Every entry for the control data stored uncompressed names sane
// data.
bool EntriesAreSane(QIODevice& file, const chm::Chunks& chunks, qint64 content) {
    for (qint64 number = 0; number < chunks.count(); ++number) {
        const QByteArray chunk = chunks.At(number);
        if (!chunk.startsWith("PMGL")) continue;
        for (const chm::ListEntry& entry : chm::ListEntries(chunk)) {
            if (entry.section > 1) return false;
            if (entry.section != 0 ||
                entry.name.compare(kControlDataPath, Qt::CaseInsensitive) != 0)
                continue;
            if (entry.length > kMaxControlDataSize ||
                entry.start > static_cast<std::uint64_t>(file.size()) ||
                !file.seek(content + static_cast<qint64>(entry.start)) ||
                !ControlDataIsSane(file.read(static_cast<qint64>(entry.length))))
                return false;
        }
    }
    return true;
}

}  // namespace

bool ChmDirectoryIsSane(QIODevice& file) {
    const QByteArray header = file.read(kFileHeaderSize);
    if (header.size() < kOldFileHeaderSize || !header.startsWith("ITSF")) return false;
    const bool version3 = common::LittleEndianAt<std::uint32_t>(header, kVersionAt) >= 3;
    if (version3 && header.size() < kFileHeaderSize) return false;
    const auto directoryOffset = common::LittleEndianAt<std::uint64_t>(header, kDirectoryOffsetAt);
    const auto content = version3 ? common::LittleEndianAt<std::uint64_t>(header, kContentOffsetAt)
                                  : directoryOffset + common::LittleEndianAt<std::uint64_t>(
                                                          header, kDirectoryLengthAt);
    const auto size = static_cast<std::uint64_t>(file.size());
    if (directoryOffset > size || content > size ||
        !file.seek(static_cast<qint64>(directoryOffset)))
        return false;
    const QByteArray directory = file.read(kDirectoryHeaderSize);
    if (directory.size() != kDirectoryHeaderSize || !directory.startsWith("ITSP")) return false;
    const auto chunkSize = common::LittleEndianAt<std::uint32_t>(directory, kChunkSizeAt);
    if (chunkSize < kMinChunkSize || chunkSize > kMaxChmChunkSize) return false;
    const qint64 first = static_cast<qint64>(directoryOffset) +
                         common::LittleEndianAt<std::uint32_t>(directory, kDirectoryHeaderSizeAt);
    const qint64 inFile = first < file.size() ? (file.size() - first) / chunkSize : 0;
    const chm::Chunks chunks(
        file, first, chunkSize,
        std::min<qint64>(inFile, common::LittleEndianAt<std::uint32_t>(directory, kChunkCountAt)));
    return ListEnds(chunks, common::LittleEndianAt<std::int32_t>(directory, kFirstListChunkAt)) &&
           IndexHasNoCycle(chunks, common::LittleEndianAt<std::int32_t>(directory, kIndexRootAt)) &&
           EntriesAreSane(file, chunks, static_cast<qint64>(content));
}

bool ChmResetTableIsSane(QByteArrayView table) {
    if (table.size() < kResetTableSize) return false;
    const auto blockSize = common::LittleEndianAt<std::uint64_t>(table, kBlockSizeAt);
    return blockSize > 0 && blockSize <= kMaxChmBlockSize;
}

}  // namespace zorvel::help
