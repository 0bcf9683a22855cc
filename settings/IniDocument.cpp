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
        lines_.push_back(ParseLine(std::string(bytes.substr(pos, end - pos))));
        pos = end;
    }
}

IniDocument::Line IniDocument::ParseLine(std::string text) {
    Line line;
    line.text = std::move(text);
    std::string_view all = line.text;
    std::string_view content = ini::Trim(all.substr(0, all.size() - line.LineEnd().size()));
    if (content.empty())
        return line;
    auto offsetOf = [&](std::string_view part) {
        return static_cast<size_t>(part.data() - all.data());
    };

    size_t close = content.rfind(']');
    if (content.front() == '[' && close != std::string_view::npos && close > 0) {
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

size_t IniDocument::FirstHeader() const {
    for (size_t i = 0; i < lines_.size(); ++i)
        if (lines_[i].kind == LineKind::Header)
            return i;
    return lines_.size();
}

std::optional<IniDocument::Range> IniDocument::FindSection(std::string_view name) const {
    name = ini::Trim(name);
    // The lines before the first header always form a section named "", and
    // it comes first, so a later "[]" is never reached.
    if (name.empty())
        return Range{0, FirstHeader()};
    for (size_t i = 0; i < lines_.size(); ++i) {
        if (lines_[i].kind != LineKind::Header || !ini::NamesEqual(lines_[i].Name(), name))
            continue;
        size_t end = i + 1;
        while (end < lines_.size() && lines_[end].kind != LineKind::Header)
            ++end;
        return Range{i + 1, end};
    }
    return std::nullopt;
}

std::optional<size_t> IniDocument::FindKey(Range section, std::string_view key) const {
    key = ini::Trim(key);
    for (size_t i = section.begin; i < section.end; ++i)
        if (lines_[i].kind == LineKind::Entry && ini::NamesEqual(lines_[i].Name(), key))
            return i;
    return std::nullopt;
}

std::optional<std::string_view> IniDocument::Find(std::string_view section,
                                                  std::string_view key) const {
    auto range = FindSection(section);
    if (!range)
        return std::nullopt;
    auto index = FindKey(*range, key);
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
    auto range = FindSection(section);
    if (!range) {
        std::string header;
        header.append("[").append(section).append("]").append(kNewLine);
        Insert(lines_.size(), std::move(header));
        Insert(lines_.size(), EntryText(key, value, kNewLine));
        return;
    }
    if (auto index = FindKey(*range, key))
        Replace(*index, value);
    else
        Insert(EndOfContent(*range), EntryText(key, value, kNewLine));
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
        line = ParseLine(std::move(text));
}

// New lines go before a section's trailing blank lines, next to its last key.
size_t IniDocument::EndOfContent(Range section) const {
    for (size_t i = section.end; i > section.begin; --i)
        if (lines_[i - 1].kind != LineKind::Blank)
            return i;
    return section.begin;
}

void IniDocument::Insert(size_t index, std::string text) {
    if (index > 0 && lines_[index - 1].LineEnd().empty())
        lines_[index - 1].text += kNewLine;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(index), ParseLine(std::move(text)));
}

} // namespace mervik
