#pragma once

#include <QString>
#include <QTemporaryDir>

namespace zorvel::test {

// A sound server of its own in a runtime folder of its own, started as scripts/test starts one
// (scripts/sound.sh: PipeWire with its PulseAudio service and a null sink as the default), and
// stopped and started again as a user's session restarts it. The programs that are to use it need
// XDG_RUNTIME_DIR set to RuntimeDir(); Use() does that for this process while it lives.
class SoundServer {
  public:
    static constexpr char kSink[] = "zorvel_tests";

    SoundServer();
    ~SoundServer();
    SoundServer(const SoundServer&) = delete;
    SoundServer& operator=(const SoundServer&) = delete;

    // Starts it and returns once it answers with its sink the default; else why it could not.
    QString Start();
    // Returns once it no longer answers.
    void Stop();
    // From now on this process, and the programs it starts, use this server.
    void Use();

  private:
    QTemporaryDir runtimeDir_;
    qint64 group_ = 0;  // the processes of the running server
    QByteArray previousRuntimeDir_;
    bool used_ = false;
};

}  // namespace zorvel::test
