#include "tests/support/fixture_service.h"

#include <algorithm>
#include <stdexcept>

#include "text/chrono_shim.h"

namespace {

constexpr std::string_view kHeadEnd = "\r\n\r\n";
constexpr std::size_t kMaxHeadBytes = 64 * 1024;
constexpr int kAcceptRetryMs = 10;
// Undripped responses go out in slices of this size, so that a client that stops reading is
// seen within one slice of where it stopped.
constexpr std::size_t kSendSlice = 64 * 1024;

// The request head, without the blank line that ends it; empty when the client sent none.
std::string ReadRequestHead(SocketHandle connection) {
    std::string received;
    char buffer[4096];
    while (received.size() < kMaxHeadBytes) {
        const std::ptrdiff_t count = ReceiveSome(connection, buffer, sizeof buffer);
        if (count <= 0) {
            return std::string();
        }
        received.append(buffer, static_cast<std::size_t>(count));
        const std::size_t end = received.find(kHeadEnd);
        if (end != std::string::npos) {
            return received.substr(0, end);
        }
    }
    return std::string();
}

}  // namespace

FixtureService::FixtureService() {
    listener_ = ListenOnLoopback(port_);
    if (listener_ == kNoSocket) {
        throw std::runtime_error("fixture service: no loopback port");
    }
    SetDefaultReply(BodyReply("<html><body>not found</body></html>", 404));
    acceptor_ = std::thread([this] { AcceptConnections(); });
}

FixtureService::~FixtureService() {
    Stop();
}

void FixtureService::SetDefaultReply(FixtureReply reply) {
    SetReplyMaker([reply = std::move(reply)](const RecordedRequest&) { return reply; });
}

void FixtureService::SetReplyMaker(ReplyMaker maker) {
    const std::lock_guard lock(mutex_);
    default_maker_ = std::move(maker);
}

void FixtureService::SetReplyForNumber(std::string number, FixtureReply reply) {
    const std::lock_guard lock(mutex_);
    number_routes_[std::move(number)] = std::move(reply);
}

void FixtureService::SetRequestDelay(int milliseconds) {
    const std::lock_guard lock(mutex_);
    request_delay_ms_ = milliseconds;
}

std::vector<RecordedRequest> FixtureService::Requests() const {
    const std::lock_guard lock(mutex_);
    return requests_;
}

std::vector<std::size_t> FixtureService::SentByteCounts() const {
    const std::lock_guard lock(mutex_);
    return sent_byte_counts_;
}

std::size_t FixtureService::RequestCount() const {
    const std::lock_guard lock(mutex_);
    return requests_.size();
}

bool FixtureService::WaitForRequests(std::size_t count, int limit_seconds) const {
    std::unique_lock lock(mutex_);
    changed_.wait_for(lock, std::chrono::seconds(limit_seconds),
                      [&] { return stopping_ || requests_.size() >= count; });
    return requests_.size() >= count;
}

void FixtureService::Stop() {
    {
        const std::lock_guard lock(mutex_);
        if (stopping_) {
            return;
        }
        stopping_ = true;
        for (const SocketHandle connection : open_connections_) {
            ShutdownSocket(connection);
        }
    }
    changed_.notify_all();
    ShutdownSocket(listener_);
    acceptor_.join();
    for (Worker& worker : workers_) {
        worker.thread.join();
    }
    workers_.clear();
    CloseSocket(listener_);
}

void FixtureService::AcceptConnections() {
    for (;;) {
        const SocketHandle connection = AcceptConnection(listener_);
        {
            const std::lock_guard lock(mutex_);
            if (stopping_) {
                if (connection != kNoSocket) {
                    CloseSocket(connection);
                }
                return;
            }
            if (connection != kNoSocket) {
                open_connections_.insert(connection);
            }
        }
        if (connection == kNoSocket) {
            Pause(kAcceptRetryMs);
            continue;
        }
        JoinFinishedWorkers();
        auto finished = std::make_shared<bool>(false);
        workers_.push_back(Worker{std::thread([this, connection, finished] {
                                      Serve(connection);
                                      const std::lock_guard lock(mutex_);
                                      *finished = true;
                                  }),
                                  finished});
    }
}

void FixtureService::JoinFinishedWorkers() {
    std::list<Worker> finished;
    {
        const std::lock_guard lock(mutex_);
        for (auto it = workers_.begin(); it != workers_.end();) {
            const auto next = std::next(it);
            if (*it->finished) {
                finished.splice(finished.end(), workers_, it);
            }
            it = next;
        }
    }
    for (Worker& worker : finished) {
        worker.thread.join();
    }
}

void FixtureService::Serve(SocketHandle connection) {
    const std::string head = ReadRequestHead(connection);
    if (head.empty()) {
        EndConnection(connection, ConnectionEnd::kClose);
        return;
    }
    const RecordedRequest request = ParseRequestHead(head);
    int request_delay_ms = 0;
    std::size_t index = 0;
    {
        const std::lock_guard lock(mutex_);
        index = requests_.size();
        requests_.push_back(request);
        sent_byte_counts_.push_back(0);
        request_delay_ms = request_delay_ms_;
    }
    changed_.notify_all();
    const FixtureReply reply = ChooseReply(request);
    if (Pause(request_delay_ms + reply.delay_ms)) {
        const std::size_t sent = Deliver(connection, reply);
        const std::lock_guard lock(mutex_);
        sent_byte_counts_[index] = sent;
    }
    EndConnection(connection, reply.end);
}

FixtureReply FixtureService::ChooseReply(const RecordedRequest& request) const {
    ReplyMaker maker;
    {
        const std::lock_guard lock(mutex_);
        const std::optional<std::string> number = QueryValue(request.target, "postid");
        const auto route = number ? number_routes_.find(*number) : number_routes_.end();
        if (route != number_routes_.end()) {
            return route->second;
        }
        maker = default_maker_;
    }
    return maker(request);
}

std::size_t FixtureService::Deliver(SocketHandle connection, const FixtureReply& reply) const {
    const std::string response = ResponseBytes(reply);
    std::string_view left = std::string_view(response).substr(
        0, std::min(response.size(), reply.send_limit.value_or(response.size())));
    const bool dripping = reply.drip_bytes != 0;
    std::size_t sent = 0;
    while (!left.empty()) {
        std::size_t count = kSendSlice;
        if (dripping) {
            count = sent < reply.drip_after ? reply.drip_after - sent : reply.drip_bytes;
        }
        count = std::min(count, left.size());
        if (!SendAll(connection, left.substr(0, count))) {
            return sent;
        }
        sent += count;
        left.remove_prefix(count);
        if (dripping && !left.empty() && !Pause(reply.drip_interval_ms)) {
            return sent;
        }
    }
    return sent;
}

bool FixtureService::Pause(int milliseconds) const {
    std::unique_lock lock(mutex_);
    return !changed_.wait_for(lock, std::chrono::milliseconds(std::max(milliseconds, 0)),
                              [&] { return stopping_; });
}

void FixtureService::EndConnection(SocketHandle connection, ConnectionEnd end) {
    if (end == ConnectionEnd::kHold) {
        char buffer[1024];
        while (ReceiveSome(connection, buffer, sizeof buffer) > 0) {
        }
    }
    {
        const std::lock_guard lock(mutex_);
        open_connections_.erase(connection);
    }
    if (end == ConnectionEnd::kReset) {
        ResetSocket(connection);
    } else {
        CloseSocket(connection);
    }
}
