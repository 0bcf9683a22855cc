// Bounded random inputs for the INI reader and writer and the profile reader,
// with fixed seeds so a failure repeats. The libFuzzer target in fuzz/ runs the
// same checks without bounds.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "settings/IniDocument.h"
#include "settings/ProfileDefaults.h"
#include "settings/ProfileFile.h"
#include "tests/settings/IniInputChecks.h"
#include "tests/settings/ProfileSamples.h"

namespace mervik {
namespace {

// Mostly INI-shaped text, with every byte value turning up now and then.
std::string RandomText(std::mt19937& rng, size_t maxSize) {
    static const std::string_view alphabet = "[]=;\"' \t\r\n\x1a"
                                             "skSKtaA019xX";
    std::string text(std::uniform_int_distribution<size_t>(0, maxSize)(rng), ' ');
    for (char& c : text)
        c = rng() % 8 ? alphabet[rng() % alphabet.size()] : static_cast<char>(rng());
    return text;
}

std::string RandomName(std::mt19937& rng) {
    static const char* const names[] = {
        "s", "S", " s ", "t", "", "k", "K", "a", "Setting", "ProFileName", "MacroKeyInfo0"};
    return names[rng() % std::size(names)];
}

TEST(IniFuzz, RandomFilesAndWritesKeepTheirPromises) {
    std::mt19937 rng(1234);
    for (int i = 0; i < 3000; ++i) {
        std::string bytes = RandomText(rng, 200);
        std::string section = RandomName(rng), key = RandomName(rng), value = RandomText(rng, 12);
        std::string error = testing::CheckIniInput(bytes, section, key, value);
        ASSERT_EQ(error, "") << "input " << i << ": " << ::testing::PrintToString(bytes) << " ["
                             << section << "] " << key << " = " << ::testing::PrintToString(value);
    }
}

// A sound profile file with bytes flipped, lines cut out and its end lost.
std::string Mutate(std::string file, std::mt19937& rng) {
    int edits = 1 + static_cast<int>(rng() % 8);
    for (int e = 0; e < edits && !file.empty(); ++e) {
        size_t at = rng() % file.size();
        switch (rng() % 4) {
        case 0:
            file[at] = static_cast<char>(rng());
            break;
        case 1:
            file.erase(at, file.find('\n', at) - at);
            break;
        case 2:
            file.resize(at);
            break;
        default:
            file.insert(at, RandomText(rng, 20));
            break;
        }
    }
    return file;
}

TEST(IniFuzz, DamagedProfileFilesLoadBounded) {
    ProfileRecord sample;
    testing::FillSampleProfile(sample, 2);
    IniDocument doc;
    WriteProfile(sample, doc);
    const std::string sound = doc.Bytes();
    std::mt19937 rng(99);
    for (int i = 0; i < 300; ++i) {
        std::string damaged = Mutate(sound, rng);
        ASSERT_EQ(testing::CheckProfileInput(damaged), "") << "input " << i;
    }
    for (int i = 0; i < 300; ++i)
        ASSERT_EQ(testing::CheckProfileInput(RandomText(rng, 400)), "") << "random input " << i;
}

} // namespace
} // namespace mervik
