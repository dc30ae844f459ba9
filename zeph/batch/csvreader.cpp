#include "csvreader.h"

#include <cerrno>

namespace zeph::batch {
namespace {

constexpr std::size_t kChunkBytes = 1 << 16;

}  // namespace

CsvReader::CsvReader(std::FILE* in) : in_(in), buffer_(kChunkBytes) {}

bool CsvReader::Fill() {
    if (atEnd_) return false;
    pos_ = 0;
    end_ = std::fread(buffer_.data(), 1, buffer_.size(), in_);
    if (end_ == 0) {
        atEnd_ = true;
        if (std::ferror(in_)) readError_ = errno != 0 ? errno : EIO;
        return false;
    }
    return true;
}

int CsvReader::Get() {
    if (pos_ == end_ && !Fill()) return kEnd;
    return static_cast<unsigned char>(buffer_[pos_++]);
}

int CsvReader::Peek() {
    if (pos_ == end_ && !Fill()) return kEnd;
    return static_cast<unsigned char>(buffer_[pos_]);
}

void CsvReader::Append(char c, Record& record) {
    if (text_.size() < kMaxRecordBytes) {
        text_.push_back(c);
    } else {
        record.tooLong = true;
    }
}

bool CsvReader::Next(Record& record) {
    if (!started_) {
        started_ = true;
        if (Fill() && end_ >= 3 && buffer_[0] == '\xEF' && buffer_[1] == '\xBB' &&
            buffer_[2] == '\xBF') {
            pos_ = 3;
        }
    }
    enum class State { kFieldStart, kUnquoted, kQuoted, kQuoteInQuoted };
    for (;;) {
        text_.clear();
        ends_.clear();
        record.fields.clear();
        record.line = line_;
        record.tooLong = false;
        record.unclosedQuote = false;

        int c = Get();
        if (c == kEnd) return false;
        State state = State::kFieldStart;
        bool empty = true;  // nothing but the line end so far
        for (;; c = Get()) {
            if (c == kEnd) {
                record.unclosedQuote = state == State::kQuoted;
                break;
            }
            if (state == State::kQuoted) {
                if (c == '"') {
                    state = State::kQuoteInQuoted;
                    continue;
                }
                // A line end inside quotes is part of the field; CRLF is one line.
                if (c == '\n' || (c == '\r' && Peek() != '\n')) ++line_;
                Append(static_cast<char>(c), record);
                continue;
            }
            if (state == State::kQuoteInQuoted) {
                if (c == '"') {
                    Append('"', record);
                    state = State::kQuoted;
                    continue;
                }
                state = State::kUnquoted;  // the closing quote
            }
            if (c == '\n' || c == '\r') {
                if (c == '\r' && Peek() == '\n') Get();
                ++line_;
                break;
            }
            empty = false;
            if (c == ',') {
                ends_.push_back(text_.size());
                state = State::kFieldStart;
            } else if (c == '"' && state == State::kFieldStart) {
                state = State::kQuoted;
            } else {
                Append(static_cast<char>(c), record);
                state = State::kUnquoted;
            }
        }
        if (empty) {
            if (c == kEnd) return false;
            continue;  // an empty line
        }
        ends_.push_back(text_.size());
        std::size_t begin = 0;
        for (const std::size_t end : ends_) {
            record.fields.emplace_back(text_.data() + begin, end - begin);
            begin = end;
        }
        return true;
    }
}

}  // namespace zeph::batch
