#pragma once

class QWidget;

namespace zorvel::ui {

// Moves a top-level window so that its frame, title bar included, lies centred on its screen.
void CentreFrameOnScreen(QWidget& window);

}  // namespace zorvel::ui
