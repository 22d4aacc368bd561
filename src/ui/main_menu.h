#pragma once

class QAction;
class QActionGroup;
class QMenu;
class QMenuBar;

namespace zorvel::ui {

// The menu bar's items, named as the code refers to them. The options are their check marks.
struct MainMenu {
    QMenu* Game = nullptr;
    QAction* StartGame = nullptr;
    QAction* ClearGame = nullptr;
    QAction* Exit = nullptr;

    QMenu* Option = nullptr;
    QMenu* GameMode = nullptr;
    QAction* G1P = nullptr;
    QAction* G2P = nullptr;
    QMenu* Attack = nullptr;
    QAction* A1P = nullptr;
    QAction* A2P = nullptr;
    QAction* Sound = nullptr;
    QAction* Speed = nullptr;
    QMenu* Image = nullptr;
    QAction* Ptn0 = nullptr;
    QAction* Ptn1 = nullptr;
    QAction* Ptn2 = nullptr;

    // The one-of-many choices: each group keeps exactly one of its items checked.
    QActionGroup* GameModes = nullptr;
    QActionGroup* Attacks = nullptr;
    QActionGroup* ImagePatterns = nullptr;

    QMenu* Help = nullptr;
    QAction* Topic = nullptr;
    QAction* Version = nullptr;
};

// Fills the bar with the Game, Option and Help menus and their start check marks. No item has a
// shortcut beyond its underlined letter.
MainMenu BuildMainMenu(QMenuBar* bar);

}  // namespace zorvel::ui
