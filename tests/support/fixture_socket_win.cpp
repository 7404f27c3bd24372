// The Windows socket calls of the fixture service (Winsock), for the test programs of the
// Windows build.
#include <winsock2.h>
#include <ws2tcpip.h>

#include <algorithm>

#include "tests/support/fixture_socket.h"

namespace {

SOCKET Native(SocketHandle socket) {
    return static_cast<SOCKET>(socket);
}

bool StartWinsock() {
    static const bool started = [] {
        WSADATA data;
        return WSAStartup(MAKEWORD(2, 2), &data) == 0;
    }();
    return started;
}

sockaddr_in LoopbackAddress(int port) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<u_short>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return address;
}

int BoundPort(SOCKET socket) {
    sockaddr_in bound{};
    int length = sizeof bound;
    if (getsockname(socket, reinterpret_cast<sockaddr*>(&bound), &length) != 0) {
        return -1;
    }
    return ntohs(bound.sin_port);
}

}  // namespace

SocketHandle ListenOnLoopback(int& port) {
    if (!StartWinsock()) {
        return kNoSocket;
    }
    const SOCKET listener = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (listener == INVALID_SOCKET) {
        return kNoSocket;
    }
    const sockaddr_in address = LoopbackAddress(0);
    if (bind(listener, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
        listen(listener, SOMAXCONN) != 0 || (port = BoundPort(listener)) < 0) {
        closesocket(listener);
        return kNoSocket;
    }
    return static_cast<SocketHandle>(listener);
}

SocketHandle AcceptConnection(SocketHandle listener) {
    for (;;) {
        const SOCKET connection = accept(Native(listener), nullptr, nullptr);
        if (connection != INVALID_SOCKET) {
            return static_cast<SocketHandle>(connection);
        }
        if (WSAGetLastError() != WSAECONNRESET) {
            return kNoSocket;
        }
    }
}

std::ptrdiff_t ReceiveSome(SocketHandle socket, char* buffer, std::size_t size) {
    const int wanted = static_cast<int>(std::min<std::size_t>(size, 1 << 30));
    return recv(Native(socket), buffer, wanted, 0);
}

bool SendAll(SocketHandle socket, std::string_view bytes) {
    while (!bytes.empty()) {
        const int wanted = static_cast<int>(std::min<std::size_t>(bytes.size(), 1 << 30));
        const int sent = send(Native(socket), bytes.data(), wanted, 0);
        if (sent <= 0) {
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(sent));
    }
    return true;
}

// Winsock does not wake an accept blocked on a listening socket when the socket is shut down
// (a listener is not connected and refuses the shutdown): a connection of its own wakes it.
void ShutdownSocket(SocketHandle socket) {
    if (shutdown(Native(socket), SD_BOTH) == 0 || WSAGetLastError() != WSAENOTCONN) {
        return;
    }
    const int port = BoundPort(Native(socket));
    const SOCKET waker = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (port < 0 || waker == INVALID_SOCKET) {
        return;
    }
    const sockaddr_in address = LoopbackAddress(port);
    connect(waker, reinterpret_cast<const sockaddr*>(&address), sizeof address);
    closesocket(waker);
}

void CloseSocket(SocketHandle socket) {
    closesocket(Native(socket));
}

void ResetSocket(SocketHandle socket) {
    const linger abortive{1, 0};
    setsockopt(Native(socket), SOL_SOCKET, SO_LINGER, reinterpret_cast<const char*>(&abortive),
               sizeof abortive);
    closesocket(Native(socket));
}
