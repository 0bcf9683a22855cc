#pragma once
// An INI file held in memory, read and edited the way the platform's
// private-profile functions read and edit it, but keeping the file's own bytes:
// a write changes the one line of its key (or adds one) and every other line
// stays byte for byte as it was. Windows does the same. Wine instead rewrites
// the whole file in its own layout on every write (blank lines and blanks
// around names dropped, text after a header's ']' lost); we keep the lines we
// do not own, since users and other programs may have put them there. On
// files already in that layout both give the same bytes.
//
// New lines end with CR LF; new keys go after the last non-blank line of
// their section, new sections at the end of the file.
//
// Reading follows the platform: names and values are trimmed of blanks; names
// compare without regard to ASCII case; the first section of a name wins and
// later sections of the same name are never seen; within it the first line of
// a key wins, even a line without '=' (which reads as missing); lines before
// the first section header form the section named ""; a header is a line that
// starts with '[' and has a ']' after it (the last one ends the name; anything
// behind it is ignored); comment lines are ordinary lines, so ";x=1" is key
// ";x"; CR, LF and CR LF all end a line; a UTF-8 byte order mark is skipped.
//
// The file is split and its sections and keys indexed in one pass, so reading
// it and every lookup after that cost no more than the file's size. Lines no
// lookup can reach (blank lines, a key's later lines, a name's later sections)
// are kept together as runs of bytes, so a file of millions of such lines
// costs little more than its bytes.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/IniNameIndex.h"

namespace mervik {

class IniDocument {
public:
    IniDocument() = default;
    explicit IniDocument(std::string_view bytes);

    // The file's bytes, with the edits made so far.
    std::string Bytes() const;

    // The value as stored, trimmed; nothing when the section or key is missing
    // or the key's line has no '='.
    std::optional<std::string_view> Find(std::string_view section, std::string_view key) const;

    // Text with one pair of surrounding quotes removed; `fallback` (trailing
    // blanks trimmed, as the platform does) when the key is missing.
    std::string ReadText(std::string_view section, std::string_view key,
                         std::string_view fallback) const;
    // `fallback` when the key is missing or empty; otherwise the platform's
    // conversion, which reads non-numeric text as 0 (see ini::ParseInt).
    int32_t ReadInt(std::string_view section, std::string_view key, int32_t fallback) const;
    // True and `buffer` filled when the stored structure is sound; otherwise
    // false and `buffer` untouched.
    bool ReadStruct(std::string_view section, std::string_view key, void* buffer,
                    size_t size) const;

    // Sets the key's value, adding the key at the end of its section and the
    // section at the end of the file when missing. Names and the value lose
    // their leading blanks and are cut at their first line break so they
    // cannot spill into lines of their own; trailing blanks are written (the
    // platform does the same) and trimmed again by every reader.
    void WriteText(std::string_view section, std::string_view key, std::string_view value);
    void WriteInt(std::string_view section, std::string_view key, int32_t value);
    void WriteStruct(std::string_view section, std::string_view key, const void* data, size_t size);

private:
    // Blank: one or more blank lines. Header: the header of the first section
    // of its name. Entry: the first line of a key in such a section. Other:
    // one or more lines that no lookup reaches, kept for their bytes.
    enum class LineKind : uint8_t { Blank, Header, Entry, Other };

    // One line, or a run of lines, its end of line included. Names and values
    // are positions in `text`.
    struct Line {
        std::string text;
        LineKind kind = LineKind::Blank;
        bool hasValue = false;
        size_t nameBegin = 0, nameSize = 0;
        size_t valueBegin = 0, valueSize = 0;

        std::string_view Name() const { return std::string_view(text).substr(nameBegin, nameSize); }
        std::string_view Value() const {
            return std::string_view(text).substr(valueBegin, valueSize);
        }
        std::string_view LineEnd() const;
    };

    // The lines of the first section of a name, its header excluded.
    struct Section {
        size_t begin, end;
    };

    // `asEntry` reads the line as a key line even where it looks like a header
    // (a written value may hold "]").
    static Line ParseLine(std::string_view text, bool asEntry = false);
    void Append(Line line);
    bool StartsSection(const Line& header);
    bool IndexKey(size_t section, const Line& entry, size_t at);
    std::string_view SectionName(IniNameIndex::Entry section) const;
    std::string_view KeyName(IniNameIndex::Entry key) const;
    bool MergeIntoLast(Line& line);
    std::optional<size_t> FindSection(std::string_view name) const;
    std::optional<size_t> FindKey(size_t section, std::string_view key) const;
    void Replace(size_t index, std::string_view value);
    void InsertEntry(size_t section, std::string_view text);
    void EndLineBefore(size_t index);
    size_t EndOfContent(const Section& section) const;

    static constexpr size_t kNoSection = SIZE_MAX;

    std::string bom_;
    std::vector<Line> lines_;
    // The first is the section "" of the lines before the first header.
    std::vector<Section> sections_{Section{0, 0}};
    // The section lines added at the end go to; kNoSection in a later section
    // of a name already seen.
    size_t openSection_ = 0;
    IniNameIndex sectionIndex_; // positions: sections_
    // Scopes: sections_; positions: a key's line as an offset from its
    // section's begin, which does not change when lines are inserted into
    // this section or an earlier one.
    IniNameIndex keyIndex_;
};

} // namespace mervik
