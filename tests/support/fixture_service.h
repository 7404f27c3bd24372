// A small HTTP/1.x service on 127.0.0.1 for tests, benchmarks and the demo. It answers each
// request from a script (by the request's postid value, or a default), one
// connection per request on a thread of its own, and records every request it reads.
#pragma once

#include <condition_variable>
#include <functional>
#include <list>
#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "tests/support/fixture_reply.h"
#include "tests/support/fixture_request.h"
#include "tests/support/fixture_socket.h"

class FixtureService {
  public:
    using ReplyMaker = std::function<FixtureReply(const RecordedRequest&)>;

    // Listens on a free loopback port and starts serving; throws when no port can be opened.
    FixtureService();
    ~FixtureService();
    FixtureService(const FixtureService&) = delete;
    FixtureService& operator=(const FixtureService&) = delete;

    int Port() const { return port_; }
    std::string HostAndPort() const { return "127.0.0.1:" + std::to_string(port_); }
    std::string Address(std::string_view target) const {
        return "http://" + HostAndPort() + std::string(target);
    }

    // The reply for requests that no number below matches (at first a 404 page).
    void SetDefaultReply(FixtureReply reply);
    void SetReplyMaker(ReplyMaker maker);
    // Routes by the decoded value of the request's postid key.
    void SetReplyForNumber(std::string number, FixtureReply reply);
    // A wait before every reply, added to the reply's own delay.
    void SetRequestDelay(int milliseconds);

    std::vector<RecordedRequest> Requests() const;
    std::size_t RequestCount() const;
    // The response bytes handed to each request's connection before it ended or failed, in the
    // order of Requests(); final for every request once Stop() has returned.
    std::vector<std::size_t> SentByteCounts() const;
    // Waits up to limit_seconds until this many requests have been read; whether they were.
    bool WaitForRequests(std::size_t count, int limit_seconds) const;

    // Ends every connection, held ones included, and joins every thread. Called by the destructor.
    void Stop();

  private:
    struct Worker {
        std::thread thread;
        std::shared_ptr<bool> finished;
    };

    void AcceptConnections();
    void JoinFinishedWorkers();
    void Serve(SocketHandle connection);
    FixtureReply ChooseReply(const RecordedRequest& request) const;
    std::size_t Deliver(SocketHandle connection, const FixtureReply& reply) const;
    bool Pause(int milliseconds) const;  // false when the service stops meanwhile
    void EndConnection(SocketHandle connection, ConnectionEnd end);

    int port_ = -1;
    SocketHandle listener_ = kNoSocket;
    std::thread acceptor_;
    std::list<Worker> workers_;  // touched by the accepting thread, then by Stop after joining it

    mutable std::mutex mutex_;
    mutable std::condition_variable changed_;
    bool stopping_ = false;
    std::set<SocketHandle> open_connections_;
    std::vector<RecordedRequest> requests_;
    std::vector<std::size_t> sent_byte_counts_;
    ReplyMaker default_maker_;
    std::map<std::string, FixtureReply> number_routes_;
    int request_delay_ms_ = 0;
};
