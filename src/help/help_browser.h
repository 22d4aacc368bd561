#pragma once

#include <QHash>
#include <QImage>
#include <QTextBrowser>
#include <QUrl>

namespace zorvel::help {

class ChmFile;

// Shows the pages of an open help file. Pages, pictures and style sheets come from inside the file
// only, whatever URL a page names them by; nothing is ever fetched from elsewhere, and what the
// file does not hold is shown as missing. A click on a web link hands it to the desktop's
// browser; any other foreign link is ignored.
class HelpBrowser : public QTextBrowser {
    Q_OBJECT

  public:
    explicit HelpBrowser(QWidget* parent = nullptr);

    // The file whose pages are shown; it must outlive its use here. Null shows nothing.
    void SetHelpFile(const ChmFile* file);

    QVariant loadResource(int type, const QUrl& name) override;

  private:
    // The picture a page names, kept while the file and the screen's resolution stay.
    QImage ShownPicture(const QUrl& name);
    // The path inside the file of what a page names, or none for what lies outside it.
    QString PathInFile(const QUrl& name) const;
    // A picture of the file, or the sign for a missing one. On a high-resolution screen it is shown
    // from its twin of twice the resolution, when the file holds one, at the picture's own logical
    // size.
    QImage Picture(const QString& path) const;
    // Null when the file holds no such picture, or one that is not decoded.
    QImage Decoded(const QString& path) const;
    void FollowLink(const QUrl& link);

    const ChmFile* file_ = nullptr;
    QHash<QUrl, QImage> shown_;
    qreal shownRatio_ = 0;
};

}  // namespace zorvel::help
