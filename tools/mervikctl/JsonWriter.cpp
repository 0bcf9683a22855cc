#include "tools/mervikctl/JsonWriter.h"

#include <cstdio>
#include <string>

namespace mervik::tools {

std::string JsonWriter::Quoted(std::string_view text) {
    std::string out = "\"";
    for (unsigned char c : text) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (c < 0x20 || c > 0x7E) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
                out += escaped;
            } else {
                out += static_cast<char>(c);
            }
        }
    }
    return out + "\"";
}

void JsonWriter::Member(std::string_view key) {
    if (!levels_.empty()) {
        out_ << (levels_.back().first ? "\n" : ",\n");
        levels_.back().first = false;
        out_ << std::string(2 * levels_.size(), ' ');
    }
    if (!key.empty())
        out_ << Quoted(key) << ": ";
}

void JsonWriter::Close(char bracket) {
    bool empty = levels_.back().first;
    levels_.pop_back();
    if (!empty)
        out_ << "\n" << std::string(2 * levels_.size(), ' ');
    out_ << bracket;
    if (levels_.empty())
        out_ << "\n";
}

void JsonWriter::BeginObject(std::string_view key) {
    Member(key);
    out_ << "{";
    levels_.push_back({});
}

void JsonWriter::EndObject() {
    Close('}');
}

void JsonWriter::BeginArray(std::string_view key) {
    Member(key);
    out_ << "[";
    levels_.push_back({});
}

void JsonWriter::EndArray() {
    Close(']');
}

void JsonWriter::Number(std::string_view key, int64_t value) {
    Member(key);
    out_ << value;
}

void JsonWriter::Text(std::string_view key, std::string_view value) {
    Member(key);
    out_ << Quoted(value);
}

void JsonWriter::Bool(std::string_view key, bool value) {
    Member(key);
    out_ << (value ? "true" : "false");
}

void JsonWriter::NumberRow(std::string_view key, const std::vector<int64_t>& values) {
    Member(key);
    out_ << "[";
    for (size_t i = 0; i < values.size(); ++i)
        out_ << (i ? ", " : "") << values[i];
    out_ << "]";
}

} // namespace mervik::tools
