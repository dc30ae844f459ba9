#pragma once

#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace zeph::batch {

// Reads comma-separated records from a stream one at a time, so that memory
// stays the same however many records follow: fields quoted or not, a quote
// inside a quoted field written twice, line ends CRLF, LF or CR (inside
// quotes they belong to the field), a UTF-8 byte-order mark at the start
// skipped. Text after a closing quote is kept with the field, as is a quote
// inside an unquoted field.
class CsvReader {
  public:
    // A record's text beyond this is dropped and the record marked.
    static constexpr std::size_t kMaxRecordBytes = 1 << 20;

    struct Record {
        std::vector<std::string_view> fields;  // valid until the next Next()
        long line = 0;                         // line on which it starts, from 1
        bool tooLong = false;                  // longer than kMaxRecordBytes
        bool unclosedQuote = false;            // the input ended inside quotes
    };

    // Reads from `in`, which stays open and owned by the caller.
    explicit CsvReader(std::FILE* in);

    // The next record, empty lines skipped. False at the end of the input
    // and when reading fails (ReadError tells which).
    bool Next(Record& record);
    // The errno of a failed read, 0 when none failed.
    int ReadError() const { return readError_; }

  private:
    static constexpr int kEnd = -1;
    int Get();
    int Peek();
    bool Fill();
    void Append(char c, Record& record);

    std::FILE* in_;
    std::vector<char> buffer_;
    std::size_t pos_ = 0;
    std::size_t end_ = 0;
    bool atEnd_ = false;
    int readError_ = 0;
    bool started_ = false;
    long line_ = 1;
    std::string text_;               // the current record's unquoted fields
    std::vector<std::size_t> ends_;  // where each field ends in text_
};

}  // namespace zeph::batch
