// fixture_service --port-file FILE [--delay-ms N] [--replies FOLDER]
//
// Serves tracking replies on a free loopback port until it is killed. The port number is
// printed and written to the port file, which appears whole (written aside, then renamed). A
// number's reply body is the file of that name in the replies folder; a number without one gets
// a reply with three steps.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <string>
#include <thread>

#include "tests/support/fixture_service.h"
#include "tests/support/literals.h"
#include "tests/support/temp_folder.h"
#include "text/chrono_shim.h"

namespace fs = std::filesystem;

int main(int argc, char** argv) {
    std::map<std::string, std::string> options;
    for (int i = 1; i + 1 < argc; i += 2) {
        options[argv[i]] = argv[i + 1];
    }
    const std::string port_file = options["--port-file"];
    const std::string delay = options.count("--delay-ms") ? options["--delay-ms"] : "0";
    if (argc % 2 == 0 || port_file.empty() ||
        options.size() != 1 + options.count("--delay-ms") + options.count("--replies") ||
        delay.find_first_not_of("0123456789") != std::string::npos || delay.size() > 9) {
        std::cerr << "usage: fixture_service --port-file FILE [--delay-ms N] [--replies FOLDER]\n";
        return 2;
    }
    FixtureService service;
    service.SetRequestDelay(std::stoi(delay));
    service.SetReplyMaker(
        [replies = fs::path(options["--replies"])](const RecordedRequest& request) {
            const std::string number = QueryValue(request.target, "postid").value_or("");
            const fs::path file = replies / number;
            if (!replies.empty() && number.find('/') == std::string::npos &&
                fs::is_regular_file(file)) {
                return BodyReply(TempFolder::FileContent(file));
            }
            return BodyReply(TrackingReplyJson(
                number, {{"2026-12-03 15:20:00", Utf8(u8"已签收，签收人：本人")},
                         {"2026-12-02 08:40:00", Utf8(u8"快件已到达 上海转运中心")},
                         {"2026-12-01 10:00:00", Utf8(u8"快件已被收寄")}}));
        });
    std::ofstream(port_file + ".tmp", std::ios::binary) << service.Port() << "\n";
    std::error_code error;
    fs::rename(port_file + ".tmp", port_file, error);
    if (error) {
        std::cerr << "fixture_service: cannot write " << port_file << "\n";
        return 1;
    }
    std::cout << service.Port() << std::endl;
    for (;;) {
        std::this_thread::sleep_for(std::chrono::hours(24));
    }
}
