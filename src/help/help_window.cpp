#include "help_window.h"

#include <QDir>
#include <QLabel>
#include <QSplitter>
#include <QStackedLayout>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <algorithm>
#include <utility>

#include "chm_file.h"
#include "help_browser.h"
#include "help_url.h"
#include "html_text.h"
#include "program_font.h"
#include "program_identity.h"
#include "sitemap.h"
#include "window_front.h"

namespace zorvel::help {
namespace {

constexpr int kPageRole = Qt::UserRole;

QList<ContentsEntry> ReadContents(const ChmFile& file) {
    const QStringList paths = file.ObjectPaths();
    const auto sitemap = std::find_if(paths.begin(), paths.end(), [](const QString& path) {
        return path.endsWith(QStringLiteral(".hhc"), Qt::CaseInsensitive);
    });
    const std::optional<QByteArray> data =
        sitemap != paths.end() ? file.Read(*sitemap) : std::nullopt;
    return data ? ParseSitemap(DecodeHtml(*data)) : QList<ContentsEntry>();
}

QUrl PageOf(const QTreeWidgetItem* item) {
    return item->data(0, kPageRole).toUrl();
}

}  // namespace

HelpWindow::HelpWindow(std::shared_ptr<const ChmApi> api, QWidget* owner)
    : QWidget(owner, Qt::Window),
      api_(std::move(api)),
      pages_(new QStackedLayout(this)),
      contents_(new QTreeWidget),
      browser_(new HelpBrowser),
      message_(new QLabel) {
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QString::fromUtf8(common::kProgramName) + QStringLiteral(" ヘルプ"));
    setFont(common::ProgramFont(13));
    resize(780, 560);

    contents_->setHeaderHidden(true);
    auto* splitter = new QSplitter;
    splitter->addWidget(contents_);
    splitter->addWidget(browser_);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({210, 570});
    pages_->addWidget(splitter);

    message_->setWordWrap(true);
    message_->setAlignment(Qt::AlignCenter);
    message_->setMargin(24);
    message_->setTextFormat(Qt::PlainText);
    pages_->addWidget(message_);

    connect(contents_, &QTreeWidget::currentItemChanged, this, &HelpWindow::ShowEntry);
    // A click on the entry already selected shows its place again, from the top.
    connect(contents_, &QTreeWidget::itemClicked, this, &HelpWindow::ShowEntry);
    connect(browser_, &QTextBrowser::sourceChanged, this, &HelpWindow::SelectEntryOf);
}

HelpWindow::~HelpWindow() = default;

void HelpWindow::ShowFile(const QString& path) {
    if (path != path_ || !FileReadable()) {
        Open(path);
    }
    common::ShowInFront(*this);
}

bool HelpWindow::FileReadable() const {
    return file_ && contents_->topLevelItemCount() > 0;
}

void HelpWindow::Open(const QString& path) {
    path_ = path;
    browser_->SetHelpFile(nullptr);
    contents_->clear();
    file_ = std::make_unique<ChmFile>(api_, path);
    FillContents();
    if (!FileReadable()) {
        file_.reset();
        message_->setText(QStringLiteral("ヘルプファイル \"%1\" を開けません。")
                              .arg(QDir::toNativeSeparators(path)));
        pages_->setCurrentWidget(message_);
        return;
    }
    browser_->SetHelpFile(file_.get());
    pages_->setCurrentIndex(0);
    for (QTreeWidgetItemIterator it(contents_); *it; ++it) {
        if (!PageOf(*it).isEmpty()) {
            contents_->setCurrentItem(*it);
            break;
        }
    }
}

void HelpWindow::FillContents() {
    QList<QTreeWidgetItem*> parents;  // the last item at each depth
    for (const ContentsEntry& entry : ReadContents(*file_)) {
        parents.resize(entry.depth);
        auto* item = parents.isEmpty() ? new QTreeWidgetItem(contents_)
                                       : new QTreeWidgetItem(parents.last());
        item->setText(0, entry.name);
        if (!entry.local.isEmpty()) {
            item->setData(0, kPageRole, ArchiveUrl(entry.local));
        }
        parents.append(item);
    }
    contents_->expandAll();
}

void HelpWindow::ShowEntry(QTreeWidgetItem* item) {
    if (item && !PageOf(item).isEmpty()) {
        browser_->setSource(PageOf(item));
    }
}

void HelpWindow::SelectEntryOf(const QUrl& page) {
    // The entry for exactly this place, else the first entry for the same page.
    QTreeWidgetItem* entry = nullptr;
    for (QTreeWidgetItemIterator it(contents_); *it; ++it) {
        if (PageOf(*it) == page) {
            entry = *it;
            break;
        }
        if (!entry &&
            PageOf(*it).adjusted(QUrl::RemoveFragment) == page.adjusted(QUrl::RemoveFragment)) {
            entry = *it;
        }
    }
    if (entry && entry != contents_->currentItem()) {
        const QSignalBlocker blocker(contents_);
        contents_->setCurrentItem(entry);
    }
}

}  // namespace zorvel::help
