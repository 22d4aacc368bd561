#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace zorvel::ui {

enum class BoxKind { Question, Information, Error };

// A modal question box "警告" with はい(&Y) (default) and いいえ(&N); true only on Yes.
bool AskQuestion(const QString& text);
// A modal information box "情報" with one OK button.
void ShowInformation(const QString& text);
// The error box of the general handler: caption "ZorVel", the error icon, one OK button.
void ShowError(const QString& text);

// The text an error box shows for an error's message: "." is added when the last character
// sorts above ".".
QString ErrorBoxText(const QString& message);

// The main window, which every box from now on stays above; none when null or destroyed.
void SetBoxOwner(QWidget* mainWindow);

// Lets tests answer the boxes instead of a person: while set, no box is shown and the answerer's
// result counts as the Yes (true) or No (false) of a question box.
using BoxAnswerer = std::function<bool(BoxKind kind, const QString& text)>;
void SetBoxAnswerer(BoxAnswerer answerer);

}  // namespace zorvel::ui
