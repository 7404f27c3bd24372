// Blocking TCP sockets on the loopback interface, as the fixture service uses them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

using SocketHandle = std::intptr_t;
inline constexpr SocketHandle kNoSocket = -1;

// A listening socket on 127.0.0.1 with a port the system chose; kNoSocket on failure.
SocketHandle ListenOnLoopback(int& port);

// The next connection; kNoSocket once the listener is shut down or fails.
SocketHandle AcceptConnection(SocketHandle listener);

// Bytes received (> 0), 0 at the peer's orderly close, < 0 on an error or a shutdown.
std::ptrdiff_t ReceiveSome(SocketHandle socket, char* buffer, std::size_t size);

// False when the peer is gone.
bool SendAll(SocketHandle socket, std::string_view bytes);

// Wakes every call blocked on the socket; the handle stays valid until closed.
void ShutdownSocket(SocketHandle socket);

void CloseSocket(SocketHandle socket);

// Closes so that the peer sees a connection reset instead of an orderly end.
void ResetSocket(SocketHandle socket);

// A loopback port on which nothing listens (it was free a moment ago).
inline int UnusedLoopbackPort() {
    int port = -1;
    const SocketHandle probe = ListenOnLoopback(port);
    if (probe != kNoSocket) {
        CloseSocket(probe);
    }
    return port;
}
