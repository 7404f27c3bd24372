// POSIX-only (BSD sockets): the raw-socket GET used as the floor of the loopback benchmarks.
#include <netdb.h>
#include <sys/socket.h>
#include <unistd.h>

#include <string>

#include "bench/posix/raw_get.h"

namespace {

constexpr std::string_view kScheme = "http://";

struct AddressParts {
    std::string host;
    std::string port;
    std::string target;
};

bool SplitAddress(std::string_view address, AddressParts& parts) {
    if (!address.starts_with(kScheme)) {
        return false;
    }
    address.remove_prefix(kScheme.size());
    const std::size_t slash = address.find('/');
    const std::string_view authority = address.substr(0, slash);
    parts.target = slash == std::string_view::npos ? "/" : std::string(address.substr(slash));
    const std::size_t colon = authority.rfind(':');
    parts.host = std::string(authority.substr(0, colon));
    parts.port = colon == std::string_view::npos ? "80" : std::string(authority.substr(colon + 1));
    return !parts.host.empty();
}

int Connect(const AddressParts& parts) {
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (getaddrinfo(parts.host.c_str(), parts.port.c_str(), &hints, &found) != 0) {
        return -1;
    }
    int descriptor = -1;
    for (const addrinfo* entry = found; entry != nullptr && descriptor < 0;
         entry = entry->ai_next) {
        descriptor = socket(entry->ai_family, entry->ai_socktype, entry->ai_protocol);
        if (descriptor >= 0 && connect(descriptor, entry->ai_addr, entry->ai_addrlen) != 0) {
            close(descriptor);
            descriptor = -1;
        }
    }
    freeaddrinfo(found);
    return descriptor;
}

bool SendAll(int descriptor, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t sent = send(descriptor, bytes.data(), bytes.size(), MSG_NOSIGNAL);
        if (sent <= 0) {
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(sent));
    }
    return true;
}

}  // namespace

std::string RawGet(std::string_view address) {
    AddressParts parts;
    if (!SplitAddress(address, parts)) {
        return std::string();
    }
    const int descriptor = Connect(parts);
    if (descriptor < 0) {
        return std::string();
    }
    const std::string request = "GET " + parts.target + " HTTP/1.0\r\nHost: " + parts.host + ":" +
                                parts.port + "\r\nAccept: */*\r\n\r\n";
    std::string response;
    if (SendAll(descriptor, request)) {
        char buffer[16384];
        ssize_t received = 0;
        while ((received = recv(descriptor, buffer, sizeof buffer, 0)) > 0) {
            response.append(buffer, static_cast<std::size_t>(received));
        }
    }
    close(descriptor);
    return response;
}
