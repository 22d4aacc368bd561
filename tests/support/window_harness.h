#pragma once

// The real main window with scripted pacing, no sound and boxes answered by the test.
#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QTimer>
#include <deque>
#include <functional>
#include <memory>
#include <vector>

#include "board_geometry.h"
#include "form_vel.h"
#include "message_boxes.h"

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
    void Play(const QString& fileName) override { played.push_back(fileName); }
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

// A main window created in a scratch folder that holds a test pattern file.
class WindowHarness {
  public:
    WindowHarness() : previousDir_(QDir::currentPath()) {
        QDir::setCurrent(folder_.path());
        MakePattern().save(folder_.filePath(QStringLiteral("ZorPatn.bmp")), "BMP");
        auto pacer = std::make_unique<ScriptedPacer>();
        auto sound = std::make_unique<SilentSound>();
        auto answering = std::make_unique<AnsweringBoxes>();
        pacer_ = pacer.get();
        sound_ = sound.get();
        boxes_ = answering.get();
        boxes_->answer = [this](common::BoxKind kind, const QString& text) {
            return Answer(kind, text);
        };
        form = std::make_unique<ui::TFormVel>(
            std::move(pacer), std::move(sound),
            [&answering](QWidget* /*owner*/) { return std::move(answering); });
        form->Timer().stop();  // ticks come from the test
    }
    ~WindowHarness() {
        form.reset();
        QDir::setCurrent(previousDir_);
    }

    void Create() { form->FormCreate(); }
    void ClickCell(int x, int y) { form->FormMouseDown(QRectF(ui::CellSquare(x, y)).center()); }
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
    ScriptedPacer* pacer_ = nullptr;
    SilentSound* sound_ = nullptr;
    AnsweringBoxes* boxes_ = nullptr;
};

// The colour a cell of the board picture shows in its middle.
inline QRgb CellColour(const ui::TFormVel& form, int x, int y) {
    return form.Picture().Bitmap()->pixel((x - 1) * 40 + 20, (y - 1) * 40 + 20);
}

}  // namespace zorvel::testing
