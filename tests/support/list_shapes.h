// Number lists as people's programs write them, each with the numbers it must send, in order: the
// one table that the window's import and paste and parcelio-batch (a file and standard input) run,
// on Linux and under Wine.
#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

enum class ListEncoding { Gbk, Utf8, Utf8WithMark, Utf16LeWithMark, Utf16BeWithMark };

struct ListShape {
    const char* name;
    std::u8string_view text;        // the list as its program shows it, line ends included
    ListEncoding encoding;          // how the program writes it to a file
    std::vector<std::string> sent;  // the postid of each request (GBK), in order
};

const std::vector<ListShape>& ListShapes();

inline void PrintTo(const ListShape& shape, std::ostream* out) {
    *out << shape.name;
}

// The bytes of the shape's list file.
std::string ListFileBytes(const ListShape& shape);

// The shape's text as another program puts it on the clipboard (UTF-8).
std::string ListClipboardText(const ListShape& shape);
