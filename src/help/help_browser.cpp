#include "help_browser.h"

#include <QDesktopServices>
#include <QImage>
#include <QTextDocument>

#include "chm_file.h"
#include "help_url.h"
#include "high_resolution_path.h"
#include "html_text.h"

namespace zorvel::help {

HelpBrowser::HelpBrowser(QWidget* parent) : QTextBrowser(parent) {
    setOpenLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, &HelpBrowser::FollowLink);
}

void HelpBrowser::SetHelpFile(const ChmFile* file) {
    file_ = file;
    clearHistory();
    clear();
}

QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
    const QString path = ArchivePath(source().resolved(name));
    if (type == QTextDocument::ImageResource && devicePixelRatioF() > 1) {
        QImage twin = HighResolutionPicture(path);
        if (!twin.isNull()) return twin;
    }
    const std::optional<QByteArray> data =
        file_ && !path.isEmpty() ? file_->Read(path) : std::nullopt;
    if (!data) {
        return type == QTextDocument::HtmlResource && !path.isEmpty()
                   ? QStringLiteral("<p>ページ \"%1\" はヘルプファイルの中にありません。</p>")
                         .arg(path.toHtmlEscaped())
                   : QVariant();
    }
    if (type == QTextDocument::HtmlResource || type == QTextDocument::StyleSheetResource) {
        return DecodeHtml(*data);
    }
    return *data;
}

QImage HelpBrowser::HighResolutionPicture(const QString& path) const {
    if (!file_ || path.isEmpty()) return {};
    QImage picture;
    if (const std::optional<QByteArray> data = file_->Read(common::HighResolutionPath(path))) {
        picture.loadFromData(*data);
        picture.setDevicePixelRatio(2);
    }
    return picture;
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
