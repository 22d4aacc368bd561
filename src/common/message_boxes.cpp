#include "message_boxes.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>

#include "program_font.h"
#include "screen_centre.h"

namespace zorvel::common {
namespace {

// A box stays above the window that owns it, blocks the whole application and lies centred on
// the screen. Qt places a box before it has its final size, so it is centred once shown.
class Box final : public QMessageBox {
  public:
    explicit Box(QWidget* owner) : QMessageBox(owner) {}

  protected:
    void showEvent(QShowEvent* event) override {
        QMessageBox::showEvent(event);
        CentreFrameOnScreen(*this);
    }
};

void PrepareBox(QMessageBox& box, const QString& caption, QMessageBox::Icon icon,
                const QString& text) {
    box.setWindowTitle(caption);
    box.setIcon(icon);
    box.setTextFormat(Qt::PlainText);  // texts are shown as they stand, spaces included
    box.setText(text);
    box.setFont(ProgramFont());
}

bool AskYesOrNo(QWidget* owner, const QString& text) {
    Box box(owner);
    PrepareBox(box, QStringLiteral("警告"), QMessageBox::Warning, text);
    QPushButton* yes = box.addButton(QStringLiteral("はい(&Y)"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("いいえ(&N)"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);  // also what the close box picks
    box.exec();
    return box.clickedButton() == yes;
}

void ShowWithOk(QWidget* owner, const QString& caption, QMessageBox::Icon icon,
                const QString& text) {
    Box box(owner);
    PrepareBox(box, caption, icon, text);
    QPushButton* ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    box.exec();
}

// Where a box without an owner of its own belongs: to the active window, else to the main window.
QWidget* DefaultOwner() {
    if (QWidget* active = QApplication::activeWindow()) return active;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && qobject_cast<QMainWindow*>(window) != nullptr) return window;
    }
    return nullptr;
}

}  // namespace

void MessageBoxes::ShowError(const QString& text) {
    Show(BoxKind::Error, ErrorBoxText(text));
}

bool DesktopMessageBoxes::Show(BoxKind kind, const QString& text) {
    QWidget* owner = owner_ ? owner_.data() : DefaultOwner();
    switch (kind) {
        case BoxKind::Question:
            return AskYesOrNo(owner, text);
        case BoxKind::Information:
            ShowWithOk(owner, QStringLiteral("情報"), QMessageBox::Information, text);
            break;
        case BoxKind::Error:
            ShowWithOk(owner, QStringLiteral("ZorVel"), QMessageBox::Critical, text);
            break;
    }
    return true;
}

QString ErrorBoxText(const QString& message) {
    if (!message.isEmpty() && message.back() > QLatin1Char('.')) return message + QLatin1Char('.');
    return message;
}

}  // namespace zorvel::common
