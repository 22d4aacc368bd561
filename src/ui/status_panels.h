#pragma once

#include <QWidget>
#include <array>

class QLabel;

namespace zorvel::ui {

// The status bar: three sunken panels of 120, 120 and 110 pixels with centred texts, the last one
// running to the right edge. The panels are labels, so screen readers read their texts.
class StatusPanels final : public QWidget {
    Q_OBJECT

  public:
    static constexpr int kHeight = 19;

    explicit StatusPanels(QWidget* parent);
    void SetTexts(const QString& title, const QString& mover, const QString& mode);
    QString Text(int panel) const;

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    std::array<QLabel*, 3> panels_{};
};

}  // namespace zorvel::ui
