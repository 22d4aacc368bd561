#pragma once

#include <QDialog>

class QKeyEvent;
class QShowEvent;

namespace zorvel::about {

// UnitAbout: the "ﾊﾞｰｼﾞｮﾝ情報" box of the Version command. It is created hidden at start-up and
// shown modally with exec(); OK, Enter and the close box close it, Escape does not.
class TAboutBox : public QDialog {
    Q_OBJECT

  public:
    // The topic of the help file that belongs to the box.
    static constexpr int kHelpContext = 9;

    explicit TAboutBox(QWidget* parent = nullptr);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void AddPanel();
    void AddOkButton();

    QWidget* okButton_ = nullptr;
};

}  // namespace zorvel::about
