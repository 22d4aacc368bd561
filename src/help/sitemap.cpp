#include "sitemap.h"

#include <QRegularExpression>
#include <algorithm>
#include <optional>

namespace zorvel::help {
namespace {

struct Tag {
    QString name;  // lower case, with a leading '/' for an end tag
    QStringView attributes;
};

// The position of the '>' that closes the tag opened at `open`, skipping quoted values.
qsizetype TagEnd(QStringView html, qsizetype open) {
    QChar quote;
    for (qsizetype i = open + 1; i < html.size(); ++i) {
        const QChar c = html[i];
        if (!quote.isNull()) {
            quote = c == quote ? QChar() : quote;
        } else if (c == u'"' || c == u'\'') {
            quote = c;
        } else if (c == u'>') {
            return i;
        }
    }
    return -1;
}

Tag ReadTag(QStringView body) {
    qsizetype end = body.startsWith(u'/') ? 1 : 0;
    while (end < body.size() && body[end].isLetterOrNumber()) {
        ++end;
    }
    return {body.first(end).toString().toLower(), body.sliced(end)};
}

// Every match of `pattern` in `text`. Qt 6.5 names the match over a view globalMatchView and 6.8
// deprecates the old name, which is all that Qt 6.4 has.
QRegularExpressionMatchIterator AllMatches(const QRegularExpression& pattern, QStringView text) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
    return pattern.globalMatchView(text);
#else
    return pattern.globalMatch(text);
#endif
}

QString DecodeEntities(QStringView text) {
    static const QRegularExpression entity(
        QStringLiteral("&(#[0-9]{1,7}|#[xX][0-9a-fA-F]{1,6}|amp|lt|gt|quot|apos);"));
    QString decoded;
    qsizetype done = 0;
    for (const QRegularExpressionMatch& match : AllMatches(entity, text)) {
        decoded.append(text.sliced(done, match.capturedStart() - done));
        const QStringView name = match.capturedView(1);
        if (name.startsWith(u'#')) {
            const bool hex = name.size() > 1 && (name[1] == u'x' || name[1] == u'X');
            const char32_t code = name.sliced(hex ? 2 : 1).toUInt(nullptr, hex ? 16 : 10);
            decoded += code > 0 && code <= 0x10FFFF ? QString::fromUcs4(&code, 1)
                                                    : QString(QChar::ReplacementCharacter);
        } else {
            decoded += name == u"amp"    ? u'&'
                       : name == u"lt"   ? u'<'
                       : name == u"gt"   ? u'>'
                       : name == u"quot" ? u'"'
                                         : u'\'';
        }
        done = match.capturedEnd();
    }
    return decoded.append(text.sliced(done));
}

// The value of attribute `name` (any case) in a tag's attribute text, entities decoded.
std::optional<QString> Attribute(QStringView attributes, QStringView name) {
    static const QRegularExpression pattern(QString::fromLatin1(
        R"re(([A-Za-z_:][-A-Za-z0-9_:.]*)\s*(?:=\s*(?:"([^"]*)"|'([^']*)'|([^\s"'>]+)))?)re"));
    for (const QRegularExpressionMatch& match : AllMatches(pattern, attributes)) {
        if (match.capturedView(1).compare(name, Qt::CaseInsensitive) == 0) {
            for (int group = 2; group <= 4; ++group) {
                if (match.hasCaptured(group)) {
                    return DecodeEntities(match.capturedView(group));
                }
            }
            return QString();
        }
    }
    return std::nullopt;
}

class SitemapReader {
  public:
    void Read(const Tag& tag) {
        if (tag.name == u"ul") {
            ++openLists_;
        } else if (tag.name == u"/ul") {
            openLists_ = std::max(0, openLists_ - 1);
        } else if (tag.name == u"object") {
            StartObject(tag.attributes);
        } else if (tag.name == u"param" && current_) {
            ReadParam(tag.attributes);
        } else if (tag.name == u"/object") {
            EndObject();
        }
    }

    const QList<ContentsEntry>& Entries() const { return entries_; }

  private:
    void StartObject(QStringView attributes) {
        const std::optional<QString> type = Attribute(attributes, u"type");
        current_.reset();
        if (type && type->compare(u"text/sitemap", Qt::CaseInsensitive) == 0) {
            current_.emplace();
        }
    }

    void ReadParam(QStringView attributes) {
        const QString name = Attribute(attributes, u"name").value_or(QString());
        QString* field = name.compare(u"Name", Qt::CaseInsensitive) == 0    ? &current_->name
                         : name.compare(u"Local", Qt::CaseInsensitive) == 0 ? &current_->local
                                                                            : nullptr;
        if (field && field->isEmpty()) {
            *field = Attribute(attributes, u"value").value_or(QString()).trimmed();
        }
    }

    void EndObject() {
        if (current_ && !current_->name.isEmpty()) {
            const int deepestAllowed = entries_.isEmpty() ? 0 : entries_.last().depth + 1;
            current_->depth = std::min({openLists_ - 1, deepestAllowed, kMaxContentsDepth - 1});
            current_->depth = std::max(current_->depth, 0);
            entries_.append(*current_);
        }
        current_.reset();
    }

    int openLists_ = 0;
    std::optional<ContentsEntry> current_;
    QList<ContentsEntry> entries_;
};

}  // namespace

QList<ContentsEntry> ParseSitemap(QStringView html) {
    SitemapReader reader;
    qsizetype position = 0;
    while (reader.Entries().size() < kMaxContentsEntries) {
        const qsizetype open = html.indexOf(u'<', position);
        if (open < 0) {
            break;
        }
        if (html.sliced(open).startsWith(u"<!--")) {
            const qsizetype end = html.indexOf(u"-->", open + 4);
            if (end < 0) {
                break;
            }
            position = end + 3;
            continue;
        }
        const qsizetype close = TagEnd(html, open);
        if (close < 0) {
            break;
        }
        reader.Read(ReadTag(html.sliced(open + 1, close - open - 1)));
        position = close + 1;
    }
    return reader.Entries();
}

}  // namespace zorvel::help
