#pragma once

#include <QString>
#include <QUrl>

namespace zorvel::help {

// Pages of the open help file are shown under URLs of this scheme, "chm:/rules.html", so that
// relative links, pictures and style sheets resolve against the page that names them.
inline constexpr QStringView kArchiveScheme = u"chm";

// The URL of a page written as in the contents ("rules.html", "/rules.html#pass").
QUrl ArchiveUrl(const QString& local);

// The path inside the help file that `url` names ("/rules.html"), or an empty string when the URL
// is not one of the file's own.
QString ArchivePath(const QUrl& url);

// A link the desktop's browser may open when the user clicks it.
bool IsWebLink(const QUrl& url);

}  // namespace zorvel::help
