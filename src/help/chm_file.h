#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

#include "chm_api.h"

namespace zorvel::help {

// One compiled help file opened through the reader library. Objects are addressed by their path
// inside the file, such as "/index.html".
class ChmFile {
  public:
    // Objects larger than this are refused rather than read.
    static constexpr qint64 kMaxObjectSize = 16 * 1024 * 1024;
    // Enumeration stops after this many objects.
    static constexpr int kMaxObjectCount = 100000;

    // Files whose sizes would make the library allocate without bound are not opened, nor anything
    // but a regular file.
    ChmFile(std::shared_ptr<const ChmApi> api, const QString& fileName);
    ~ChmFile();
    ChmFile(const ChmFile&) = delete;
    ChmFile& operator=(const ChmFile&) = delete;

    bool isOpen() const { return handle_ != nullptr; }

    // The whole object, or nothing when it is missing, too large or cannot be read.
    std::optional<QByteArray> Read(const QString& objectPath) const;

    // The paths of the file's own objects (pages, pictures, style sheets, contents).
    QStringList ObjectPaths() const;

  private:
    bool CompressionIsSane() const;

    std::shared_ptr<const ChmApi> api_;
    ChmHandle* handle_ = nullptr;
};

}  // namespace zorvel::help
