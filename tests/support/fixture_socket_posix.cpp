// The one POSIX-only place of the test support: the socket calls of the fixture service.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>

#include "tests/support/fixture_socket.h"

namespace {

int Descriptor(SocketHandle socket) {
    return static_cast<int>(socket);
}

int BoundPort(int descriptor) {
    sockaddr_in bound{};
    socklen_t length = sizeof bound;
    if (getsockname(descriptor, reinterpret_cast<sockaddr*>(&bound), &length) != 0) {
        return -1;
    }
    return ntohs(bound.sin_port);
}

}  // namespace

SocketHandle ListenOnLoopback(int& port) {
    // Close-on-exec: a program the tests start (and a daemon it starts, such as Wine's server)
    // must not keep the service's sockets open after the service closes them.
    const int descriptor = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (descriptor < 0) {
        return kNoSocket;
    }
    sockaddr_in address{};  // port 0: the system chooses
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (bind(descriptor, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
        listen(descriptor, SOMAXCONN) != 0 || (port = BoundPort(descriptor)) < 0) {
        close(descriptor);
        return kNoSocket;
    }
    return descriptor;
}

SocketHandle AcceptConnection(SocketHandle listener) {
    for (;;) {
        const int descriptor = accept4(Descriptor(listener), nullptr, nullptr, SOCK_CLOEXEC);
        if (descriptor >= 0) {
            return descriptor;
        }
        if (errno != EINTR && errno != ECONNABORTED) {
            return kNoSocket;
        }
    }
}

std::ptrdiff_t ReceiveSome(SocketHandle socket, char* buffer, std::size_t size) {
    for (;;) {
        const ssize_t received = recv(Descriptor(socket), buffer, size, 0);
        if (received >= 0 || errno != EINTR) {
            return received;
        }
    }
}

bool SendAll(SocketHandle socket, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t sent = send(Descriptor(socket), bytes.data(), bytes.size(), MSG_NOSIGNAL);
        if (sent < 0 && errno == EINTR) {
            continue;
        }
        if (sent <= 0) {
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(sent));
    }
    return true;
}

void ShutdownSocket(SocketHandle socket) {
    shutdown(Descriptor(socket), SHUT_RDWR);
}

void CloseSocket(SocketHandle socket) {
    close(Descriptor(socket));
}

void ResetSocket(SocketHandle socket) {
    const linger abortive{1, 0};
    setsockopt(Descriptor(socket), SOL_SOCKET, SO_LINGER, &abortive, sizeof abortive);
    close(Descriptor(socket));
}
