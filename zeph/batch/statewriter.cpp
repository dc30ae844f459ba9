#include "statewriter.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "numbertext.h"

namespace zeph::batch {
namespace {

constexpr std::string_view kErrorKey = "error";
constexpr std::string_view kPressureUnit = "hPa";
constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD

// Length of the well-formed UTF-8 sequence at the start of `text`, or 0.
std::size_t Utf8Length(std::string_view text) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    std::uint32_t min = 0;
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        min = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        min = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        min = 0x10000;
    } else {
        return 0;
    }
    if (text.size() < length) return 0;
    std::uint32_t code = lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80) return 0;
        code = (code << 6) | (byte(i) & 0x3F);
    }
    if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
    return length;
}

}  // namespace

void AppendCsvField(std::string& out, std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
        out += text;
        return;
    }
    out += '"';
    for (const char c : text) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
}

void AppendJsonString(std::string& out, std::string_view text) {
    static constexpr char kHex[] = "0123456789abcdef";
    out += '"';
    while (!text.empty()) {
        const unsigned char c = static_cast<unsigned char>(text.front());
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20) {
            out += "\\u00";
            out += kHex[c >> 4];
            out += kHex[c & 0xF];
        } else if (c >= 0x80) {
            const std::size_t length = Utf8Length(text);
            if (length == 0) {
                out += kReplacement;
                text.remove_prefix(1);
            } else {
                out += text.substr(0, length);
                text.remove_prefix(length);
            }
            continue;
        } else {
            out += static_cast<char>(c);
        }
        text.remove_prefix(1);
    }
    out += '"';
}

StateWriter::StateWriter(TableFormat format, EnthalpyUnit unit, const InputColumns& columns)
    : format_(format),
      unit_(unit),
      withName_(columns.name != InputColumns::kNone),
      withPressure_(columns.pressure != InputColumns::kNone) {}

void StateWriter::Begin(std::string& out) const {
    if (format_ == TableFormat::kJson) {
        out += '[';
        return;
    }
    const auto column = [&](std::string_view key, std::string_view unit) {
        out += key;
        out += " [";
        out += unit;
        out += "],";
    };
    if (withName_) (out += kNameColumn) += ',';
    if (withPressure_) column(kPressureColumn, kPressureUnit);
    for (std::size_t p = 0; p < kPropertyCount; ++p) {
        column(PropertyKey(Property(p)), PropertyUnit(Property(p), unit_));
    }
    out += kErrorKey;
    out += '\n';
}

void StateWriter::Row(const StateRow& row, std::string& out) {
    // A value, or nothing when there is none (a NaN has no JSON form).
    const auto number = [&](bool present, double value) {
        if (present && std::isfinite(value)) {
            AppendNumber(out, value);
        } else if (format_ == TableFormat::kJson) {
            out += "null";
        }
    };
    const auto value = [&](std::size_t p) {
        if (row.solved && !row.texts[p].empty()) {
            out += row.texts[p];
        } else {
            number(row.solved, row.values[p]);
        }
    };
    if (format_ == TableFormat::kCsv) {
        if (withName_) {
            AppendCsvField(out, row.name);
            out += ',';
        }
        if (withPressure_) {
            number(row.pressure.has_value(), row.pressure.value_or(0));
            out += ',';
        }
        if (row.solved) {
            // Written in place: room for every value at its longest and its
            // comma, cut back to what is written.
            std::size_t room = 0;
            for (const std::string& text : row.texts) {
                room += std::max(text.size(), kNumberRoom) + 1;
            }
            const std::size_t at = out.size();
            out.resize(at + room);
            char* end = out.data() + at;
            for (std::size_t p = 0; p < kPropertyCount; ++p) {
                const std::string& text = row.texts[p];
                if (!text.empty()) {
                    end = std::copy(text.begin(), text.end(), end);
                } else if (std::isfinite(row.values[p])) {
                    end = WriteNumber(end, row.values[p]);
                }
                *end++ = ',';
            }
            out.resize(static_cast<std::size_t>(end - out.data()));
        } else {
            out.append(kPropertyCount, ',');
        }
        AppendCsvField(out, row.error);
        out += '\n';
        return;
    }

    out += firstRow_ ? "\n{" : ",\n{";
    firstRow_ = false;
    const auto key = [&](std::string_view name) {
        out += '"';
        out += name;
        out += "\":";
    };
    if (withName_) {
        key(kNameColumn);
        AppendJsonString(out, row.name);
        out += ',';
    }
    if (withPressure_) {
        key(kPressureColumn);
        number(row.pressure.has_value(), row.pressure.value_or(0));
        out += ',';
    }
    for (std::size_t p = 0; p < kPropertyCount; ++p) {
        key(PropertyKey(Property(p)));
        value(p);
        out += ',';
    }
    key(kErrorKey);
    if (row.error.empty()) {
        out += "null";
    } else {
        AppendJsonString(out, row.error);
    }
    out += '}';
}

void StateWriter::End(std::string& out) const {
    if (format_ == TableFormat::kJson) out += "\n]\n";
}

}  // namespace zeph::batch
