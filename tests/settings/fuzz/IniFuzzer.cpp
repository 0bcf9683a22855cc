// libFuzzer target for the INI reader and writer and the profile reader.
// Input: a first byte 'p' reads the rest as a profile file; anything else
// reads the rest as "file\0section\0key\0value" and writes that key.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "tests/settings/IniInputChecks.h"

namespace {

std::string_view NextPart(std::string_view& rest) {
    size_t end = rest.find('\0');
    std::string_view part = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    return part;
}

void Require(const std::string& error) {
    if (!error.empty()) {
        std::fprintf(stderr, "%s\n", error.c_str());
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    std::string_view rest(reinterpret_cast<const char*>(data) + 1, size - 1);
    if (data[0] == 'p') {
        Require(mervik::testing::CheckProfileInput(rest));
        return 0;
    }
    std::string_view file = NextPart(rest), section = NextPart(rest), key = NextPart(rest);
    Require(mervik::testing::CheckIniInput(file, section, key, rest));
    return 0;
}
