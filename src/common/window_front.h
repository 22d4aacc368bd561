#pragma once

class QWidget;

namespace zorvel::common {

// Shows a window of the program, or brings it to the front when it is shown already, minimised
// included. A Wayland client may neither raise nor restore a window it has shown: there the window
// is shown anew, which the compositor treats as a new window and puts in front.
void ShowInFront(QWidget& window);

}  // namespace zorvel::common
