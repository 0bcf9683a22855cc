#pragma once
// A small streaming JSON writer with a stable layout: two-space indents, one
// member a line, arrays of numbers on one line. Texts of the suite are ANSI
// bytes; bytes above 0x7F are written as \u00XX so the output stays valid
// UTF-8 and loses nothing.
#include <cstdint>
#include <ostream>
#include <string_view>
#include <vector>

namespace mervik::tools {

class JsonWriter {
public:
    explicit JsonWriter(std::ostream& out) : out_(out) {}

    void BeginObject(std::string_view key = {});
    void EndObject();
    void BeginArray(std::string_view key = {});
    void EndArray();

    void Number(std::string_view key, int64_t value);
    void Text(std::string_view key, std::string_view value);
    void Bool(std::string_view key, bool value);
    // An array of numbers on one line, for short tuples such as macro events.
    void NumberRow(std::string_view key, const std::vector<int64_t>& values);

    // Elements of an array have no key.
    void Number(int64_t value) { Number({}, value); }
    void Text(std::string_view value) { Text({}, value); }

    static std::string Quoted(std::string_view text);

private:
    struct Level {
        bool first = true;
    };
    void Member(std::string_view key);
    void Close(char bracket);

    std::ostream& out_;
    std::vector<Level> levels_;
};

} // namespace mervik::tools
