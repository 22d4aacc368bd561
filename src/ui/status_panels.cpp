#include "status_panels.h"

#include <QLabel>

#include "board_geometry.h"

namespace zorvel::ui {
namespace {

constexpr std::array<int, 3> kLefts{0, 120, 240};
constexpr int kGap = 2;  // between two panels, as the desktop's status bars have

}  // namespace

StatusPanels::StatusPanels(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("StatusBar"));
    for (std::size_t i = 0; i < panels_.size(); ++i) {
        auto* label = new QLabel(this);
        label->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setAlignment(Qt::AlignCenter);
        // The text itself is what a screen reader reads; the description says which panel it is.
        label->setAccessibleDescription(QStringLiteral("Status panel %1").arg(i + 1));
        panels_[i] = label;
    }
    resize(kClientWidth, kHeight);
}

void StatusPanels::resizeEvent(QResizeEvent* /*event*/) {
    panels_[0]->setGeometry(kLefts[0], 0, kLefts[1] - kGap, kHeight);
    panels_[1]->setGeometry(kLefts[1], 0, kLefts[2] - kLefts[1] - kGap, kHeight);
    panels_[2]->setGeometry(kLefts[2], 0, std::max(0, width() - kLefts[2]), kHeight);
}

void StatusPanels::SetTexts(const QString& title, const QString& mover, const QString& mode) {
    panels_[0]->setText(title);
    panels_[1]->setText(mover);
    panels_[2]->setText(mode);
}

QString StatusPanels::Text(int panel) const {
    return panels_.at(panel)->text();
}

}  // namespace zorvel::ui
