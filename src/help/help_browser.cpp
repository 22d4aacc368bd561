#include "help_browser.h"

#include <QAbstractTextDocumentLayout>
#include <QDesktopServices>
#include <QImage>
#include <QTextDocument>

#include "chm_file.h"
#include "help_picture.h"
#include "help_url.h"
#include "high_resolution_path.h"
#include "html_text.h"
#include "page_pictures.h"

namespace zorvel::help {

HelpBrowser::HelpBrowser(QWidget* parent) : QTextBrowser(parent) {
    setOpenLinks(false);
    document()->documentLayout()->registerHandler(
        QTextFormat::ImageObject,
        new PagePictures([this](const QUrl& name) { return ShownPicture(name); }, this));
    connect(this, &QTextBrowser::anchorClicked, this, &HelpBrowser::FollowLink);
}

void HelpBrowser::SetHelpFile(const ChmFile* file) {
    file_ = file;
    shown_.clear();
    clearHistory();
    clear();
}

// Every answer is a value, also for what the file does not hold: for none, Qt would look for the
// name on the disk itself.
QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
    const QString path = PathInFile(name);
    if (type == QTextDocument::ImageResource) return Picture(path);
    const std::optional<QByteArray> data =
        file_ && !path.isEmpty() ? file_->Read(path) : std::nullopt;
    switch (type) {
        case QTextDocument::HtmlResource:
            if (data) return DecodeHtml(*data);
            return path.isEmpty()
                       ? QVariant()
                       : QStringLiteral("<p>ページ \"%1\" はヘルプファイルの中にありません。</p>")
                             .arg(path.toHtmlEscaped());
        case QTextDocument::StyleSheetResource:
            return data ? DecodeHtml(*data) : QString();
        default:
            return data.value_or(QByteArray());
    }
}

QImage HelpBrowser::ShownPicture(const QUrl& name) {
    if (shownRatio_ != devicePixelRatioF()) {
        shown_.clear();
        shownRatio_ = devicePixelRatioF();
    }
    const QUrl url = source().resolved(name);
    auto shown = shown_.constFind(url);
    if (shown == shown_.cend()) shown = shown_.insert(url, Picture(ArchivePath(url)));
    return *shown;
}

QString HelpBrowser::PathInFile(const QUrl& name) const {
    return ArchivePath(source().resolved(name));
}

QImage HelpBrowser::Picture(const QString& path) const {
    if (!file_ || path.isEmpty()) return MissingPicture();
    if (devicePixelRatioF() > 1) {
        QImage twin = Decoded(common::HighResolutionPath(path));
        if (!twin.isNull()) {
            twin.setDevicePixelRatio(2);
            return twin;
        }
    }
    const QImage picture = Decoded(path);
    return picture.isNull() ? MissingPicture() : picture;
}

QImage HelpBrowser::Decoded(const QString& path) const {
    const std::optional<QByteArray> data = file_->Read(path);
    return data ? DecodePicture(*data) : QImage();
}

void HelpBrowser::FollowLink(const QUrl& link) {
    const QUrl target = source().resolved(link);
    if (!ArchivePath(target).isEmpty()) {
        setSource(target);
    } else if (IsWebLink(target)) {
        QDesktopServices::openUrl(target);
    }
}

}  // namespace zorvel::help
