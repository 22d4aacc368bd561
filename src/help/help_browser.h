#pragma once

#include <QImage>
#include <QTextBrowser>

namespace zorvel::help {

class ChmFile;

// Shows the pages of an open help file. Pages, pictures and style sheets come from inside the file
// only; nothing is ever fetched from elsewhere. A click on a web link hands it to the desktop's
// browser; any other foreign link is ignored.
class HelpBrowser : public QTextBrowser {
    Q_OBJECT

  public:
    explicit HelpBrowser(QWidget* parent = nullptr);

    // The file whose pages are shown; it must outlive its use here. Null shows nothing.
    void SetHelpFile(const ChmFile* file);

    QVariant loadResource(int type, const QUrl& name) override;

  private:
    // On a high-resolution screen a picture is shown from its twin of twice the resolution, when
    // the file holds one, at the picture's own logical size. Null when there is none.
    QImage HighResolutionPicture(const QString& path) const;
    void FollowLink(const QUrl& link);

    const ChmFile* file_ = nullptr;
};

}  // namespace zorvel::help
