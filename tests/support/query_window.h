// Fixture for query runs on the real main window: a fresh window for each test, with the
// program's tracking requests going to a fixture service on this machine. Every run a test
// starts has ended, and all it posted to the window has been carried out, before the window
// closes.
#pragma once

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "runs/row_cells.h"
#include "tests/support/fixture_service.h"
#include "tests/support/literals.h"
#include "tests/support/window_harness.h"
#include "text/text_ops.h"

class QueryWindowTest : public MainWindowTest {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Selects the first item of CourierBox showing name (GBK).
    static void SelectCourier(std::string_view name);
    static void PressQuery();
    // Clicks into the named edit box, selects all it holds and types text (ASCII) in its place.
    static void TypeInto(std::string_view box, std::string_view text);
    // Pumps events until no worker runs and nothing it posted waits to be carried out.
    static void WaitForRuns();
    // Pumps events until condition holds.
    static void PumpUntilHolds(const std::function<bool()>& condition);
    // Presses QueryButton and waits for the run it started.
    static void QueryAndWait();

    // Sends the tracking requests to a loopback port where no service listens any more.
    static void PointAtAClosedPort();

    // The decoded values of one key of every request the service received, in order.
    std::vector<std::string> SentValues(std::string_view key) const;

    FixtureService service_;
};

// Holds back the service's replies until it is opened; it opens at the latest when destroyed.
class ReplyGate {
  public:
    ReplyGate() = default;
    ~ReplyGate();
    ReplyGate(const ReplyGate&) = delete;
    ReplyGate& operator=(const ReplyGate&) = delete;

    // A reply maker that waits for the gate, then gives reply.
    FixtureService::ReplyMaker HeldReply(FixtureReply reply) const;
    void Open();

  private:
    struct State {
        std::mutex lock;
        std::condition_variable opened;
        bool open = false;
    };
    std::shared_ptr<State> state_ = std::make_shared<State>();
};

// A tracking reply of the service with these steps, newest first (the service's order).
FixtureReply StepsReply(std::string_view number, const std::vector<FixtureEvent>& steps);
// A reply that refuses the query with message (UTF-8).
FixtureReply RefusalReply(std::u8string_view message);
