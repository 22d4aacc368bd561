#include "bounded_file.h"

#ifdef _WIN32
#include <QFileInfo>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#endif

namespace zorvel::common {

#ifdef _WIN32

// Windows keeps no FIFOs or devices among a folder's files; a directory is the one thing to refuse.
RegularFile::RegularFile(const QString& path) : file_(path) {
    if (QFileInfo(path).exists() && !QFileInfo(path).isFile()) {
        error_ = kNotRegular;
    } else if (!file_.open(QIODevice::ReadOnly)) {
        error_ = file_.errorString();
    }
}

QString RegularFile::OpenedName() const {
    return file_.fileName();
}

#else

// O_NONBLOCK lets a FIFO open without a writer; fstat on the same descriptor then tells what was
// opened, so that nothing can be swapped in between.
RegularFile::RegularFile(const QString& path) {
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        error_ = qt_error_string(errno);
        return;
    }
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        error_ = kNotRegular;
        return;
    }
    file_.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
}

QString RegularFile::OpenedName() const {
    return QStringLiteral("/dev/fd/%1").arg(file_.handle());
}

#endif

// One byte more than allowed is asked for: a file that grows, or that tells a size of 0 and holds
// more, is refused all the same.
std::optional<QByteArray> RegularFile::ReadAll(qint64 limit) {
    if (!isOpen()) return std::nullopt;
    QByteArray bytes = file_.read(limit + 1);
    if (bytes.size() > limit || file_.error() != QFileDevice::NoError) return std::nullopt;
    return bytes;
}

}  // namespace zorvel::common
