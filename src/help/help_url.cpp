#include "help_url.h"

namespace zorvel::help {

QUrl ArchiveUrl(const QString& local) {
    QUrl root;
    root.setScheme(kArchiveScheme.toString());
    root.setPath(QStringLiteral("/"));
    return root.resolved(QUrl(local));
}

QString ArchivePath(const QUrl& url) {
    return url.scheme() == kArchiveScheme ? url.path(QUrl::FullyDecoded) : QString();
}

QString HighResolutionPath(const QString& path) {
    const qsizetype slash = path.lastIndexOf(u'/');
    qsizetype dot = path.lastIndexOf(u'.');
    if (dot <= slash) dot = path.size();
    return QString(path).insert(dot, QStringLiteral("@2x"));
}

bool IsWebLink(const QUrl& url) {
    return url.isValid() && (url.scheme() == u"http" || url.scheme() == u"https") &&
           !url.host().isEmpty();
}

}  // namespace zorvel::help
