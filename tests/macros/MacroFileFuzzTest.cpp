// Damaged macro files, generated from fixed seeds so a failure can be replayed:
// whatever the file holds, every macro that reaches the list must be within
// the bounds the editor, the sync and the device encoding rely on.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>

#include "MacroBounds.h"
#include "MacroTestData.h"
#include "macros/MacroFile.h"
#include "settings/IniValues.h"
#include "tests/settings/TempFolder.h"

namespace mervik {
namespace {

using testing::TempFolder;

constexpr int kInputCount = 3000;

// splitmix64: the same numbers on every platform and standard library.
class Rng {
public:
    explicit Rng(uint64_t seed) : state_(seed) {}
    uint64_t Next() {
        uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    size_t Below(size_t n) { return n ? static_cast<size_t>(Next() % n) : 0; }
    uint8_t Byte() { return static_cast<uint8_t>(Next()); }
    bool OneIn(size_t n) { return Below(n) == 0; }

private:
    uint64_t state_;
};

MacroRecord SoundMacro(Rng& rng) {
    MacroRecord record = test::Macro("m" + std::to_string(rng.Below(1000)), {});
    record.RepeatCount = static_cast<int32_t>(rng.Below(256));
    record.EventCount = static_cast<int32_t>(rng.Below(kMaxMacroEvents + 1));
    for (MacroEvent& e : record.Events)
        e = {rng.Byte(), static_cast<uint8_t>(MacroPress + rng.Below(2)),
             static_cast<uint16_t>(rng.Next())};
    return record;
}

// Checksum-valid bytes of any shape: names without terminator, wild counts,
// unknown actions.
MacroRecord WildMacro(Rng& rng) {
    MacroRecord record = SoundMacro(rng);
    auto* bytes = reinterpret_cast<uint8_t*>(&record);
    for (size_t n = 1 + rng.Below(8); n > 0; --n)
        bytes[rng.Below(sizeof record)] = rng.Byte();
    if (rng.OneIn(4))
        std::memset(record.Name, 'a' + static_cast<int>(rng.Below(26)),
                    rng.Below(sizeof record.Name + 1));
    if (rng.OneIn(4))
        record.EventCount = static_cast<int32_t>(rng.Next());
    return record;
}

// Huge counts are rare: each walks every index up to the list's bound.
std::string CountText(Rng& rng, int records) {
    if (rng.OneIn(40))
        return std::to_string(static_cast<int32_t>(rng.Next()));
    switch (rng.Below(4)) {
    case 0:
        return std::to_string(static_cast<int>(rng.Below(20)) - 5);
    case 1:
        return "0x" + std::to_string(rng.Below(16));
    default:
        return std::to_string(records);
    }
}

std::string SoundFile(Rng& rng) {
    const int records = static_cast<int>(rng.Below(6));
    std::string text = "[Macros]\r\nnumber=" + CountText(rng, records) + "\r\n";
    for (int i = 0; i < records; ++i) {
        const MacroRecord record = rng.OneIn(2) ? SoundMacro(rng) : WildMacro(rng);
        text += std::to_string(i) + "=" + ini::EncodeStruct(&record, sizeof record) + "\r\n";
    }
    return text;
}

void Damage(Rng& rng, std::string& text) {
    for (size_t n = rng.Below(4); n > 0 && !text.empty(); --n) {
        const size_t at = rng.Below(text.size());
        switch (rng.Below(5)) {
        case 0:
            text[at] = static_cast<char>(rng.Byte());
            break;
        case 1:
            text.erase(at, 1 + rng.Below(600));
            break;
        case 2:
            text.insert(at, text.substr(rng.Below(text.size()), rng.Below(600)));
            break;
        case 3:
            text.insert(at, "\r\n" + std::to_string(rng.Below(8)) + "=");
            break;
        default:
            text.resize(at);
            break;
        }
    }
}

void ExpectSameList(const MacroList& a, const MacroList& b) {
    ASSERT_EQ(a.Count(), b.Count());
    for (int i = 0; i < a.Count(); ++i)
        EXPECT_EQ(std::memcmp(a.RecordAt(i), b.RecordAt(i), sizeof(MacroRecord)), 0);
}

TEST(MacroFileFuzz, DamagedFilesLoadOnlyRecordsWithinBounds) {
    TempFolder dir;
    std::filesystem::create_directories(dir.File("config"));
    const std::string path = MacroFilePath(dir.Folder());
    int loadedRecords = 0;
    for (uint64_t seed = 0; seed < kInputCount; ++seed) {
        SCOPED_TRACE(seed);
        Rng rng(seed);
        std::string text = SoundFile(rng);
        Damage(rng, text);
        TempFolder::Write(path, text);

        MacroList loaded;
        ASSERT_EQ(LoadMacroList(dir.Folder(), loaded), MacroFileRead::Read);
        loadedRecords += loaded.Count();
        for (int i = 0; i < loaded.Count(); ++i)
            EXPECT_EQ(test::MacroBoundsError(*loaded.RecordAt(i)), "");

        // What was kept survives a save and a load unchanged.
        ASSERT_TRUE(SaveMacroList(dir.Folder(), loaded));
        MacroList again;
        LoadMacroList(dir.Folder(), again);
        ExpectSameList(loaded, again);
        if (HasFailure())
            break;
    }
    // Most inputs must still hold something loadable, or the bounds go unchecked.
    EXPECT_GT(loadedRecords, kInputCount / 2);
}

} // namespace
} // namespace mervik
