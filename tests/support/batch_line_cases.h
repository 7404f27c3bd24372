// The table of number-box texts that the batch tests run, both through the window's batch run
// and through parcelio-batch: what each text sends and which rows it gives.
#pragma once

#include <string>
#include <vector>

struct BatchLinesCase {
    const char* name;
    const char* box;                   // the batch box text (GBK), or the number file's bytes
    std::vector<std::string> sent;     // postid of each request, in order
    std::vector<std::string> column0;  // column 0 of each row, in order
};

inline const std::vector<BatchLinesCase>& BatchLinesCases() {
    static const std::vector<BatchLinesCase> cases = {
        {"EmptyLineBetween", "111\r\n\r\n222", {"111", "222"}, {"111", "222"}},
        {"LeadingSpaceKept", " 111\r\n222", {" 111", "222"}, {" 111", "222"}},
        {"TrailingLineBreak", "111\r\n222\r\n", {"111", "222"}, {"111", "222"}},
        {"LoneLineEndsBreakLines", "111\n222\r333\n", {"111", "222", "333"}, {"111", "222", "333"}},
        {"FullWidthNumberSentInAscii", "ＳＦ１\r\n", {"SF1"}, {"SF1"}},
        {"SpacesOnlyLineSkipped", "111\r\n 　 \r\n222", {"111", "222"}, {"111", "222"}},
        {"RepeatedNumberTwice", "111\r\n111", {"111", "111"}, {"111", "111"}},
        {"OnlyLineBreaks", "\r\n\r\n\r\n", {}, {}},
    };
    return cases;
}
