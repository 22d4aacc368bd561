#pragma once

#include <QByteArrayView>
#include <QIODevice>
#include <cstdint>

namespace zorvel::help {

// Sizes that the CHM reader library takes from the file and allocates without a second thought.
// Real help files use 4 KiB directory chunks and 32 KiB compressed blocks.
inline constexpr std::uint32_t kMaxChmChunkSize = 64 * 1024;
inline constexpr std::uint64_t kMaxChmBlockSize = 1024 * 1024;

// The path of the compressed section's reset table, which holds its block size.
inline constexpr const char* kChmResetTablePath =
    "::DataSpace/Storage/MSCompressed/Transform/{7FC28940-9D31-11D0-9B27-00A0C91E9C7C}/"
    "InstanceData/ResetTable";

// Whether the file's directory is one the library can walk: its headers are there, its chunks are
// of a sane size, the list of its entry chunks ends and its index has no cycle (the library
// follows both without a limit), every entry lies in one of the file's two sections, and the
// compression's control data, which the library reads while opening, make sense. Checked before
// the library opens the file.
bool ChmDirectoryIsSane(QIODevice& file);

// Whether a reset table read from the file is whole and names a sane block size: checked before
// anything compressed is read.
bool ChmResetTableIsSane(QByteArrayView table);

}  // namespace zorvel::help
