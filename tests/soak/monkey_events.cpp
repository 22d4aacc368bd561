// The monkey's events: what a user can do to the program, each as a real one would do it.
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <cstdio>

#include "about_box.h"
#include "chm_help.h"
#include "form_debug.h"
#include "invariants.h"
#include "monkey.h"

namespace zorvel::soak {

using ui::MainMenu;

// A menu command: the item, the menu that opens before it and the submenu holding it, if any.
struct MenuItem {
    const char* name;
    QAction* MainMenu::*action;
    QMenu* MainMenu::*menu;
    QMenu* MainMenu::*submenu;
    int weight;
};

namespace {

constexpr int kMaxPendingPauses = 25;

constexpr MenuItem kMenuItems[] = {
    {"Start Game", &MainMenu::StartGame, &MainMenu::Game, nullptr, 14},
    {"Clear Game", &MainMenu::ClearGame, &MainMenu::Game, nullptr, 6},
    {"Exit", &MainMenu::Exit, &MainMenu::Game, nullptr, 1},
    {"Game Mode 1P", &MainMenu::G1P, &MainMenu::Option, &MainMenu::GameMode, 4},
    {"Game Mode 2P", &MainMenu::G2P, &MainMenu::Option, &MainMenu::GameMode, 4},
    {"First Attack GREEN", &MainMenu::A1P, &MainMenu::Option, &MainMenu::Attack, 3},
    {"First Attack RED", &MainMenu::A2P, &MainMenu::Option, &MainMenu::Attack, 3},
    {"Sound On", &MainMenu::Sound, &MainMenu::Option, nullptr, 3},
    {"High Speed", &MainMenu::Speed, &MainMenu::Option, nullptr, 3},
    {"Image Nomal", &MainMenu::Ptn0, &MainMenu::Option, &MainMenu::Image, 3},
    {"Image Star", &MainMenu::Ptn1, &MainMenu::Option, &MainMenu::Image, 3},
    {"Image Onigiri", &MainMenu::Ptn2, &MainMenu::Option, &MainMenu::Image, 3},
    {"Help", &MainMenu::Topic, &MainMenu::Help, nullptr, 1},
    {"Version", &MainMenu::Version, &MainMenu::Help, nullptr, 2},
};

struct KeyStroke {
    const char* name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    int weight;
};

constexpr KeyStroke kKeys[] = {
    {"Shift+F12", Qt::Key_F12, Qt::ShiftModifier, 6},
    {"F12", Qt::Key_F12, Qt::NoModifier, 2},
    {"Ctrl+Shift+F12", Qt::Key_F12, Qt::ShiftModifier | Qt::ControlModifier, 1},
    {"Alt+Shift+F12", Qt::Key_F12, Qt::ShiftModifier | Qt::AltModifier, 1},
    {"Shift+F11", Qt::Key_F11, Qt::ShiftModifier, 1},
    {"F1", Qt::Key_F1, Qt::NoModifier, 1},
    {"Escape", Qt::Key_Escape, Qt::NoModifier, 1},
    {"Return", Qt::Key_Return, Qt::NoModifier, 1},
    {"Space", Qt::Key_Space, Qt::NoModifier, 1},
    {"Left", Qt::Key_Left, Qt::NoModifier, 1},
    {"S", Qt::Key_S, Qt::NoModifier, 1},
};

void SendKey(QWidget& target, Qt::Key key, Qt::KeyboardModifiers modifiers,
             const QString& text = {}) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(&target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(&target, &release);
}

std::string Position(QPointF position) {
    char text[48];
    std::snprintf(text, sizeof text, "(%.1f, %.1f)", position.x(), position.y());
    return text;
}

}  // namespace

void Monkey::ClickLegalCell() {
    const GameData& game = form_.Game();
    const auto cells = game.GameState == 1 ? LegalCells(game.board, game.Turn)
                                           : std::vector<std::pair<int, int>>();
    if (cells.empty()) return ClickAnywhere();
    const auto [x, y] = cells[dice_.Below(static_cast<int>(cells.size()))];
    Press(QPointF(10 + (x - 1) * 40 + dice_.Real(0, 40), 10 + (y - 1) * 40 + dice_.Real(0, 40)),
          Qt::LeftButton);
}

// Anywhere in the client area: the board, its margins and the status bar.
void Monkey::ClickAnywhere() {
    static constexpr struct {
        Qt::MouseButton button;
        int weight;
    } kButtons[] = {{Qt::LeftButton, 8}, {Qt::RightButton, 1}, {Qt::MiddleButton, 1}};
    const QPointF position(dice_.Real(0, ui::kClientWidth), dice_.Real(0, ui::kClientHeight));
    Press(position, dice_.From(kButtons).button);
}

// The press goes where a real one would: to the widget under it, and on up from there.
void Monkey::Press(QPointF position, Qt::MouseButton button) {
    journal_.Event("mouse button " + std::to_string(button) + " at " + Position(position));
    QWidget& client = testing::ClientOf(form_);
    QWidget* target = client.childAt(position.toPoint());
    if (target == nullptr) target = &client;
    const QPointF local = position - QPointF(target->mapTo(&client, QPoint(0, 0)));
    const QPointF global = client.mapToGlobal(position);
    QMouseEvent press(QEvent::MouseButtonPress, local, global, button, button, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, local, global, button, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(target, &release);
}

void Monkey::Tick() {
    journal_.Event("timer tick");
    form_.TimerTimer();
}

void Monkey::ChooseMenuItem() {
    const MenuItem& item = dice_.From(kMenuItems);
    OpenMenuFor(item, "menu ");
    Pick(item);
}

// The menu opens now and stays open while the move goes on; the item is picked a few pauses
// later, with the greying of that moment.
void Monkey::ChooseMenuItemSlowly() {
    const MenuItem& item = dice_.From(kMenuItems);
    OpenMenuFor(item, "menu opened now, picked later: ");
    pending_ = PendingPick{&item, 1 + dice_.Below(kMaxPendingPauses)};
}

void Monkey::OpenMenuFor(const MenuItem& item, const char* how) {
    journal_.Event(how + std::string(item.name));
    emit(testing::MenuOf(form_).*item.menu)->aboutToShow();
}

void Monkey::PickPending() {
    const MenuItem& item = *pending_->item;
    pending_.reset();
    journal_.Note(std::string("picks ") + item.name + " from the open menu");
    ++journal_.depth;
    Pick(item);
    --journal_.depth;
}

void Monkey::Pick(const MenuItem& item) {
    const MainMenu menu = testing::MenuOf(form_);
    QAction* action = menu.*item.action;
    const bool usable = action->isEnabled() && (item.submenu == nullptr ||
                                                (menu.*item.submenu)->menuAction()->isEnabled());
    if (!usable) {
        journal_.Note("greyed out");
        return;
    }
    action->trigger();
}

void Monkey::TickUnderPopup() {
    QMenu* menu = dice_.Chance(0.5) ? testing::MenuOf(form_).Game : testing::MenuOf(form_).Option;
    journal_.Event("the " + menu->objectName().toStdString() + " menu pops up");
    menu->popup(form_.mapToGlobal(QPoint(0, 0)));
    if (QApplication::activePopupWidget() == menu) {
        ExpectNoMove("under an open menu", &Monkey::Tick);
    } else {
        journal_.Note("the menu did not open");
    }
    menu->close();
}

void Monkey::PressKey() {
    const KeyStroke& stroke = dice_.From(kKeys);
    journal_.Event(std::string("key ") + stroke.name);
    const bool debugShown = debug_.isVisible();
    SendKey(form_, stroke.key, stroke.modifiers);
    const bool showsDebug = stroke.key == Qt::Key_F12 && stroke.modifiers == Qt::ShiftModifier;
    if (showsDebug ? !debug_.isVisible() : debug_.isVisible() != debugShown)
        journal_.Fail(std::string(stroke.name) + " changed whether the debug window shows");
}

void Monkey::CloseSecondaryWindows() {
    journal_.Event("the debug and help windows are closed");
    debug_.close();
    if (auto* help = form_.findChild<QWidget*>(QStringLiteral("HelpWindow"))) help->close();
}

// The user may type into the debug window's memo or clear it.
void Monkey::EditDebugMemo() {
    auto* memo = debug_.findChild<QPlainTextEdit*>(QStringLiteral("Memo"));
    if (dice_.Chance(0.5)) {
        journal_.Event("the debug memo is cleared");
        memo->clear();
    } else {
        journal_.Event("x typed into the debug memo");
        SendKey(*memo, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
    }
}

void Monkey::RequestClose() {
    if (dice_.Chance(0.5)) {
        journal_.Event("the main window's close box");
        form_.close();
    } else {
        journal_.Event("menu Exit");
        testing::MenuOf(form_).Exit->trigger();
    }
    if (!form_.isVisible()) journal_.Fail("the main window closed although no one agreed");
}

void Monkey::ShowDebugWindow() {
    debug_.ShowOrRaise();
}

void Monkey::ShowHelpFile(const QString& fileName) {
    help::ShowHelpFile(&form_, fileName);
}

void Monkey::ShowAboutBox() {
    journal_.Note("the about box opens");
    QTimer::singleShot(0, &about_, [this] { WhileAboutBoxOpen(); });
    about_.exec();
    if (about_.isVisible()) journal_.Fail("the about box stays open");
}

void Monkey::WhileAboutBoxOpen() {
    if (QApplication::activeModalWidget() != &about_) journal_.Fail("the about box is not modal");
    ExpectNoMove("under the about box", &Monkey::Tick);
    SendKey(about_, Qt::Key_Escape, Qt::NoModifier);
    if (!about_.isVisible()) journal_.Fail("Escape closed the about box");
    switch (dice_.Below(3)) {
        case 0:
            journal_.Note("about box: OK");
            about_.findChild<QPushButton*>(QStringLiteral("OKButton"))->click();
            break;
        case 1:
            journal_.Note("about box: Return");
            SendKey(about_, Qt::Key_Return, Qt::NoModifier);
            break;
        default:
            journal_.Note("about box: its close box");
            about_.close();
    }
}

}  // namespace zorvel::soak
