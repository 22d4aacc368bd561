#include "high_resolution_path.h"

namespace zorvel::common {

QString HighResolutionPath(const QString& path) {
    const qsizetype slash = path.lastIndexOf(u'/');
    qsizetype dot = path.lastIndexOf(u'.');
    if (dot <= slash) dot = path.size();
    return QString(path).insert(dot, QStringLiteral("@2x"));
}

}  // namespace zorvel::common
