#pragma once

// A file of the game's put where it looks, or what anyone may put there under its name instead.
#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QMetaType>
#include <QString>

namespace zorvel::testing {

// FIFOs and devices are for systems that have them among a folder's files.
enum class FileKind { Regular, Fifo, Directory, DeviceLink };

// Puts a file of `kind` at `path`, where nothing lies yet; only a regular one holds `bytes`.
inline void PlaceFile(const QString& path, FileKind kind, const QByteArray& bytes = {}) {
    QFile file(path);
    bool placed = false;
    switch (kind) {
        case FileKind::Regular:
            placed = file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
            break;
        case FileKind::Fifo:
#ifndef _WIN32
            placed = ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
#endif
            break;
        case FileKind::Directory:
            placed = QDir().mkdir(path);
            break;
        case FileKind::DeviceLink:
            placed = QFile::link(QStringLiteral("/dev/zero"), path);
            break;
    }
    if (!placed) qFatal("cannot place the test's file %s", qPrintable(path));
}

}  // namespace zorvel::testing

Q_DECLARE_METATYPE(zorvel::testing::FileKind)
