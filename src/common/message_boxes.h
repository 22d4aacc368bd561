#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

namespace zorvel::common {

enum class BoxKind { Question, Information, Error };

// The program's modal boxes. Windows are handed the boxes they show, so tests can answer them.
class MessageBoxes {
  public:
    virtual ~MessageBoxes() = default;
    // Shows a box of `kind` with `text`; true only when a question box is answered Yes.
    virtual bool Show(BoxKind kind, const QString& text) = 0;

    // A question box "警告" with はい(&Y) (default) and いいえ(&N); true only on Yes.
    bool AskQuestion(const QString& text) { return Show(BoxKind::Question, text); }
    // An information box "情報" with one OK button.
    void ShowInformation(const QString& text) { Show(BoxKind::Information, text); }
    // The error box of the general handler: caption "ZorVel", the error icon, one OK button.
    void ShowError(const QString& text);
};

// The boxes a person sees: centred on the screen once they have their size, and kept above the
// owner given, or, without one, above the window that is active when a box opens (the main
// window when none is).
class DesktopMessageBoxes final : public MessageBoxes {
  public:
    explicit DesktopMessageBoxes(QWidget* owner = nullptr) : owner_(owner) {}
    bool Show(BoxKind kind, const QString& text) override;

  private:
    QPointer<QWidget> owner_;
};

// The text an error box shows for an error's message: "." is added when the last character
// sorts above ".".
QString ErrorBoxText(const QString& message);

}  // namespace zorvel::common
