// Tests against the fixture service: the tracking host points at it, and a stalled fetch ends
// after one second below the speed limit instead of thirty.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "tests/support/fixture_service.h"
#include "tracking/tracking_request.h"

class TransportTest : public testing::Test {
  protected:
    void SetUp() override {
        FetchLimits limits;
        limits.low_speed_seconds = 1;
        SetFetchLimits(limits);
        SetTrackingHost(service.HostAndPort());
    }
    void TearDown() override { SetFetchLimits(FetchLimits()); }

    FixtureService service;
};

inline ByteArray Bytes(std::string_view bytes) {
    return ByteArray(bytes.begin(), bytes.end());
}

inline std::string FromUtf8(std::u8string_view text) {
    return std::string(text.begin(), text.end());
}
