#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <optional>

namespace zorvel::common {

// A file the program reads by name from a folder anyone may write to. What lies there may be a
// FIFO, a device, a directory or a link to one: it is opened without waiting for a writer, and
// used only when it is a regular file. What was checked is what is read.
class RegularFile {
  public:
    // Why a file that opened is not used.
    static inline const QString kNotRegular = QStringLiteral("The file is not a regular file");

    explicit RegularFile(const QString& path);

    bool isOpen() const { return file_.isOpen(); }
    // Why it is not open, in the system's words or as kNotRegular.
    QString errorString() const { return error_; }
    QFile& file() { return file_; }

    // All of it when it holds at most `limit` bytes; nothing when it holds more, whatever size it
    // claims, or cannot be read.
    std::optional<QByteArray> ReadAll(qint64 limit);

    // A name under which the very file opened here opens again, for a library that opens files by
    // name: whatever has been put at the path since is not what it reads.
    QString OpenedName() const;

  private:
    QFile file_;
    QString error_;
};

}  // namespace zorvel::common
