#pragma once

class QWidget;

namespace zorvel::common {

// Moves a top-level window so that its frame, title bar included, lies centred on its screen, and
// once more when the window manager frames it with margins other than the ones expected.
void CentreFrameOnScreen(QWidget& window);

}  // namespace zorvel::common
