#include "form_debug.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>
#include <QWindow>

#include "program_font.h"
#include "window_front.h"

namespace zorvel::debuglog {
namespace {

// Where the window's frame lies when it first appears, and its outer size.
constexpr QRect kFrame(577, 109, 221, 300);

}  // namespace

// A dialog rather than a plain window, so that X11 window managers, too, keep it with its owner.
TFormDebug::TFormDebug(QWidget* parent) : QWidget(parent, Qt::Dialog), memo_(new QPlainTextEdit) {
    setObjectName(QStringLiteral("FormDebug"));
    setWindowTitle(QStringLiteral("Debug"));
    setFont(common::ProgramFont(12));

    memo_->setObjectName(QStringLiteral("Memo"));
    memo_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    memo_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(memo_);

    PlaceFrame();
}

void TFormDebug::AppendLine(const std::string& line) {
    // Each line is written at the end with its line break, and the caret follows it there. A line
    // the user typed after the last break is closed first.
    memo_->moveCursor(QTextCursor::End);
    QString text = QString::fromStdString(line) + QLatin1Char('\n');
    if (!memo_->textCursor().atBlockStart()) {
        text.prepend(QLatin1Char('\n'));
    }
    memo_->insertPlainText(text);
}

void TFormDebug::ShowOrRaise() {
    common::ShowInFront(*this);
}

void TFormDebug::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    // The window manager tells the frame's margins only after it has framed the window; the
    // client is then sized again so that the frame keeps its outer size.
    if (FrameMargins() != placedMargins_) {
        PlaceFrame();
    }
}

QMargins TFormDebug::FrameMargins() const {
    return windowHandle() != nullptr ? windowHandle()->frameMargins() : QMargins();
}

void TFormDebug::PlaceFrame() {
    placedMargins_ = FrameMargins();
    move(kFrame.topLeft());
    resize(kFrame.size().shrunkBy(placedMargins_));
}

}  // namespace zorvel::debuglog
