#pragma once

#include <QWidget>
#include <memory>

#include "chm_api.h"

class QLabel;
class QStackedLayout;
class QTreeWidget;
class QTreeWidgetItem;

namespace zorvel::help {

class ChmFile;
class HelpBrowser;

// The help viewer: a window of its own, owned by the window that asked for help, with the help
// file's table of contents beside the page chosen in it. A file that cannot be read is reported
// in the window in one sentence.
class HelpWindow : public QWidget {
    Q_OBJECT

  public:
    HelpWindow(std::shared_ptr<const ChmApi> api, QWidget* owner);
    ~HelpWindow() override;

    // Opens `path` unless it is the file shown already, then shows the window in front, restored
    // when minimised, with the first page of the contents.
    void ShowFile(const QString& path);

    QString FilePath() const { return path_; }
    // Whether the file was read; else the window shows the message instead of contents and pages.
    bool FileReadable() const;

  private:
    void Open(const QString& path);
    void FillContents();
    void ShowEntry(QTreeWidgetItem* item);
    void SelectEntryOf(const QUrl& page);

    std::shared_ptr<const ChmApi> api_;
    std::unique_ptr<ChmFile> file_;
    QString path_;
    QStackedLayout* pages_;
    QTreeWidget* contents_;
    HelpBrowser* browser_;
    QLabel* message_;
};

}  // namespace zorvel::help
