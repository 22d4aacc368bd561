#pragma once

// The real main window with scripted pacing, no sound and boxes answered by the test.
#include <QAction>
#include <QDir>
#include <QImage>
#include <QMenu>
#include <QTemporaryDir>
#include <QTimer>
#include <deque>
#include <functional>
#include <memory>
#include <vector>

#include "board_geometry.h"
#include "client_area.h"
#include "form_vel.h"
#include "menu_options.h"
#include "message_boxes.h"
#include "status_panels.h"

namespace zorvel::testing {

class ScriptedPacer : public ui::Pacer {
  public:
    void Pause(unsigned ms) override {
        pauses.push_back(ms);
        if (onPause) onPause(pauses.size() - 1);
    }
    std::vector<unsigned> pauses;
    std::function<void(std::size_t index)> onPause;
};

class SilentSound : public sound::SoundOutput {
  public:
    void Play(sound::Sound sound) override { played.push_back(sound::FileOf(sound)); }
    void Prepare() override { ++prepared; }
    std::vector<QString> played;
    int prepared = 0;
};

// Boxes answered by a function instead of a person; Yes when there is none.
class AnsweringBoxes : public common::MessageBoxes {
  public:
    bool Show(common::BoxKind kind, const QString& text) override {
        return answer ? answer(kind, text) : true;
    }
    std::function<bool(common::BoxKind kind, const QString& text)> answer;
};

struct ShownBox {
    common::BoxKind kind;
    QString text;
};

// Every frame of set r, frame f is filled with FrameColour(r, f), but for a teal corner.
inline QRgb FrameColour(int set, int frame) {
    return qRgb(5 + frame * 20, 40 + set * 70, 200);
}
constexpr int kTealCorner = 6;

inline QImage MakePattern(int width = 440, int height = 120) {
    QImage pattern(std::max(width, 440), std::max(height, 120), QImage::Format_RGB32);
    pattern.fill(Qt::black);
    for (int set = 0; set < 3; ++set) {
        for (int frame = 0; frame < 11; ++frame) {
            for (int y = 0; y < 40; ++y) {
                for (int x = 0; x < 40; ++x) {
                    const bool teal = x < kTealCorner && y < kTealCorner;
                    pattern.setPixel(frame * 40 + x, set * 40 + y,
                                     teal ? qRgb(0, 128, 128) : FrameColour(set, frame));
                }
            }
        }
    }
    return pattern.copy(0, 0, width, height);
}

// A part of the main window, found by the name the window gives it.
template <typename Part>
Part& Named(const QObject& form, const char* name) {
    Part* part = form.findChild<Part*>(QString::fromLatin1(name));
    Q_ASSERT(part != nullptr);
    return *part;
}

inline ui::ClientArea& ClientOf(const QObject& form) {
    return Named<ui::ClientArea>(form, "ClientArea");
}
inline ui::StatusPanels& StatusBarOf(const QObject& form) {
    return Named<ui::StatusPanels>(form, "StatusBar");
}
inline ui::BeatTimer& TimerOf(const QObject& form) {
    return Named<ui::BeatTimer>(form, "Timer");
}

// The menu bar's items, found by their names.
inline ui::MainMenu MenuOf(const QObject& form) {
    ui::MainMenu m;
    m.Game = &Named<QMenu>(form, "Game");
    m.StartGame = &Named<QAction>(form, "StartGame");
    m.ClearGame = &Named<QAction>(form, "ClearGame");
    m.Exit = &Named<QAction>(form, "Exit");
    m.Option = &Named<QMenu>(form, "Option");
    m.GameMode = &Named<QMenu>(form, "GameMode");
    m.G1P = &Named<QAction>(form, "G1P");
    m.G2P = &Named<QAction>(form, "G2P");
    m.Attack = &Named<QMenu>(form, "Attack");
    m.A1P = &Named<QAction>(form, "A1P");
    m.A2P = &Named<QAction>(form, "A2P");
    m.Sound = &Named<QAction>(form, "Sound");
    m.Speed = &Named<QAction>(form, "Speed");
    m.Image = &Named<QMenu>(form, "Image");
    m.Ptn0 = &Named<QAction>(form, "Ptn0");
    m.Ptn1 = &Named<QAction>(form, "Ptn1");
    m.Ptn2 = &Named<QAction>(form, "Ptn2");
    m.GameModes = m.G1P->actionGroup();
    m.Attacks = m.A1P->actionGroup();
    m.ImagePatterns = m.Ptn0->actionGroup();
    m.Help = &Named<QMenu>(form, "Help");
    m.Topic = &Named<QAction>(form, "Topic");
    m.Version = &Named<QAction>(form, "Version");
    return m;
}

// The image set the next stones are drawn from, as the game reads it from the menu.
inline std::uint8_t ImagePatternOf(const QObject& form) {
    const ui::MainMenu menu = MenuOf(form);
    return ui::MenuOptions(menu).ImagePattern();
}

// A main window created in a scratch folder that holds a test pattern file.
class WindowHarness {
  public:
    WindowHarness() : previousDir_(QDir::currentPath()) {
        QDir::setCurrent(folder_.path());
        MakePattern().save(folder_.filePath(QStringLiteral("ZorPatn.bmp")), "BMP");
        auto picture = std::make_unique<ui::BoardPicture>();
        auto pacer = std::make_unique<ScriptedPacer>();
        auto sound = std::make_unique<SilentSound>();
        auto answering = std::make_unique<AnsweringBoxes>();
        picture_ = picture.get();
        pacer_ = pacer.get();
        sound_ = sound.get();
        boxes_ = answering.get();
        boxes_->answer = [this](common::BoxKind kind, const QString& text) {
            return Answer(kind, text);
        };
        form = std::make_unique<ui::TFormVel>(
            std::move(picture), std::move(pacer), std::move(sound),
            [&answering](QWidget* /*owner*/) { return std::move(answering); });
        TimerOf(*form).stop();  // ticks come from the test
    }
    ~WindowHarness() {
        form.reset();
        QDir::setCurrent(previousDir_);
    }

    void Create() { form->FormCreate(); }
    void ClickCell(int x, int y) { form->FormMouseDown(QRectF(ui::CellSquare(x, y)).center()); }
    // The picture the window draws the board into.
    const ui::BoardPicture& Picture() const { return *picture_; }
    ScriptedPacer& Pacer() { return *pacer_; }
    SilentSound& Sound() { return *sound_; }
    // The window's boxes: by default they record each box in `boxes` and give the next of
    // `answers`.
    AnsweringBoxes& Boxes() { return *boxes_; }
    QString Folder() const { return folder_.path(); }

    std::unique_ptr<ui::TFormVel> form;
    std::deque<bool> answers;
    std::vector<ShownBox> boxes;

  private:
    bool Answer(common::BoxKind kind, const QString& text) {
        boxes.push_back({kind, text});
        if (answers.empty()) return true;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }

    QString previousDir_;
    QTemporaryDir folder_;
    ui::BoardPicture* picture_ = nullptr;
    ScriptedPacer* pacer_ = nullptr;
    SilentSound* sound_ = nullptr;
    AnsweringBoxes* boxes_ = nullptr;
};

// The colour a cell of the board picture shows in its middle.
inline QRgb CellColour(const ui::BoardPicture& picture, int x, int y) {
    return picture.Bitmap()->pixel((x - 1) * 40 + 20, (y - 1) * 40 + 20);
}

}  // namespace zorvel::testing
