// fixture_service --port-file FILE [--delay-ms N] [--routes FILE]
//
// Serves tracking replies on a free loopback port until it is killed. The port number is
// printed and written to the port file, which appears whole (written aside, then renamed).
// Numbers without a route, and all numbers when there is no routes file, get a reply with
// three steps.
#include <charconv>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>
#include <thread>

#include "tests/support/fixture_routes.h"
#include "tests/support/fixture_service.h"
#include "tests/support/literals.h"
#include "text/chrono_shim.h"

namespace {

struct Options {
    std::string port_file;
    int delay_ms = 0;
    std::optional<std::string> routes_file;
};

FixtureReply ThreeStepReply(const RecordedRequest& request) {
    const std::string number = QueryValue(request.target, "postid").value_or("");
    return BodyReply(
        TrackingReplyJson(number, {
                                      {"2026-12-03 15:20:00", Utf8(u8"已签收，签收人：本人")},
                                      {"2026-12-02 08:40:00", Utf8(u8"快件已到达 上海转运中心")},
                                      {"2026-12-01 10:00:00", Utf8(u8"快件已被收寄")},
                                  }));
}

bool ReadNumber(const char* text, int& value) {
    const std::string_view view(text);
    const auto [end, error] = std::from_chars(view.data(), view.data() + view.size(), value);
    return error == std::errc() && end == view.data() + view.size() && value >= 0;
}

std::optional<Options> ReadOptions(int argc, char** argv) {
    Options options;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string_view name(argv[i]);
        if (name == "--port-file") {
            options.port_file = argv[i + 1];
        } else if (name == "--routes") {
            options.routes_file = argv[i + 1];
        } else if (name != "--delay-ms" || !ReadNumber(argv[i + 1], options.delay_ms)) {
            return std::nullopt;
        }
    }
    if (argc % 2 == 0 || options.port_file.empty()) {
        return std::nullopt;
    }
    return options;
}

std::optional<std::string> ReadWholeFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return std::nullopt;
    }
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

bool InstallRoutes(FixtureService& service, const std::string& routes_file) {
    const std::optional<std::string> text = ReadWholeFile(routes_file);
    if (!text) {
        std::cerr << "fixture_service: cannot read " << routes_file << "\n";
        return false;
    }
    const RoutesReading reading = ReadRoutes(*text);
    if (reading.bad_line != 0) {
        std::cerr << "fixture_service: " << routes_file << ":" << reading.bad_line
                  << ": expected number<TAB>status<TAB>body\n";
        return false;
    }
    for (const FixtureRoute& route : reading.routes) {
        if (route.number == kAnyNumber) {
            service.SetDefaultReply(route.reply);
        } else {
            service.SetReplyForNumber(route.number, route.reply);
        }
    }
    return true;
}

bool WritePortFile(const std::string& path, int port) {
    const std::string aside = path + ".tmp";
    {
        std::ofstream file(aside, std::ios::binary | std::ios::trunc);
        file << port << "\n";
        if (!file.flush()) {
            return false;
        }
    }
    std::error_code error;
    std::filesystem::rename(aside, path, error);
    return !error;
}

}  // namespace

int main(int argc, char** argv) {
    const std::optional<Options> options = ReadOptions(argc, argv);
    if (!options) {
        std::cerr << "usage: fixture_service --port-file FILE [--delay-ms N] [--routes FILE]\n";
        return 2;
    }
    FixtureService service;
    service.SetReplyMaker(&ThreeStepReply);
    service.SetRequestDelay(options->delay_ms);
    if (options->routes_file && !InstallRoutes(service, *options->routes_file)) {
        return 1;
    }
    if (!WritePortFile(options->port_file, service.Port())) {
        std::cerr << "fixture_service: cannot write " << options->port_file << "\n";
        return 1;
    }
    std::cout << service.Port() << std::endl;
    for (;;) {
        std::this_thread::sleep_for(std::chrono::hours(24));
    }
}
