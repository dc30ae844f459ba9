#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "csvreader.h"

namespace {

using zeph::batch::CsvReader;

// What a record read back looks like: its starting line and its fields.
struct Row {
    long line;
    std::vector<std::string> fields;
    bool unclosedQuote = false;
    bool operator==(const Row&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Row& r) {
    os << "line " << r.line << (r.unclosedQuote ? " unclosed" : "") << ':';
    for (const std::string& f : r.fields) os << " [" << f << ']';
    return os;
}

std::vector<Row> ReadAll(std::string text) {
    std::FILE* in = fmemopen(text.data(), text.size(), "r");
    CsvReader reader(in);
    CsvReader::Record record;
    std::vector<Row> rows;
    while (reader.Next(record)) {
        Row row{record.line, {}, record.unclosedQuote};
        for (const std::string_view f : record.fields) row.fields.emplace_back(f);
        rows.push_back(row);
    }
    EXPECT_EQ(reader.ReadError(), 0);
    std::fclose(in);
    return rows;
}

struct ReadCase {
    const char* label;
    std::string text;
    std::vector<Row> rows;
};

TEST(CsvReader, SplitsRecordsAndFields) {
    const std::vector<ReadCase> cases = {
        {"LF, no final line end", "db,rh\n26,50", {{1, {"db", "rh"}}, {2, {"26", "50"}}}},
        {"CRLF and a byte-order mark",
         "\xEF\xBB\xBF"
         "db,rh\r\n26,50\r\n",
         {{1, {"db", "rh"}}, {2, {"26", "50"}}}},
        {"lone CR", "a\rb\r", {{1, {"a"}}, {2, {"b"}}}},
        {"empty fields kept", ",x,\n", {{1, {"", "x", ""}}}},
        {"empty lines skipped, lines still counted", "a\n\n\r\nb\n\n", {{1, {"a"}}, {4, {"b"}}}},
        {"quoted comma, doubled quote",
         "\"a,b\",\"say \"\"hi\"\"\"\n",
         {{1, {"a,b", "say \"hi\""}}}},
        {"line ends inside quotes belong to the field",
         "\"one\r\ntwo\nthree\",x\nnext\n",
         {{1, {"one\r\ntwo\nthree", "x"}}, {4, {"next"}}}},
        {"an empty quoted field is a record", "\"\"\n", {{1, {""}}}},
        {"quote inside an unquoted field kept", "ab\"c,d\n", {{1, {"ab\"c", "d"}}}},
        {"text after a closing quote kept", "\"ab\"c,d\n", {{1, {"abc", "d"}}}},
        {"blanks kept", " 26 , 50\n", {{1, {" 26 ", " 50"}}}},
        {"input ends inside quotes", "a\n\"b,c\nd", {{1, {"a"}}, {2, {"b,c\nd"}, true}}},
        {"only a byte-order mark", "\xEF\xBB\xBF", {}},
    };
    for (const ReadCase& c : cases) {
        EXPECT_EQ(ReadAll(c.text), c.rows) << c.label;
    }
}

TEST(CsvReader, CutsARecordLongerThanTheLimitAndGoesOn) {
    std::string text = "a,\"" + std::string(CsvReader::kMaxRecordBytes + 10, 'x') + "\"\nb,c\n";
    std::FILE* in = fmemopen(text.data(), text.size(), "r");
    CsvReader reader(in);
    CsvReader::Record record;
    ASSERT_TRUE(reader.Next(record));
    EXPECT_TRUE(record.tooLong);
    EXPECT_EQ(record.fields.size(), 2u);
    ASSERT_TRUE(reader.Next(record));
    EXPECT_FALSE(record.tooLong);
    EXPECT_EQ(record.line, 2);
    EXPECT_EQ(record.fields.at(1), "c");
    EXPECT_FALSE(reader.Next(record));
    std::fclose(in);
}

}  // namespace
