#include "runs/import_export_text.h"
#include "runs/number_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/literals.h"

namespace {

struct ImportCase {
    const char* name;
    std::string file;
    Text box;
};

TEST(ImportedNumberText, KeepsNonEmptyLinesAfterSpaceRemoval) {
    const std::string mark = "\xEF\xBB\xBF";  // UTF-8's byte-order mark
    const std::vector<ImportCase> cases = {
        {"four lines", "111\r\n 222 \r\n\r\n333\r\n", "111\r\n222\r\n333"},
        {"dropped first line", "\r\n111\r\n", "\r\n111"},
        {"two dropped leading lines", "\r\n \r\n111", "\r\n111"},
        {"inner spaces", "SF 123 456\r\n", "SF123456"},
        {"full-width spaces only", "111\r\n\xA1\xA1\xA1\xA1\r\n222\r\n", "111\r\n222"},
        {"full-width first line", "\xA1\xA1\r\n111", "\r\n111"},
        {"lone LF ends a line", "1 11\n222\n", "111\r\n222"},
        {"lone CR ends a line", "111\r222\r\n", "111\r\n222"},
        {"mixed line ends, LF CR is two", "1\n\r2\r3\r\n\n4", "1\r\n2\r\n3\r\n4"},
        {"zero byte cuts",
         std::string("111\r\n\0"
                     "222\r\n",
                     11),
         "111"},
        {"empty file", "", ""},
        {"only line breaks", "\r\n\r\n\r\n", ""},
        {"tabs stay", "1\t1\r\n", "1\t1"},
        {"no final line break", "111\r\n222", "111\r\n222"},
        {"trail byte A1 before full-width char", "\xB0\xA1\xA1\xA2\r\n", "\xB0\xA1\xA1\xA2"},
        {"UTF-8 byte-order mark dropped", mark + "111\r\n222", "111\r\n222"},
        {"mark before an empty first line", mark + "\r\n111", "\r\n111"},
        {"only the leading mark", "111\r\n" + mark + "222", "111\r\n" + mark + "222"},
        {"part of a mark stays", mark.substr(0, 2) + "111", mark.substr(0, 2) + "111"},
        {"UTF-8 after the mark becomes GBK", mark + Utf8(u8"顺丰 1\n"), "顺丰1"},
        {"a character GBK cannot hold becomes ?", mark + Utf8(u8"1😀\n中2\n"), "1?\r\n中2"},
        {"UTF-16 LE",
         std::string("\xFF\xFE"
                     "1\0 \0"
                     "2\0\r\0\n\0"
                     "3\0",
                     14),
         "12\r\n3"},
        {"UTF-16 BE",
         std::string("\xFE\xFF"
                     "\0"
                     "1\0\n\x4E\x2D",
                     8),
         "1\r\n中"},
        {"UTF-16 lone surrogate and odd byte",
         std::string("\xFF\xFE"
                     "1\0\x00\xD8"
                     "2\0"
                     "3",
                     9),
         "1?2"},
        {"UTF-16 zero character cuts",
         std::string("\xFF\xFE"
                     "1\0\0\0"
                     "2\0",
                     8),
         "1"},
    };
    for (const ImportCase& c : cases) {
        EXPECT_EQ(ImportedNumberText(Bytes(c.file)), c.box) << c.name;
    }
}

struct NumberCase {
    const char* name;
    Text typed;
    Text sent;
};

TEST(QueriedNumber, MakesFullWidthLettersAndDigitsAscii) {
    const std::vector<NumberCase> cases = {
        {"full-width letters and digits", "ＳＦ１２３４ｊｄ", "SF1234jd"},
        {"other full-width characters stay", "ＳＦ－１　", "SF－1　"},
        {"Chinese and ASCII stay", "顺丰 SF1", "顺丰 SF1"},
        {"A3 as a trail byte starts nothing", "\xB0\xA3\xB0\xA1", "\xB0\xA3\xB0\xA1"},
        {"final lead byte stays", "1\xA3", "1\xA3"},
    };
    for (const NumberCase& c : cases) {
        EXPECT_EQ(QueriedNumber(c.typed), c.sent) << c.name;
    }
}

struct ExportCase {
    const char* name;
    RowCellsList rows;
    std::string bytes;
};

TEST(ExportedRowBytes, WritesOneSpaceSeparatedLinePerRow) {
    const std::vector<ExportCase> cases = {
        {"two rows", {{"a", "b", "c"}, {"d", "e", "f"}}, "a b c\r\nd e f\r\n"},
        {"no rows", {}, ""},
        {"empty cells", {{"", "", ""}}, "  \r\n"},
        {"GBK cells unchanged", {{"1 2", "--", "暂无跟踪记录"}}, "1 2 -- 暂无跟踪记录\r\n"},
    };
    for (const ExportCase& c : cases) {
        EXPECT_EQ(ExportedRowBytes(c.rows), Bytes(c.bytes)) << c.name;
    }
}

// Numbers built from ASCII digits and GBK characters, among them one whose trail byte is A1
// followed by one whose lead byte is A1, which a byte-wise space search would cut apart.
TextList GeneratedNumbers(int count) {
    const TextList pieces = {"\xB0\xA1", "\xA1\xA2", "\xD6\xD0", "SF", "-", "\x81\x40"};
    TextList numbers;
    for (int index = 0; index < count; ++index) {
        Text number = std::to_string(index * 7919);
        number += pieces[index % pieces.size()];
        number += pieces[(index / 3) % pieces.size()];
        number += std::to_string(index);
        numbers.push_back(number);
    }
    return numbers;
}

TEST(ImportExportText, RoundTripOfManyGbkNumbersLosesNothing) {
    const TextList numbers = GeneratedNumbers(10000);
    Text file_text;
    for (const Text& number : numbers) {
        file_text += number + "\r\n";
    }

    const Text box = ImportedNumberText(TextToBytes(file_text));
    EXPECT_EQ(SplitText(box, "\r\n"), numbers);

    RowCellsList rows;
    for (const Text& line : SplitText(box, "\r\n")) {
        rows.push_back({line, "", ""});
    }
    const ByteArray exported = ExportedRowBytes(rows);
    EXPECT_EQ(ImportedNumberText(exported), box);

    RowCellsList full_rows;
    for (const Text& number : numbers) {
        full_rows.push_back({number, "2024-01-01", "已签收"});
    }
    const TextList exported_lines = SplitText(BytesToText(ExportedRowBytes(full_rows)), "\r\n");
    ASSERT_EQ(exported_lines.size(), numbers.size());
    for (std::size_t index = 0; index < numbers.size(); ++index) {
        const RowCells& row = full_rows[index];
        EXPECT_EQ(SplitText(exported_lines[index], " "), (TextList{row[0], row[1], row[2]}));
    }
}

}  // namespace
