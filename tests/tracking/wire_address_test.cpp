#include "tracking/wire_address.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tracking/tracking_request.h"

namespace {

using namespace std::string_literals;

struct AddressCase {
    std::string number;
    std::string type_code;
    std::string expected;
};

TEST(BuildQueryAddress, JoinsThePiecesUnchanged) {
    SetTrackingHost("track.example:8080");
    const std::string head = "http://track.example:8080/query?type=";
    const std::string tail = "&id=1&valicode=&temp=0.5366536813547046";
    const std::vector<AddressCase> cases = {
        {"1234", "ems", head + "ems&postid=1234" + tail},
        {"", "ems", head + "ems&postid=" + tail},
        {" 12 34 ", "e ms", head + "e ms&postid= 12 34 " + tail},
        {"1#2&x=\r\n", "", head + "&postid=1#2&x=\r\n" + tail},
        {"\xB2\xE9", "shunfeng", head + "shunfeng&postid=\xB2\xE9" + tail},
    };
    for (const AddressCase& c : cases) {
        EXPECT_EQ(BuildQueryAddress(c.number, c.type_code), c.expected) << c.number;
    }
}

struct WireCase {
    std::string address;
    std::string expected;
};

TEST(WireAddress, EncodesOnlyBytesThatMayNotStandInATargetAndDropsTheFragment) {
    const std::vector<WireCase> cases = {
        {"http://h/q?a=1&b=2", "http://h/q?a=1&b=2"},
        {"http://h/q?n=12 34", "http://h/q?n=12%2034"},
        {"http://h/q?n=1\r\nX-A: b", "http://h/q?n=1%0D%0AX-A:%20b"},
        {"a\tb\x7F"s + '\0' + "c", "a%09b%7F%00c"},
        {"\x80\xB2\xE9\xFF", "%80%B2%E9%FF"},
        {"\"<>\\^`{|}", "%22%3C%3E%5C%5E%60%7B%7C%7D"},
        {"%41%zz'[]()!*;:@&=+$,/?~-._", "%41%zz'[]()!*;:@&=+$,/?~-._"},
        {"http://h/a#frag", "http://h/a"},
        {"http://h/a?x=1#2#3", "http://h/a?x=1"},
        {"http://h/a?x= #y z", "http://h/a?x=%20"},
        {"#all", ""},
    };
    for (const WireCase& c : cases) {
        EXPECT_EQ(WireAddress(c.address), c.expected) << c.address;
    }
}

}  // namespace
