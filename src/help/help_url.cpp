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

bool IsWebLink(const QUrl& url) {
    return url.isValid() && (url.scheme() == u"http" || url.scheme() == u"https") &&
           !url.host().isEmpty();
}

}  // namespace zorvel::help
