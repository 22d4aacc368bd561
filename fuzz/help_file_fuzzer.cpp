// libFuzzer target for the help file reader. The first byte chooses the input's kind: even, the
// rest is a whole compiled help file, opened through the CHM reader library with its contents read
// and parsed as the help window does; odd, the rest is the contents (sitemap) text itself, so the
// parser is reached directly too.
#include <QByteArray>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "chm_file.h"
#include "chm_help.h"
#include "html_text.h"
#include "sitemap.h"

using namespace zorvel::help;

namespace {

// What the help window relies on: bounded depths, each at most one deeper than the one before.
void CheckContents(const QList<ContentsEntry>& entries) {
    int previous = -1;
    for (const ContentsEntry& entry : entries) {
        if (entry.depth < 0 || entry.depth > previous + 1 || entry.depth >= kMaxContentsDepth) {
            std::fprintf(stderr, "contents entry at depth %d after depth %d\n", entry.depth,
                         previous);
            std::abort();
        }
        previous = entry.depth;
    }
    if (entries.size() > kMaxContentsEntries) std::abort();
}

void ParseContents(const QByteArray& bytes) {
    CheckContents(ParseSitemap(DecodeHtml(bytes)));
}

void ReadHelpFile(const QByteArray& bytes) {
    static const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("input.chm"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        std::abort();
    file.close();
    const ChmFile help(HelpReader(), path);
    for (const QString& object : help.ObjectPaths()) {
        if (object.endsWith(QStringLiteral(".hhc"), Qt::CaseInsensitive)) {
            if (const std::optional<QByteArray> contents = help.Read(object))
                ParseContents(*contents);
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    LoadHelpLibrary();
    if (!HelpAvailable()) {
        std::fputs("The CHM reader library (libchm.so.1) is missing\n", stderr);
        std::abort();
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const QByteArray rest(reinterpret_cast<const char*>(data) + 1,
                          static_cast<qsizetype>(size - 1));
    if (data[0] % 2 == 0) {
        ReadHelpFile(rest);
    } else {
        ParseContents(rest);
    }
    return 0;
}
