#include "message_boxes.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

#include "program_font.h"
#include "screen_centre.h"

namespace zorvel::ui {
namespace {

BoxAnswerer& Answerer() {
    static BoxAnswerer answerer;
    return answerer;
}

QPointer<QWidget>& Owner() {
    static QPointer<QWidget> owner;
    return owner;
}

// A box stays above the main window that owns it, blocks the whole application and lies centred
// on the screen. Qt places a box before it has its final size, so it is centred once shown.
class Box final : public QMessageBox {
  public:
    Box() : QMessageBox(Owner()) {}

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

void ShowWithOk(BoxKind kind, const QString& caption, QMessageBox::Icon icon, const QString& text) {
    if (Answerer()) {
        Answerer()(kind, text);
        return;
    }
    Box box;
    PrepareBox(box, caption, icon, text);
    QPushButton* ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    box.exec();
}

}  // namespace

bool AskQuestion(const QString& text) {
    if (Answerer()) return Answerer()(BoxKind::Question, text);
    Box box;
    PrepareBox(box, QStringLiteral("警告"), QMessageBox::Warning, text);
    QPushButton* yes = box.addButton(QStringLiteral("はい(&Y)"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("いいえ(&N)"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);  // also what the close box picks
    box.exec();
    return box.clickedButton() == yes;
}

void ShowInformation(const QString& text) {
    ShowWithOk(BoxKind::Information, QStringLiteral("情報"), QMessageBox::Information, text);
}

void ShowError(const QString& text) {
    ShowWithOk(BoxKind::Error, QStringLiteral("ZorVel"), QMessageBox::Critical, ErrorBoxText(text));
}

QString ErrorBoxText(const QString& message) {
    if (!message.isEmpty() && message.back() > QLatin1Char('.')) return message + QLatin1Char('.');
    return message;
}

void SetBoxOwner(QWidget* mainWindow) {
    Owner() = mainWindow;
}

void SetBoxAnswerer(BoxAnswerer answerer) {
    Answerer() = std::move(answerer);
}

}  // namespace zorvel::ui
