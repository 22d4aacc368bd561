#include <QCoreApplication>

#include "chm_help.h"

namespace zorvel::help {

QString HelpFilePath(const QString& fileName) {
    return QCoreApplication::applicationDirPath() + QLatin1Char('/') + fileName;
}

}  // namespace zorvel::help
