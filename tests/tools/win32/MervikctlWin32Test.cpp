// mervikctl.exe as a user's shell starts it: a wide command line, a program
// folder under a user name with accents, names typed in any script.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

#include "settings/FileAccess.h"
#include "settings/win32/WidePath.h"
#include "win32/AnsiText.h"
#include "win32/UniqueHandleWin32.h"

namespace mervik {
namespace {

struct Finished {
    DWORD exitCode = 0xFFFFFFFF;
    std::string output; // standard output and error together
};

std::wstring OwnFolder() {
    std::wstring path(MAX_PATH, L'\0');
    path.resize(GetModuleFileNameW(nullptr, path.data(), MAX_PATH));
    return path.substr(0, path.find_last_of(L'\\') + 1);
}

Finished RunMervikctl(const std::wstring& arguments) {
    std::wstring commandLine = L"\"" + OwnFolder() + L"mervikctl.exe\" " + arguments;
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    Finished finished;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0))
        return finished;
    win::UniqueHandle reader(readEnd), writer(writeEnd);
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW si{};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdOutput = si.hStdError = writeEnd;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                        &si, &pi))
        return finished;
    win::UniqueHandle process(pi.hProcess), thread(pi.hThread);
    writer.reset(); // the child holds the only write end now
    char buffer[4096];
    DWORD n = 0;
    while (ReadFile(readEnd, buffer, sizeof buffer, &n, nullptr) && n > 0)
        finished.output.append(buffer, n);
    WaitForSingleObject(pi.hProcess, INFINITE);
    GetExitCodeProcess(pi.hProcess, &finished.exitCode);
    return finished;
}

class MervikctlWin32 : public ::testing::Test {
protected:
    void SetUp() override {
        std::wstring temp(MAX_PATH, L'\0');
        temp.resize(GetTempPathW(MAX_PATH, temp.data()));
        user_ =
            temp + L"M\u00e4use \u00c4rger \u00e9t\u00e9 " + std::to_wstring(GetCurrentProcessId());
        folder_ = user_ + L"\\Mervik";
        ASSERT_TRUE(CreateDirectoryW(user_.c_str(), nullptr));
        ASSERT_EQ(RunMervikctl(L"init " + Quoted(folder_)).exitCode, 0u);
    }
    void TearDown() override { std::filesystem::remove_all(std::filesystem::path(user_)); }

    static std::wstring Quoted(const std::wstring& text) { return L"\"" + text + L"\""; }
    std::string FileBytes(const wchar_t* name) const {
        return ReadWholeFile(win::Utf8(folder_ + L"\\" + name)).bytes;
    }

    std::wstring user_, folder_;
};

TEST_F(MervikctlWin32, AFolderWithAccentsIsTheFolderTyped) {
    EXPECT_NE(GetFileAttributesW(folder_.c_str()), INVALID_FILE_ATTRIBUTES);
    const Finished use = RunMervikctl(L"use " + Quoted(folder_) + L" 2");
    EXPECT_EQ(use.exitCode, 0u) << use.output;
    EXPECT_NE(FileBytes(L"config.ini").find("CurrentProfile=2\r\n"), std::string::npos);
    const Finished listing = RunMervikctl(L"profiles " + Quoted(folder_));
    EXPECT_EQ(listing.exitCode, 0u) << listing.output;
    EXPECT_NE(listing.output.find("* 2  Default3"), std::string::npos) << listing.output;
}

TEST_F(MervikctlWin32, TextsAreStoredInTheCodePageOrRefused) {
    const std::optional<std::string> accented = win::ExactAnsi(L"M\u00e4use");
    if (accented) {
        ASSERT_EQ(RunMervikctl(L"rename " + Quoted(folder_) + L" 1 M\u00e4use").exitCode, 0u);
        EXPECT_NE(FileBytes(L"config\\Default1.gmp").find("ProFileName=" + *accented + "\r\n"),
                  std::string::npos);
    }
    if (win::ExactAnsi(L"\u8d5b\u8f66"))
        GTEST_SKIP() << "the system's code page holds Chinese characters";
    const std::string before = FileBytes(L"config\\Default1.gmp");
    const Finished rename = RunMervikctl(L"rename " + Quoted(folder_) + L" 1 \u8d5b\u8f66");
    EXPECT_EQ(rename.exitCode, 1u);
    EXPECT_NE(rename.output.find("the name refused: it has characters that the system's code "
                                 "page cannot hold; nothing changed"),
              std::string::npos)
        << rename.output;
    const Finished link =
        RunMervikctl(L"link " + Quoted(folder_) + L" 1 C:\\\u6e38\u620f\\\u8d5b\u8f66.exe");
    EXPECT_EQ(link.exitCode, 1u);
    EXPECT_NE(link.output.find("the program path refused"), std::string::npos) << link.output;
    EXPECT_EQ(FileBytes(L"config\\Default1.gmp"), before);
}

} // namespace
} // namespace mervik
