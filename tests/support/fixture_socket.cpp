// The socket calls of the fixture service: POSIX sockets, or Winsock in the Windows build.
#ifdef _WIN32
#include <winsock2.h>
#include <ws2tcpip.h>
#else
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#endif

#include <algorithm>
#include <mutex>

#include "tests/support/fixture_socket.h"

namespace {

#ifdef _WIN32
using Native = SOCKET;
using Length = int;
constexpr int kSendFlags = 0;
constexpr Native kInvalid = INVALID_SOCKET;

Native NewSocket() {
    static std::once_flag once;
    std::call_once(once, [] {
        WSADATA data;
        WSAStartup(MAKEWORD(2, 2), &data);
    });
    return socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
}

Native AcceptNative(Native listener) {
    return accept(listener, nullptr, nullptr);
}

// Whether a failed accept is to be made again: a connection reset before it was accepted.
bool AcceptAgain() {
    return WSAGetLastError() == WSAECONNRESET;
}

bool Interrupted() {
    return false;
}

void CloseNative(Native socket) {
    closesocket(socket);
}
#else
using Native = int;
using Length = socklen_t;
constexpr int kSendFlags = MSG_NOSIGNAL;
constexpr Native kInvalid = -1;

// Close-on-exec: a program the tests start (and a daemon it starts, such as Wine's server) must
// not keep the service's sockets open after the service closes them.
Native NewSocket() {
    return socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
}

Native AcceptNative(Native listener) {
    return accept4(listener, nullptr, nullptr, SOCK_CLOEXEC);
}

bool Interrupted() {
    return errno == EINTR;
}

// Whether a failed accept is to be made again: interrupted, or a connection aborted before it
// was accepted.
bool AcceptAgain() {
    return Interrupted() || errno == ECONNABORTED;
}

void CloseNative(Native socket) {
    close(socket);
}
#endif

Native ToNative(SocketHandle socket) {
    return static_cast<Native>(socket);
}

sockaddr_in LoopbackAddress(int port) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return address;
}

int BoundPort(Native socket) {
    sockaddr_in bound{};
    Length length = sizeof bound;
    if (getsockname(socket, reinterpret_cast<sockaddr*>(&bound), &length) != 0) {
        return -1;
    }
    return ntohs(bound.sin_port);
}

// At most this many bytes per call: Winsock counts them in an int.
int Portion(std::size_t size) {
    return static_cast<int>(std::min<std::size_t>(size, 1 << 30));
}

}  // namespace

SocketHandle ListenOnLoopback(int& port) {
    const Native listener = NewSocket();
    if (listener == kInvalid) {
        return kNoSocket;
    }
    const sockaddr_in address = LoopbackAddress(0);
    if (bind(listener, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
        listen(listener, SOMAXCONN) != 0 || (port = BoundPort(listener)) < 0) {
        CloseNative(listener);
        return kNoSocket;
    }
    return static_cast<SocketHandle>(listener);
}

SocketHandle AcceptConnection(SocketHandle listener) {
    for (;;) {
        const Native connection = AcceptNative(ToNative(listener));
        if (connection != kInvalid) {
            return static_cast<SocketHandle>(connection);
        }
        if (!AcceptAgain()) {
            return kNoSocket;
        }
    }
}

std::ptrdiff_t ReceiveSome(SocketHandle socket, char* buffer, std::size_t size) {
    for (;;) {
        const auto received = recv(ToNative(socket), buffer, Portion(size), 0);
        if (received >= 0 || !Interrupted()) {
            return received;
        }
    }
}

bool SendAll(SocketHandle socket, std::string_view bytes) {
    while (!bytes.empty()) {
        const auto sent = send(ToNative(socket), bytes.data(), Portion(bytes.size()), kSendFlags);
        if (sent <= 0 && !(sent < 0 && Interrupted())) {
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(std::max<decltype(sent)>(sent, 0)));
    }
    return true;
}

void ShutdownSocket(SocketHandle socket) {
#ifdef _WIN32
    // Winsock does not wake an accept blocked on a listening socket when the socket is shut
    // down (a listener is not connected and refuses the shutdown): a connection of its own
    // wakes it.
    if (shutdown(ToNative(socket), SD_BOTH) == 0 || WSAGetLastError() != WSAENOTCONN) {
        return;
    }
    const int port = BoundPort(ToNative(socket));
    const Native waker = NewSocket();
    if (port >= 0 && waker != kInvalid) {
        const sockaddr_in address = LoopbackAddress(port);
        connect(waker, reinterpret_cast<const sockaddr*>(&address), sizeof address);
    }
    if (waker != kInvalid) {
        CloseNative(waker);
    }
#else
    shutdown(ToNative(socket), SHUT_RDWR);
#endif
}

void CloseSocket(SocketHandle socket) {
    CloseNative(ToNative(socket));
}

void ResetSocket(SocketHandle socket) {
    const linger abortive{1, 0};
    setsockopt(ToNative(socket), SOL_SOCKET, SO_LINGER, reinterpret_cast<const char*>(&abortive),
               sizeof abortive);
    CloseNative(ToNative(socket));
}

int UnusedLoopbackPort() {
    int port = -1;
    const SocketHandle probe = ListenOnLoopback(port);
    if (probe != kNoSocket) {
        CloseSocket(probe);
    }
    return port;
}
