#include "about_box.h"

#include <QFrame>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "program_font.h"
#include "program_identity.h"
#include "screen_centre.h"

namespace zorvel::about {
namespace {

constexpr QSize kClientSize(294, 214);
constexpr QSize kIconSize(32, 32);

QLabel* AddIcon(QWidget* panel, const char* name, const QRect& geometry, const QString& resource) {
    auto* icon = new QLabel(panel);
    icon->setObjectName(QString::fromLatin1(name));
    icon->setGeometry(geometry);
    // The icon finds the picture's "@2x" twin itself; on a high-resolution screen that one is
    // shown, still 32 x 32 logical pixels.
    icon->setPixmap(QIcon(resource).pixmap(kIconSize, panel->devicePixelRatioF()));
    return icon;
}

QLabel* AddText(QWidget* panel, const char* name, const QPoint& position, const QString& text,
                int pixelSize) {
    auto* label = new QLabel(text, panel);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(common::ProgramFont(pixelSize));
    label->move(position);
    label->adjustSize();
    return label;
}

}  // namespace

TAboutBox::TAboutBox(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報"));
    setFixedSize(kClientSize);
    setFont(common::ProgramFont(12));

    QPalette colours = palette();
    colours.setColor(QPalette::Window, colours.color(QPalette::Button));
    colours.setColor(QPalette::WindowText, Qt::black);
    setPalette(colours);
    setAutoFillBackground(true);

    AddPanel();
    AddOkButton();
}

void TAboutBox::AddPanel() {
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setGeometry(8, 8, 277, 158);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setLineWidth(1);

    AddIcon(panel, "PIcon1", QRect(QPoint(16, 20), kIconSize),
            QStringLiteral(":/icons/zorvel-green-32.png"));
    // The program's own icon lies over the lower right of the green one.
    AddIcon(panel, "PIcon2", QRect(QPoint(32, 32), kIconSize),
            QStringLiteral(":/icons/zorvel-32.png"))
        ->raise();

    AddText(panel, "ProductName", QPoint(86, 27), QString::fromUtf8(common::kProgramName), 16);
    AddText(panel, "Version", QPoint(140, 49), QStringLiteral("Version 3.0"), 15);

    auto* notice =
        new QLabel(QStringLiteral("© 2026 ZorVel developers. All rights reserved."), panel);
    notice->setObjectName(QStringLiteral("Copyright"));
    notice->setFont(common::ProgramFont(13));
    notice->setGeometry(58, 88, 183, 39);
    notice->setAlignment(Qt::AlignCenter);
    notice->setWordWrap(true);
}

void TAboutBox::AddOkButton() {
    auto* button = new QPushButton(QStringLiteral("OK"), this);
    button->setObjectName(QStringLiteral("OKButton"));
    button->setGeometry(118, 175, 64, 33);
    button->setDefault(true);
    connect(button, &QPushButton::clicked, this, &QDialog::accept);
    okButton_ = button;
}

void TAboutBox::keyPressEvent(QKeyEvent* event) {
    // The box has no cancel button, so Escape is not a way out of it.
    if (event->matches(QKeySequence::Cancel)) {
        return;
    }
    QDialog::keyPressEvent(event);
}

void TAboutBox::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    common::CentreFrameOnScreen(*this);
    okButton_->setFocus();
}

}  // namespace zorvel::about
