#pragma once

// A compiled help file's directory read the way the CHM reader library reads it, so that it can
// be checked before the library sees it.
#include <QByteArray>
#include <QByteArrayView>
#include <QIODevice>
#include <cstdint>
#include <optional>
#include <vector>

namespace zorvel::help::chm {

// Where the file header ("ITSF") and the directory header ("ITSP") hold what the library reads.
inline constexpr qint64 kFileHeaderSize = 0x60;  // version 3
inline constexpr qint64 kOldFileHeaderSize = 0x58;
inline constexpr qint64 kVersionAt = 0x04;
inline constexpr qint64 kDirectoryOffsetAt = 0x48;
inline constexpr qint64 kDirectoryLengthAt = 0x50;
inline constexpr qint64 kContentOffsetAt = 0x58;  // of the objects stored as they are
inline constexpr qint64 kDirectoryHeaderSize = 0x54;
inline constexpr qint64 kDirectoryHeaderSizeAt = 0x08;
inline constexpr qint64 kChunkSizeAt = 0x10;
inline constexpr qint64 kIndexRootAt = 0x1C;
inline constexpr qint64 kFirstListChunkAt = 0x20;
inline constexpr qint64 kChunkCountAt = 0x2C;

// The directory's chunks as the library addresses them: by number, each of one size.
class Chunks {
  public:
    Chunks(QIODevice& file, qint64 first, qint64 size, qint64 count)
        : file_(file), first_(first), size_(size), count_(count) {}

    qint64 count() const { return count_; }
    // Chunk `number`, or nothing when it is not wholly in the file.
    QByteArray At(qint64 number) const;

  private:
    QIODevice& file_;
    qint64 first_;
    qint64 size_;
    qint64 count_;
};

// The chunk a list chunk ("PMGL") continues in, -1 at the end.
qint64 NextListChunk(QByteArrayView chunk);

// The chunks an index chunk ("PMGI") leads to, in the order of its entries.
std::vector<qint64> IndexChildren(QByteArrayView chunk);

// One object of the file as a list chunk names it.
struct ListEntry {
    QByteArray name;
    std::uint64_t section = 0;  // 0: stored as it is; 1: compressed
    std::uint64_t start = 0;
    std::uint64_t length = 0;
};
std::vector<ListEntry> ListEntries(QByteArrayView chunk);

}  // namespace zorvel::help::chm
