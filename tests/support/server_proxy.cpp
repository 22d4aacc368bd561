#include "server_proxy.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QtGlobal>
#include <vector>

namespace zorvel::test {
namespace {

// One connection carried: the program's end and the server's.
struct Carried {
    int program;
    int server;
};

int ConnectTo(const QString& path) {
    const int server = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    qstrncpy(address.sun_path, name.constData(), sizeof address.sun_path);
    if (::connect(server, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0)
        return server;
    ::close(server);
    return -1;
}

// Passes what `from` has on to `to`; false once either end is closed.
bool Pass(int from, int to, qint64* counted) {
    char bytes[65536];
    const ssize_t read = ::read(from, bytes, sizeof bytes);
    if (read <= 0) return false;
    if (counted != nullptr) *counted += read;
    for (ssize_t written = 0; written < read;) {
        const ssize_t now = ::write(to, bytes + written, read - written);
        if (now <= 0) return false;
        written += now;
    }
    return true;
}

}  // namespace

QProcessEnvironment PastTheProxy() {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("PULSE_SERVER"));
    return environment;
}

ServerProxy::ServerProxy(QString serverSocket)
    : serverSocket_(serverSocket.isEmpty()
                        ? QDir(qEnvironmentVariable("XDG_RUNTIME_DIR")).filePath("pulse/native")
                        : std::move(serverSocket)),
      listener_(::socket(AF_INET, SOCK_STREAM, 0)) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    auto* any = reinterpret_cast<sockaddr*>(&address);
    if (::bind(listener_, any, length) != 0 || ::listen(listener_, 8) != 0 ||
        ::getsockname(listener_, any, &length) != 0)
        qFatal("cannot listen as a sound server's proxy");
    name_ = "tcp:127.0.0.1:" + QByteArray::number(ntohs(address.sin_port));
    thread_ = std::thread([this] { Run(); });
}

ServerProxy::~ServerProxy() {
    stopping_ = true;
    thread_.join();
    ::close(listener_);
}

void ServerProxy::Run() {
    std::vector<Carried> carried;
    const auto end = [](const Carried& connection) {
        ::close(connection.program);
        ::close(connection.server);
    };
    while (!stopping_) {
        if (away_) {
            for (const Carried& connection : carried) end(connection);
            carried.clear();
        }
        std::vector<pollfd> watched{{listener_, POLLIN, 0}};
        for (const Carried& connection : carried) {
            watched.push_back({connection.program, POLLIN, 0});
            watched.push_back({connection.server, POLLIN, 0});
        }
        // Wakes now and then to see whether it is to go away or to stop.
        if (::poll(watched.data(), watched.size(), 20) <= 0) continue;
        std::vector<Carried> still;
        for (std::size_t i = 0; i < carried.size(); ++i) {
            const Carried& connection = carried[i];
            const short fromProgram = watched[1 + 2 * i].revents;
            const short fromServer = watched[2 + 2 * i].revents;
            qint64 sent = 0;
            const bool open =
                (fromProgram == 0 || Pass(connection.program, connection.server, &sent)) &&
                (fromServer == 0 || Pass(connection.server, connection.program, nullptr));
            bytesSent_ += sent;
            if (open)
                still.push_back(connection);
            else
                end(connection);
        }
        carried = std::move(still);
        if (watched[0].revents != 0) {
            const int program = ::accept(listener_, nullptr, nullptr);
            if (program < 0) continue;
            ++connections_;
            const int server = away_ ? -1 : ConnectTo(serverSocket_);
            if (server < 0)
                ::close(program);
            else
                carried.push_back({program, server});
        }
    }
    for (const Carried& connection : carried) end(connection);
}

}  // namespace zorvel::test
