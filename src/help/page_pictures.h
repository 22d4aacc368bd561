#pragma once

#include <QObject>
#include <QTextObjectInterface>
#include <functional>

namespace zorvel::help {

// Lays out and draws a page's pictures from what the viewer gives for each name, and from nothing
// else. Qt's own handler keeps what it has loaded by URL whatever it was loaded as, and when what
// it kept under a picture's URL is no picture (a style sheet of the same name, say) it reads the
// picture by its name from the disk.
class PagePictures final : public QObject, public QTextObjectInterface {
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)

  public:
    // The picture for a name as a page gives it; never a null image.
    using Source = std::function<QImage(const QUrl& name)>;

    PagePictures(Source source, QObject* parent);

    // The size that the page gives, or the picture's own; one side given keeps its proportions.
    QSizeF intrinsicSize(QTextDocument* document, int position, const QTextFormat& format) override;
    void drawObject(QPainter* painter, const QRectF& rect, QTextDocument* document, int position,
                    const QTextFormat& format) override;

  private:
    QImage PictureOf(const QTextFormat& format) const;

    Source source_;
};

}  // namespace zorvel::help
