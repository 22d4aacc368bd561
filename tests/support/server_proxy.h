#pragma once

#include <QByteArray>
#include <QProcessEnvironment>
#include <QString>
#include <atomic>
#include <thread>

namespace zorvel::test {

// This process's environment but for PULSE_SERVER: the test's own tools reach the server
// directly, past any proxy the program is given.
QProcessEnvironment PastTheProxy();

// Stands between the program and a sound server, on a thread of its own: the program reaches it
// as PULSE_SERVER names it, by TCP, so that nothing but bytes passes, and it carries each
// connection on to the server's socket. It counts the connections made to it and the bytes the
// program sends, and it can go away as a server does: it then ends the connections it carries and
// closes each new one at once, until it is back.
class ServerProxy {
  public:
    // `serverSocket`: the server's own socket, by default the one of XDG_RUNTIME_DIR.
    explicit ServerProxy(QString serverSocket = {});
    ~ServerProxy();
    ServerProxy(const ServerProxy&) = delete;
    ServerProxy& operator=(const ServerProxy&) = delete;

    // As PULSE_SERVER names it.
    QByteArray Name() const { return name_; }
    void SetAway(bool away) { away_ = away; }
    // Every connection the program has made to it, taken or closed at once.
    int Connections() const { return connections_; }
    // Every byte the program has sent the server.
    qint64 BytesSent() const { return bytesSent_; }

  private:
    void Run();

    QString serverSocket_;
    int listener_ = -1;
    QByteArray name_;
    std::atomic<bool> away_ = false;
    std::atomic<bool> stopping_ = false;
    std::atomic<int> connections_ = 0;
    std::atomic<qint64> bytesSent_ = 0;
    std::thread thread_;
};

}  // namespace zorvel::test
