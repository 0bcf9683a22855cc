// libFuzzer target for the macro loader: the input is the whole of
// config/sequence.dat. Every macro that reaches the list must keep to the
// bounds the editor, the sync and the device encoding rely on.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

#include "macros/MacroFile.h"
#include "tests/macros/MacroBounds.h"

namespace {

// A program folder of this process's own, removed at exit.
class ProgramFolder {
public:
    ProgramFolder()
        : path_(std::filesystem::temp_directory_path() /
                ("mervik-macro-fuzz-" + std::to_string(::getpid()))) {
        std::filesystem::create_directories(path_ / "config");
    }
    ~ProgramFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    std::string Name() const { return path_.string() + "/"; }

private:
    std::filesystem::path path_;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const ProgramFolder folder;
    std::ofstream(mervik::MacroFilePath(folder.Name()), std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    mervik::MacroList list;
    mervik::LoadNotes notes;
    mervik::LoadMacroList(folder.Name(), list, &notes);
    for (int i = 0; i < list.Count(); ++i) {
        const std::string error = mervik::test::MacroBoundsError(*list.RecordAt(i));
        if (!error.empty()) {
            std::fprintf(stderr, "macro %d: %s\n", i, error.c_str());
            std::abort();
        }
    }
    return 0;
}
