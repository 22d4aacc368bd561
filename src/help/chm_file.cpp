#include "chm_file.h"

#include <QFile>
#include <utility>

#include "bounded_file.h"
#include "chm_limits.h"

namespace zorvel::help {
namespace {

int CollectObject(ChmHandle*, ChmUnitInfo* unit, void* context) {
    auto* paths = static_cast<QStringList*>(context);
    // The path is NUL-terminated within its buffer; qstrnlen keeps a damaged one in bounds.
    paths->append(QString::fromUtf8(unit->path, qstrnlen(unit->path, sizeof unit->path)));
    return paths->size() < ChmFile::kMaxObjectCount ? kChmEnumeratorContinue
                                                    : kChmEnumeratorSuccess;
}

}  // namespace

ChmFile::ChmFile(std::shared_ptr<const ChmApi> api, const QString& fileName)
    : api_(std::move(api)) {
    // The library opens the file by name: it is given the name of the one checked here.
    common::RegularFile file(fileName);
    if (!file.isOpen() || !ChmDirectoryIsSane(file.file())) return;
    handle_ = api_->open(QFile::encodeName(file.OpenedName()).constData());
    if (handle_ && !CompressionIsSane()) {
        api_->close(handle_);
        handle_ = nullptr;
    }
}

// A file without a compressed section has no reset table; one with it must have a sane one.
bool ChmFile::CompressionIsSane() const {
    ChmUnitInfo unit{};
    if (api_->resolve(handle_, kChmResetTablePath, &unit) != kChmResolveSuccess) return true;
    const std::optional<QByteArray> table = Read(QString::fromLatin1(kChmResetTablePath));
    return table && ChmResetTableIsSane(*table);
}

ChmFile::~ChmFile() {
    if (handle_) {
        api_->close(handle_);
    }
}

std::optional<QByteArray> ChmFile::Read(const QString& objectPath) const {
    if (!handle_) {
        return std::nullopt;
    }
    ChmUnitInfo unit{};
    if (api_->resolve(handle_, objectPath.toUtf8().constData(), &unit) != kChmResolveSuccess ||
        unit.length > static_cast<std::uint64_t>(kMaxObjectSize)) {
        return std::nullopt;
    }
    QByteArray data(static_cast<qsizetype>(unit.length), Qt::Uninitialized);
    auto* buffer = reinterpret_cast<unsigned char*>(data.data());
    qsizetype done = 0;
    while (done < data.size()) {
        const std::int64_t got =
            api_->retrieve(handle_, &unit, buffer + done, done, data.size() - done);
        if (got <= 0) {
            return std::nullopt;
        }
        done += static_cast<qsizetype>(got);
    }
    return data;
}

QStringList ChmFile::ObjectPaths() const {
    QStringList paths;
    if (handle_) {
        api_->enumerate(handle_, kChmEnumerateNormal | kChmEnumerateFiles, &CollectObject, &paths);
    }
    return paths;
}

}  // namespace zorvel::help
