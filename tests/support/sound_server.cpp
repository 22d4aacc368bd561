#include "sound_server.h"

#include <signal.h>

#include <QProcess>
#include <QProcessEnvironment>
#include <QThread>

#include "server_proxy.h"

namespace zorvel::test {
namespace {

QProcessEnvironment WithRuntimeDir(const QString& folder) {
    QProcessEnvironment environment = PastTheProxy();
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), folder);
    return environment;
}

bool Answers(const QString& runtimeDir) {
    QProcess pactl;
    pactl.setProcessEnvironment(WithRuntimeDir(runtimeDir));
    pactl.start(QStringLiteral("pactl"), {QStringLiteral("info")});
    return pactl.waitForFinished() && pactl.exitStatus() == QProcess::NormalExit &&
           pactl.exitCode() == 0;
}

}  // namespace

SoundServer::SoundServer() = default;

SoundServer::~SoundServer() {
    Stop();
    if (used_) qputenv("XDG_RUNTIME_DIR", previousRuntimeDir_);
}

QString SoundServer::Start() {
    if (!runtimeDir_.isValid()) return QStringLiteral("no runtime folder");
    QProcess shell;
    shell.setProcessEnvironment(WithRuntimeDir(runtimeDir_.path()));
    shell.start(QStringLiteral("bash"),
                {QStringLiteral("-c"),
                 QStringLiteral("source \"$1\" && zorvel_start_sound_server && "
                                "[ -n \"${ZORVEL_TEST_SINK:-}\" ] && echo \"$sound_server_group\""),
                 QStringLiteral("bash"), QStringLiteral(ZORVEL_SOUND_SCRIPT)});
    if (!shell.waitForFinished(30'000)) return QStringLiteral("scripts/sound.sh did not finish");
    group_ = -shell.readAllStandardOutput().trimmed().toLongLong();
    if (group_ <= 0) {
        group_ = 0;
        return QStringLiteral("no sound server could be started: ") +
               QString::fromLocal8Bit(shell.readAllStandardError()).trimmed();
    }
    return {};
}

void SoundServer::Stop() {
    if (group_ == 0) return;
    const auto group = static_cast<pid_t>(-group_);
    group_ = 0;
    ::kill(group, SIGTERM);
    // Gone once it neither answers nor runs: the server tidies its runtime folder as it ends.
    for (int tries = 0; tries < 500 && (Answers(runtimeDir_.path()) || ::kill(group, 0) == 0);
         ++tries)
        QThread::msleep(20);
}

void SoundServer::Use() {
    if (!used_) previousRuntimeDir_ = qgetenv("XDG_RUNTIME_DIR");
    used_ = true;
    qputenv("XDG_RUNTIME_DIR", runtimeDir_.path().toLocal8Bit());
}

}  // namespace zorvel::test
