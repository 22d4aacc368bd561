#pragma once

#include <QMainWindow>
#include <functional>
#include <memory>

#include "beat_timer.h"
#include "board_picture.h"
#include "board_view.h"
#include "debug_log_relay.h"
#include "game_data.h"
#include "game_flow.h"
#include "main_menu.h"
#include "menu_options.h"
#include "message_boxes.h"
#include "pacer.h"
#include "secondary_windows.h"
#include "sound_output.h"

namespace zorvel::ui {

class ClientArea;
class StatusPanels;

// The main window "Zorblin Veltor": the shell around the board, the menus and the status bar,
// and the commands and events it passes to the game's flow.
class TFormVel final : public QMainWindow {
    Q_OBJECT

  public:
    // The boxes are made for the window once it exists, so that they can be kept above it.
    using MessageBoxesFor = std::function<std::unique_ptr<common::MessageBoxes>(QWidget* owner)>;

    // The board is drawn into `picture`, which is empty until FormCreate.
    TFormVel(std::unique_ptr<BoardPicture> picture, std::unique_ptr<Pacer> pacer,
             std::unique_ptr<sound::SoundOutput> sound, const MessageBoxesFor& boxesFor);
    ~TFormVel() override;

    // Initialises the tables, the pictures and the board. Throws when the pattern file cannot be
    // used; the window then opens without pictures and no game can be started. Throws at the end,
    // with everything ready, when the high-resolution pattern file cannot be read.
    void FormCreate();
    // The debug window, about box and help; none (null) until they are made.
    void AttachSecondaryWindows(SecondaryWindows* windows);

    // Menu commands and events, as the menus, the mouse and the timer call them.
    void StartGameClick();
    void ClearGameClick();
    void ExitClick();
    void MenuClick();
    void GModeClick(QAction* item);
    void FAttackClick(QAction* item);
    void ImgPtnClick(QAction* item);
    void TopicClick();
    void VersionClick();
    void FormMouseDown(QPointF position);
    void TimerTimer();

    // What the board shows, as screen readers name its cells.
    const GameData& Game() const { return flow_->Game(); }

  signals:
    // The user agreed to end the program.
    void Closed();

  protected:
    void closeEvent(QCloseEvent* event) override;   // FormCloseQuery
    void keyPressEvent(QKeyEvent* event) override;  // FormKeyDown
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    void ConnectMenu();
    // Enables the menu items for whether a game runs: on opening a menu and on every change.
    void OfferMenuItems();
    // The timer ticks only while the computer's turn could start on a tick.
    void FollowComputerTurn();
    void FollowWindowState();

    std::unique_ptr<BoardPicture> picture_;
    std::unique_ptr<Pacer> pacer_;
    std::unique_ptr<sound::SoundOutput> sound_;
    std::unique_ptr<common::MessageBoxes> boxes_;
    MainMenu menu_;
    MenuOptions options_{menu_};
    ClientArea* client_ = nullptr;
    StatusPanels* statusBar_ = nullptr;
    DebugLogRelay log_;
    // Made once the client area and the status bar they show the game on are.
    std::unique_ptr<BoardView> view_;
    std::unique_ptr<GameFlow> flow_;
    BeatTimer* timer_ = nullptr;
    SecondaryWindows* windows_ = nullptr;
    bool centred_ = false;
    bool soundPrepared_ = false;
};

}  // namespace zorvel::ui
