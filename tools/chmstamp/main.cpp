// Sets the two time stamps that the help compiler (chmcmd) writes into a compiled help file to a
// given time, so that the same pages always give the same file. The compiler takes the time of
// day from the system clock itself (not from the C library, so no faked clock reaches it) and has
// no option for it; the readers ignore both stamps.
//
// Usage: zorvel_chmstamp FILE SECONDS
//   SECONDS  the time to write, in seconds since 1970 (SOURCE_DATE_EPOCH)
#include <QFile>
#include <QtEndian>
#include <cstdint>
#include <cstdio>
#include <exception>
#include <optional>
#include <string>

#include "chm_directory.h"
#include "little_endian.h"

namespace chm = zorvel::help::chm;

namespace {

// Both stamps hold the milliseconds since midnight: big-endian in the file header, and
// little-endian in record 10 of the object /#SYSTEM, which is stored uncompressed.
constexpr qint64 kHeaderStampAt = 0x10;
constexpr std::uint16_t kStampRecord = 10;
constexpr qint64 kFirstRecordAt = 4;  // after the object's version
constexpr std::int64_t kSecondsPerDay = 24 * 60 * 60;

// Where an object stored as it is (in section 0) lies in the file.
struct StoredObject {
    qint64 at = 0;
    qint64 length = 0;
};

std::optional<StoredObject> FindStoredObject(QIODevice& file, QByteArrayView name) {
    const QByteArray header = file.read(chm::kFileHeaderSize);
    if (header.size() != chm::kFileHeaderSize || !header.startsWith("ITSF")) return std::nullopt;
    const auto directoryAt =
        zorvel::common::LittleEndianAt<std::uint64_t>(header, chm::kDirectoryOffsetAt);
    const auto content =
        zorvel::common::LittleEndianAt<std::uint64_t>(header, chm::kContentOffsetAt);
    if (!file.seek(static_cast<qint64>(directoryAt))) return std::nullopt;
    const QByteArray directory = file.read(chm::kDirectoryHeaderSize);
    if (directory.size() != chm::kDirectoryHeaderSize || !directory.startsWith("ITSP"))
        return std::nullopt;
    const chm::Chunks chunks(
        file,
        static_cast<qint64>(directoryAt) +
            zorvel::common::LittleEndianAt<std::uint32_t>(directory, chm::kDirectoryHeaderSizeAt),
        zorvel::common::LittleEndianAt<std::uint32_t>(directory, chm::kChunkSizeAt),
        zorvel::common::LittleEndianAt<std::uint32_t>(directory, chm::kChunkCountAt));
    qint64 number = zorvel::common::LittleEndianAt<std::int32_t>(directory, chm::kFirstListChunkAt);
    for (qint64 steps = 0; number != -1 && steps < chunks.count(); ++steps) {
        const QByteArray chunk = chunks.At(number);
        if (!chunk.startsWith("PMGL")) break;
        for (const chm::ListEntry& entry : chm::ListEntries(chunk)) {
            if (entry.name == name && entry.section == 0)
                return StoredObject{static_cast<qint64>(content + entry.start),
                                    static_cast<qint64>(entry.length)};
        }
        number = chm::NextListChunk(chunk);
    }
    return std::nullopt;
}

// Where the stamp's value lies in the object /#SYSTEM: a version, then records of a 16-bit code,
// a 16-bit length and the data.
std::optional<qint64> FindStampRecord(QByteArrayView records) {
    for (qint64 at = kFirstRecordAt; at + 4 <= records.size();) {
        const auto code = zorvel::common::LittleEndianAt<std::uint16_t>(records, at);
        const auto length = zorvel::common::LittleEndianAt<std::uint16_t>(records, at + 2);
        if (code == kStampRecord && length == sizeof(std::uint32_t) &&
            at + 4 + length <= records.size())
            return at + 4;
        at += 4 + length;
    }
    return std::nullopt;
}

bool Write(QIODevice& file, qint64 at, const QByteArray& bytes) {
    return file.seek(at) && file.write(bytes) == bytes.size();
}

}  // namespace

int main(int argc, char* argv[]) {
    std::optional<std::int64_t> seconds;
    if (argc == 3) {
        try {
            std::size_t used = 0;
            seconds = std::stoll(argv[2], &used);
            if (used != std::string(argv[2]).size() || *seconds < 0) seconds.reset();
        } catch (const std::exception&) {
        }
    }
    if (!seconds) {
        std::fputs("Usage: zorvel_chmstamp FILE SECONDS_SINCE_1970\n", stderr);
        return 2;
    }
    const auto stamp = static_cast<std::uint32_t>(*seconds % kSecondsPerDay * 1000);

    QFile file(QString::fromLocal8Bit(argv[1]));
    const std::optional<StoredObject> system =
        file.open(QIODevice::ReadWrite) ? FindStoredObject(file, "/#SYSTEM") : std::nullopt;
    const std::optional<qint64> record =
        system && file.seek(system->at) ? FindStampRecord(file.read(system->length)) : std::nullopt;
    if (!record) {
        std::fprintf(stderr, "%s: no help file with a time stamp where chmcmd writes it\n",
                     argv[1]);
        return 1;
    }
    QByteArray bigEndian(sizeof stamp, Qt::Uninitialized);
    qToBigEndian(stamp, bigEndian.data());
    QByteArray littleEndian(sizeof stamp, Qt::Uninitialized);
    qToLittleEndian(stamp, littleEndian.data());
    if (!Write(file, kHeaderStampAt, bigEndian) ||
        !Write(file, system->at + *record, littleEndian) || !file.flush()) {
        std::fprintf(stderr, "%s: cannot write the time stamps\n", argv[1]);
        return 1;
    }
    return 0;
}
