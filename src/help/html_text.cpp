#include "html_text.h"

#include <QStringDecoder>

namespace zorvel::help {

QString DecodeHtml(const QByteArray& data) {
    QStringDecoder decoder = QStringDecoder::decoderForHtml(data);
    if (!decoder.isValid()) {
        decoder = QStringDecoder(QStringDecoder::Utf8);
    }
    return decoder.decode(data);
}

}  // namespace zorvel::help
