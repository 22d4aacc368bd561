#pragma once

#include <QByteArray>
#include <QString>

namespace zorvel::help {

// Decodes an HTML page or style sheet read from the help file: by its byte order mark or its
// <meta charset>, else as UTF-8.
QString DecodeHtml(const QByteArray& data);

}  // namespace zorvel::help
