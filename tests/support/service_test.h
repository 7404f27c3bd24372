// Tests of the tracking client against the fixture service on loopback: the tracking host
// points at it, and short limits keep every case to a few seconds (a stalled transfer ends
// after one second below 1 byte/s).
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "tests/support/fixture_service.h"
#include "tests/support/literals.h"
#include "tracking/fetch_url.h"
#include "tracking/tracking_request.h"

// One case of a table: the service's reply and what the fetch must give.
struct FetchCase {
    std::string what;
    FixtureReply reply;
    std::string expected;
};

class FixtureServiceTest : public testing::Test {
  public:
    static FetchLimits ShortLimits(long low_speed_seconds = 1) {
        return {.connect_timeout_seconds = 5, .low_speed_seconds = low_speed_seconds};
    }

  protected:
    void SetUp() override {
        SetFetchLimits(ShortLimits());
        SetTrackingHost(service.HostAndPort());
    }
    void TearDown() override { SetFetchLimits(FetchLimits()); }

    // A fetch of the service's query path for this number, routed to its own reply.
    ByteArray FetchRouted(const std::string& number, const FixtureReply& reply) {
        service.SetReplyForNumber(number, reply);
        return FetchUrl(service.Address("/query?postid=" + number));
    }

    // Fetches every case through a route of its own and compares with what it must give.
    void ExpectFetchResults(const std::vector<FetchCase>& cases) {
        for (std::size_t i = 0; i < cases.size(); ++i) {
            EXPECT_EQ(FetchRouted(std::to_string(i), cases[i].reply), Bytes(cases[i].expected))
                << cases[i].what;
        }
    }

    FixtureService service;
};

// Bytes of every value, zeros included, in a pattern that does not repeat quickly, so a wrong
// offset shows.
inline std::string PatternBody(std::size_t size) {
    std::string body(size, '\0');
    for (std::size_t i = 0; i < size; ++i) {
        body[i] = static_cast<char>((i * 31 + i / 251) % 256);
    }
    return body;
}

// A reply sent byte for byte as given, with no head built around it.
inline FixtureReply RawReply(std::string response) {
    return {.raw_response = std::move(response)};
}

// The length of a built reply's head, blank line included.
inline std::size_t HeadLength(const FixtureReply& reply) {
    return ResponseBytes(reply).find("\r\n\r\n") + 4;
}
