#pragma once

#include <functional>
#include <memory>

#include "sound_output.h"

namespace zorvel::sound {

// The program's sound output: loads the sound module from `folder` (by default the program's own)
// when asked to prepare or when the first sound plays, and plays through it from then on. Without
// the module every sound is the default one.
class ModuleSoundOutput final : public SoundOutput {
  public:
    // `beep` gives the default sound; by default the desktop's.
    explicit ModuleSoundOutput(QString folder = {}, std::function<void()> beep = {});
    ~ModuleSoundOutput() override;
    void Play(Sound sound) override;
    void Prepare() override;
    bool Preparing() const override { return output_ != nullptr && output_->Preparing(); }
    bool SoundsRead() const override { return output_ == nullptr || output_->SoundsRead(); }

  private:
    QString folder_;
    std::function<void()> beep_;
    bool loaded_ = false;
    std::unique_ptr<SoundOutput> output_;
};

}  // namespace zorvel::sound
