// Runs with http_proxy naming a port where nothing listens and no_proxy naming localhost (set
// by the build's test registration), to show that the environment's proxy settings apply.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/fixture_service.h"
#include "tracking/fetch_url.h"

namespace {

TEST(ProxySettings, FetchesGoThroughTheEnvironmentsProxy) {
    FixtureService service;
    service.SetDefaultReply(BodyReply("direct"));
    const std::string port = std::to_string(service.Port());

    EXPECT_TRUE(FetchUrl("http://127.0.0.1:" + port + "/query?postid=1").empty());
    EXPECT_EQ(service.RequestCount(), 0U);

    const ByteArray body = FetchUrl("http://localhost:" + port + "/query?postid=2");
    EXPECT_EQ(std::string(body.begin(), body.end()), "direct");
    EXPECT_EQ(service.RequestCount(), 1U);
}

}  // namespace
