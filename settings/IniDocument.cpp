#include "settings/IniDocument.h"

#include <string>

#include "settings/IniText.h"
#include "settings/IniValues.h"

namespace mervik {

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
// What the platform puts at the end of every line it writes.
constexpr std::string_view kNewLine = "\r\n";

// End of the line starting at `pos`: after CR LF, CR or LF, or the end of the bytes.
size_t EndOfLine(std::string_view bytes, size_t pos) {
    size_t end = ini::FindLineBreak(bytes.substr(pos));
    if (end == std::string_view::npos)
        return bytes.size();
    end += pos;
    if (bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n')
        return end + 2;
    return end + 1;
}

// A name or value as the platform writes it: without leading blanks, and cut
// at its first line break so that nothing written can add lines (or sections)
// of its own. Trailing blanks stay; readers trim them.
std::string_view SingleLine(std::string_view text) {
    while (!text.empty() && ini::IsBlank(text.front()))
        text.remove_prefix(1);
    return text.substr(0, ini::FindLineBreak(text, /*nulEndsLine=*/true));
}

std::string EntryText(std::string_view name, std::string_view value, std::string_view lineEnd) {
    std::string text;
    text.reserve(name.size() + value.size() + 1 + lineEnd.size());
    text.append(name).append("=").append(value).append(lineEnd);
    return text;
}

} // namespace

std::string_view IniDocument::Line::LineEnd() const {
    std::string_view t = text;
    size_t n = 0;
    if (t.ends_with(kNewLine))
        n = 2;
    else if (t.ends_with('\r') || t.ends_with('\n'))
        n = 1;
    return t.substr(t.size() - n);
}

IniDocument::IniDocument(std::string_view bytes) {
    if (bytes.starts_with(kUtf8Bom)) {
        bom_ = kUtf8Bom;
        bytes.remove_prefix(kUtf8Bom.size());
    }
    for (size_t pos = 0; pos < bytes.size();) {
        size_t end = EndOfLine(bytes, pos);
        Append(ParseLine(bytes.substr(pos, end - pos)));
        pos = end;
    }
}

IniDocument::Line IniDocument::ParseLine(std::string_view text, bool asEntry) {
    Line line;
    line.text = text;
    std::string_view all = line.text;
    std::string_view content = ini::Trim(all.substr(0, all.size() - line.LineEnd().size()));
    if (content.empty())
        return line;
    auto offsetOf = [&](std::string_view part) {
        return static_cast<size_t>(part.data() - all.data());
    };

    size_t close = content.rfind(']');
    if (!asEntry && content.front() == '[' && close != std::string_view::npos && close > 0) {
        std::string_view name = ini::Trim(content.substr(1, close - 1));
        line.kind = LineKind::Header;
        line.nameBegin = name.empty() ? 0 : offsetOf(name);
        line.nameSize = name.size();
        return line;
    }

    line.kind = LineKind::Entry;
    size_t equals = content.find('=');
    std::string_view name = ini::Trim(content.substr(0, equals));
    line.nameBegin = name.empty() ? 0 : offsetOf(name);
    line.nameSize = name.size();
    if (equals != std::string_view::npos) {
        std::string_view value = ini::Trim(content.substr(equals + 1));
        line.hasValue = true;
        line.valueBegin = value.empty() ? 0 : offsetOf(value);
        line.valueSize = value.size();
    }
    return line;
}

// Adds a line at the end of the file, as reading the file on would: a header
// opens the section lines go to from then on, and a line that no lookup can
// reach joins the run of such lines before it.
void IniDocument::Append(Line line) {
    if (line.kind == LineKind::Header) {
        const bool closesSection = openSection_ != kNoSection;
        if (StartsSection(line)) {
            lines_.push_back(std::move(line));
            sections_.push_back(Section{lines_.size(), lines_.size()});
            openSection_ = sections_.size() - 1;
            return;
        }
        // A later section of a name: nothing in it is ever read.
        line.kind = LineKind::Other;
        openSection_ = kNoSection;
        if (closesSection) {
            lines_.push_back(
                std::move(line)); // the end of the section before stays a line boundary
            return;
        }
    } else if (line.kind == LineKind::Entry) {
        if (openSection_ == kNoSection || !IndexKey(openSection_, line, lines_.size()))
            line.kind = LineKind::Other;
    }
    if (!MergeIntoLast(line))
        lines_.push_back(std::move(line));
    if (openSection_ != kNoSection)
        sections_[openSection_].end = lines_.size();
}

// Only the first section of a name is ever read, and "" is the lines before
// the first header, so a later "[]" is never reached either.
bool IniDocument::StartsSection(const Line& header) {
    return header.nameSize > 0 &&
           sectionIndex_.Insert(0, header.Name(), sections_.size(),
                                [this](IniNameIndex::Entry e) { return SectionName(e); });
}

// True when `entry`, to go at line `at` of `section`, is the first line of its key there.
bool IniDocument::IndexKey(size_t section, const Line& entry, size_t at) {
    return keyIndex_.Insert(section, entry.Name(), at - sections_[section].begin,
                            [this](IniNameIndex::Entry e) { return KeyName(e); });
}

std::string_view IniDocument::SectionName(IniNameIndex::Entry section) const {
    return lines_[sections_[section.position].begin - 1].Name(); // its header
}

std::string_view IniDocument::KeyName(IniNameIndex::Entry key) const {
    return lines_[sections_[key.scope].begin + key.position].Name();
}

// Blank lines join the blank lines before them; other unreachable lines join
// the unreachable run before them, together with blank lines in between. A
// section's trailing blank lines stay a line of their own, since new keys go
// in front of them.
bool IniDocument::MergeIntoLast(Line& line) {
    if (lines_.empty())
        return false;
    if (line.kind == LineKind::Blank) {
        if (lines_.back().kind != LineKind::Blank)
            return false;
        lines_.back().text += line.text;
        return true;
    }
    if (line.kind != LineKind::Other)
        return false;
    const size_t n = lines_.size();
    if (n >= 2 && lines_[n - 1].kind == LineKind::Blank && lines_[n - 2].kind == LineKind::Other) {
        lines_[n - 2].text += lines_[n - 1].text;
        lines_.pop_back();
    }
    if (lines_.back().kind != LineKind::Other)
        return false;
    lines_.back().text += line.text;
    return true;
}

std::string IniDocument::Bytes() const {
    size_t size = bom_.size();
    for (const Line& line : lines_)
        size += line.text.size();
    std::string bytes;
    bytes.reserve(size);
    bytes += bom_;
    for (const Line& line : lines_)
        bytes += line.text;
    return bytes;
}

std::optional<size_t> IniDocument::FindSection(std::string_view name) const {
    name = ini::Trim(name);
    if (name.empty())
        return 0;
    return sectionIndex_.Find(0, name, [this](IniNameIndex::Entry e) { return SectionName(e); });
}

std::optional<size_t> IniDocument::FindKey(size_t section, std::string_view key) const {
    auto offset = keyIndex_.Find(section, ini::Trim(key),
                                 [this](IniNameIndex::Entry e) { return KeyName(e); });
    if (!offset)
        return std::nullopt;
    return sections_[section].begin + *offset;
}

std::optional<std::string_view> IniDocument::Find(std::string_view section,
                                                  std::string_view key) const {
    auto found = FindSection(section);
    if (!found)
        return std::nullopt;
    auto index = FindKey(*found, key);
    if (!index || !lines_[*index].hasValue)
        return std::nullopt;
    return lines_[*index].Value();
}

std::string IniDocument::ReadText(std::string_view section, std::string_view key,
                                  std::string_view fallback) const {
    if (auto value = Find(section, key))
        return ini::UnquotedValue(*value);
    while (!fallback.empty() && ini::IsBlank(fallback.back()))
        fallback.remove_suffix(1);
    return std::string(fallback);
}

int32_t IniDocument::ReadInt(std::string_view section, std::string_view key,
                             int32_t fallback) const {
    auto value = Find(section, key);
    std::string text = value ? ini::UnquotedValue(*value, ini::kIntBufferSize) : std::string();
    return text.empty() ? fallback : ini::ParseInt(text);
}

bool IniDocument::ReadStruct(std::string_view section, std::string_view key, void* buffer,
                             size_t size) const {
    auto value = Find(section, key);
    return value && ini::DecodeStruct(*value, buffer, size);
}

void IniDocument::WriteText(std::string_view section, std::string_view key,
                            std::string_view value) {
    section = SingleLine(section);
    key = SingleLine(key);
    value = SingleLine(value);
    auto found = FindSection(section);
    if (!found) {
        std::string header;
        header.append("[").append(section).append("]").append(kNewLine);
        EndLineBefore(lines_.size());
        Append(ParseLine(header));
        Append(ParseLine(EntryText(key, value, kNewLine)));
        return;
    }
    if (auto index = FindKey(*found, key))
        Replace(*index, value);
    else
        InsertEntry(*found, EntryText(key, value, kNewLine));
}

void IniDocument::WriteInt(std::string_view section, std::string_view key, int32_t value) {
    WriteText(section, key, std::to_string(value));
}

void IniDocument::WriteStruct(std::string_view section, std::string_view key, const void* data,
                              size_t size) {
    WriteText(section, key, ini::EncodeStruct(data, size));
}

// The key keeps the spelling it has in the file; the line keeps its own end.
// A line that would not change is left alone, odd spacing and all.
void IniDocument::Replace(size_t index, std::string_view value) {
    Line& line = lines_[index];
    if (line.hasValue && line.Value() == value)
        return;
    std::string text = EntryText(line.Name(), value, line.LineEnd());
    if (text != line.text)
        line = ParseLine(text, /*asEntry=*/true);
}

// New lines go before a section's trailing blank lines, next to its last key.
size_t IniDocument::EndOfContent(const Section& section) const {
    size_t end = section.end;
    if (end > section.begin && lines_[end - 1].kind == LineKind::Blank)
        --end;
    return end;
}

void IniDocument::InsertEntry(size_t section, std::string_view text) {
    const size_t at = EndOfContent(sections_[section]);
    EndLineBefore(at);
    Line line = ParseLine(text, /*asEntry=*/true);
    // Only a key whose written name reads back as another one can be taken.
    if (!IndexKey(section, line, at))
        line.kind = LineKind::Other;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), std::move(line));
    ++sections_[section].end;
    for (size_t later = section + 1; later < sections_.size(); ++later) {
        ++sections_[later].begin;
        ++sections_[later].end;
    }
}

// Only the file's last line can lack its line end.
void IniDocument::EndLineBefore(size_t index) {
    if (index > 0 && lines_[index - 1].LineEnd().empty())
        lines_[index - 1].text += kNewLine;
}

} // namespace mervik
