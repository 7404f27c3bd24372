// Per-query time of a tracking query against a service on this machine, next to its floor: a
// plain socket GET of the same address. The service is named by PARCELIO_TRACKING_HOST, as
// for the program itself.
//
//   loopback_query_bench QUERIES LABEL
//   loopback_query_bench --floor JOBS GETS LABEL
//   loopback_query_bench --print-address
//
// Makes QUERIES tracking queries and as many plain GETs, taking turns, so that both meet the
// same load of the machine, and prints the median and the 90th percentile of each as
// "figure<TAB>value<TAB>unit" rows named after LABEL. With --floor it makes GETS plain GETs,
// JOBS at a time, and prints their total time: the floor of a batch of GETS numbers with that
// many requests in flight. With --print-address it prints the query address instead, so that
// other clients (a shell loop of curl | iconv) fetch the same one.
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "bench/command_line.h"
#include "bench/posix/raw_get.h"
#include "text/chrono_shim.h"
#include "tracking/tracking_reply.h"
#include "tracking/tracking_request.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr std::string_view kNumber = "YT1000000001";
constexpr std::string_view kTypeCode = "yuantong";
constexpr std::string_view kPrintAddress = "--print-address";
constexpr std::string_view kFloor = "--floor";

double Microseconds(Clock::duration span) {
    return std::chrono::duration<double, std::micro>(span).count();
}

// The value below which the given share of the times lies (times sorted ascending).
double Percentile(const std::vector<double>& sorted_times, double share) {
    const auto index = static_cast<std::size_t>(share * static_cast<double>(sorted_times.size()));
    return sorted_times[std::min(index, sorted_times.size() - 1)];
}

void PrintRows(const std::string& figure, std::vector<double> times) {
    std::sort(times.begin(), times.end());
    std::printf("%s: median\t%.1f\tus\n", figure.c_str(), Percentile(times, 0.5));
    std::printf("%s: 90th percentile\t%.1f\tus\n", figure.c_str(), Percentile(times, 0.9));
}

// GETS plain GETs of address, JOBS threads taking the next one until all are made; prints the
// whole time, or nothing and false when a GET got no answer.
bool PrintFloor(const Text& address, int jobs, int gets, const std::string& label) {
    std::atomic<int> next = 0;
    std::atomic<bool> failed = false;
    const Clock::time_point start = Clock::now();
    std::vector<std::thread> threads;
    for (int job = 0; job < jobs; ++job) {
        threads.emplace_back([&] {
            while (next++ < gets) {
                if (RawGet(address).empty()) {
                    failed = true;
                }
            }
        });
    }
    for (std::thread& thread : threads) {
        thread.join();
    }
    const double seconds = Microseconds(Clock::now() - start) / 1e6;
    if (failed) {
        std::fprintf(stderr, "loopback_query_bench: a floor GET got no reply\n");
        return false;
    }
    const std::string how = jobs == 1 ? "one after the other" : std::to_string(jobs) + " at a time";
    std::printf("Raw-socket floor, %d GETs %s, %s\t%.3f\ts\n", gets, how.c_str(), label.c_str(),
                seconds);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    const char* host = std::getenv("PARCELIO_TRACKING_HOST");
    int queries = 0;
    int jobs = 0;
    const bool print_address = argc == 2 && argv[1] == kPrintAddress;
    const bool floor = argc == 5 && argv[1] == kFloor && ReadPositive(argv[2], jobs) &&
                       ReadPositive(argv[3], queries);
    if (host == nullptr || *host == '\0' ||
        (!print_address && !floor && (argc != 3 || !ReadPositive(argv[1], queries)))) {
        std::fprintf(stderr,
                     "usage: PARCELIO_TRACKING_HOST=host:port loopback_query_bench QUERIES LABEL\n"
                     "       PARCELIO_TRACKING_HOST=host:port loopback_query_bench "
                     "--floor JOBS GETS LABEL\n"
                     "       PARCELIO_TRACKING_HOST=host:port loopback_query_bench "
                     "--print-address\n");
        return 2;
    }
    SetTrackingHost(host);
    const Text address = BuildQueryAddress(kNumber, kTypeCode);
    if (print_address) {
        std::printf("%s\n", address.c_str());
        return 0;
    }
    if (floor) {
        return PrintFloor(address, jobs, queries, argv[4]) ? 0 : 1;
    }
    // The first query also starts the HTTP library; it is not one of the measured ones.
    TrackingEventList events;
    if (!TextsEqual(QueryTracking(kNumber, kTypeCode, events), kOkMessage)) {
        std::fprintf(stderr, "loopback_query_bench: no tracking reply from %s\n", host);
        return 1;
    }
    std::vector<double> query_times;
    std::vector<double> raw_times;
    for (int query = 0; query < queries; ++query) {
        const Clock::time_point start = Clock::now();
        const Text message = QueryTracking(kNumber, kTypeCode, events);
        const Clock::time_point middle = Clock::now();
        const std::string response = RawGet(address);
        const Clock::time_point end = Clock::now();
        if (!TextsEqual(message, kOkMessage) || response.empty()) {
            std::fprintf(stderr, "loopback_query_bench: query %d got no reply\n", query + 1);
            return 1;
        }
        query_times.push_back(Microseconds(middle - start));
        raw_times.push_back(Microseconds(end - middle));
    }
    const std::string label = argv[2];
    PrintRows("QueryTracking per query, " + label, query_times);
    PrintRows("Raw-socket GET per query, " + label, raw_times);
    return 0;
}
