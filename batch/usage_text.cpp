#include "batch/usage_text.h"

#include "build_settings.h"

namespace {

constexpr char kUsage[] =
    "Usage: parcelio-batch --courier NAME-OR-CODE [-o FILE] [--encoding gbk|utf-8] [FILE]\n"
    "       parcelio-batch --courier NAME-OR-CODE [-o FILE] [--encoding gbk|utf-8] --steps NUMBER\n"
    "       parcelio-batch --list-couriers [GROUP] [-o FILE] [--encoding gbk|utf-8]\n"
    "\n"
    "Queries the tracking service for every number of FILE (standard input when FILE is\n"
    "absent or -), one request after the other, and writes one line per number: the number,\n"
    "the time and the text of its latest step, or the number, -- and the service's message\n"
    "when the query failed. The number list is read as Parcelio imports it: GBK, one number\n"
    "per CR LF line, spaces removed, empty lines dropped.\n"
    "\n"
    "  --courier NAME-OR-CODE  a courier's display name (the last catalogue row of that name\n"
    "                          wins, as in the window) or its type code\n"
    "  --steps NUMBER          every step of one parcel instead, one line per step\n"
    "  --list-couriers [GROUP] the catalogue as 'code name' lines, or one letter group\n"
    "                          (A-E, F-J, K-O, P-T, U-Z)\n"
    "  -o, --output FILE       write FILE whole at the end (through a temporary file)\n"
    "                          instead of standard output\n"
    "  --encoding gbk|utf-8    the character set of the output and of the courier name\n"
    "                          given (GBK by default)\n"
    "  --help, --version\n"
    "\n"
    "Lines end in CR LF. The tracking service host is the build setting, or\n"
    "PARCELIO_TRACKING_HOST when it is set. Exit status: 0 when every number was answered\n"
    "\"ok\", 1 when some were refused or not answered, 2 on bad usage.\n";

}  // namespace

std::string_view UsageText() {
    return kUsage;
}

std::string VersionText() {
    return std::string("parcelio-batch ") + kProgramVersion + "\n";
}
