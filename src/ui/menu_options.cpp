#include "menu_options.h"

#include <QAction>
#include <array>

namespace zorvel::ui {

bool MenuOptions::OnePlayerMode() const {
    return menu_.G1P->isChecked();
}

bool MenuOptions::Side0First() const {
    return menu_.A1P->isChecked();
}

std::uint8_t MenuOptions::ImagePattern() const {
    const std::array<QAction*, 3> sets{menu_.Ptn0, menu_.Ptn1, menu_.Ptn2};
    for (std::uint8_t set = 0; set < sets.size(); ++set) {
        if (sets[set]->isChecked()) return set;
    }
    return 0;
}

bool MenuOptions::SoundOn() const {
    return menu_.Sound->isChecked();
}

unsigned MenuOptions::FramePause() const {
    return menu_.Speed->isChecked() ? 50 : 100;
}

}  // namespace zorvel::ui
