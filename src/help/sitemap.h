#pragma once

#include <QList>
#include <QString>
#include <QStringView>

namespace zorvel::help {

// One entry of a help file's table of contents.
struct ContentsEntry {
    int depth = 0;  // 0 at the top; at most one more than the entry before it
    QString name;   // the text shown in the contents
    QString local;  // the page inside the help file as written there, e.g. "rules.html"

    bool operator==(const ContentsEntry&) const = default;
};

inline constexpr int kMaxContentsDepth = 32;
inline constexpr int kMaxContentsEntries = 4096;

// Reads the entries of a sitemap (the contents file of a compiled help file): nested <UL> lists
// whose <LI> items hold <OBJECT type="text/sitemap"> with "Name" and "Local" parameters. Any text
// is accepted: what cannot be understood is skipped, nesting deeper than kMaxContentsDepth is
// flattened and reading stops after kMaxContentsEntries entries.
QList<ContentsEntry> ParseSitemap(QStringView html);

}  // namespace zorvel::help
