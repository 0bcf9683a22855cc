// How mervikctl answers a user who gets it wrong: usage errors, help, and
// folders that are not a program folder.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "tests/tools/CommandFixture.h"

namespace mervik::tools {
namespace {

class Conventions : public CommandFixture {
protected:
    int Mervikctl(Arguments args) { return Run(RunMervikctl, std::move(args)); }
    std::vector<std::string> ErrorLines() const {
        std::vector<std::string> lines;
        std::istringstream in(err_.str());
        for (std::string line; std::getline(in, line);)
            lines.push_back(line);
        return lines;
    }
};

TEST_F(Conventions, AUsageErrorSaysWhatWasWrongThenWhereToReadMore) {
    ASSERT_EQ(Mervikctl({"init", Folder()}), kExitOk);
    const std::string f = Folder();
    const struct {
        Arguments args;
        std::string problem;
        std::string usage;
    } cases[] = {
        {{"profiles", f, "--jsn"}, "mervikctl profiles: unknown option --jsn", "profiles FOLDER"},
        {{"use", f, "5"}, "mervikctl use: N is a profile, 0 to 4, not 5", "use FOLDER N"},
        {{"init"}, "mervikctl init: FOLDER is missing", "init FOLDER [--force]"},
        {{"rename", f, "1"}, "mervikctl rename: NAME is missing", "rename FOLDER N NAME"},
        {{"unlink", f, "1", "x"}, "mervikctl unlink: unexpected argument x", "unlink FOLDER N"},
        {{"dump", f, f}, "mervikctl dump: unexpected argument " + f, "dump FOLDER"},
        {{"encode", f, "--profile"}, "mervikctl encode: --profile needs N", "encode FOLDER"},
        {{"encode", f, "--profile", "01"},
         "mervikctl encode: --profile is a profile, 0 to 4, not 01",
         "encode FOLDER"},
        {{"help", "frobnicate"}, "mervikctl help: frobnicate is no command", "help [COMMAND]"},
        {{"devices", f}, "mervikctl devices: unexpected argument " + f, "devices [--json]"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.problem);
        EXPECT_EQ(Mervikctl(c.args), kExitUsage);
        EXPECT_EQ(out_.str(), "");
        const std::vector<std::string> lines = ErrorLines();
        ASSERT_EQ(lines.size(), 2u) << err_.str();
        EXPECT_EQ(lines[0], c.problem);
        const std::string command = c.args[0];
        EXPECT_EQ(lines[1].rfind("usage: mervikctl " + c.usage, 0), 0u) << lines[1];
        EXPECT_NE(lines[1].find("\"mervikctl help " + command + "\""), std::string::npos);
    }
    for (const Arguments& args : {Arguments{}, Arguments{"frobnicate", f}}) {
        EXPECT_EQ(Mervikctl(args), kExitUsage);
        const std::vector<std::string> lines = ErrorLines();
        ASSERT_GE(lines.size(), 2u);
        EXPECT_EQ(lines[0], args.empty() ? "mervikctl: no command given"
                                         : "mervikctl: frobnicate is no command");
        EXPECT_EQ(lines[1].rfind("usage: mervikctl COMMAND", 0), 0u);
        EXPECT_LE(lines.size(), 5u) << "the usage, not the whole help";
    }
}

TEST_F(Conventions, HelpOfACommandIsThatCommandsAlone) {
    ASSERT_EQ(Mervikctl({"help", "init"}), kExitOk);
    const std::string init = out_.str();
    EXPECT_EQ(init.rfind("usage: mervikctl init FOLDER [--force]\n", 0), 0u) << init;
    EXPECT_EQ(init.find("encode"), std::string::npos) << init;
    ASSERT_EQ(Mervikctl({"init", "--help"}), kExitOk);
    EXPECT_EQ(out_.str(), init);

    ASSERT_EQ(Mervikctl({"help"}), kExitOk);
    const std::string all = out_.str();
    for (const char* usage : {"  init FOLDER [--force]\n", "  encode FOLDER [--profile N]\n",
                              "  rename FOLDER N NAME\n", "  help [COMMAND]\n", "  --version\n",
                              "conventions:\n", "exit status:\n", "  2  wrong usage"})
        EXPECT_NE(all.find(usage), std::string::npos) << usage;
    EXPECT_EQ(Mervikctl({"--help"}), kExitOk);
    EXPECT_EQ(out_.str(), all);
    EXPECT_EQ(err_.str(), "");
}

TEST_F(Conventions, OptionsGoAnywhereAndArgumentsOfCommandsWithoutOptionsAreTakenAsGiven) {
    ASSERT_EQ(Mervikctl({"init", "--force", Folder()}), kExitOk);
    EXPECT_EQ(Mervikctl({"profiles", "--json", Folder()}), kExitOk) << err_.str();
    EXPECT_NE(out_.str().find("\"CurrentProfile\": 0"), std::string::npos);
    EXPECT_EQ(Mervikctl({"profiles", "--", Folder(), "--json"}), kExitUsage);
    EXPECT_EQ(ErrorLines().at(0), "mervikctl profiles: unexpected argument --json");
    ASSERT_EQ(Mervikctl({"rename", Folder(), "2", "-=Sniper=-"}), kExitOk) << err_.str();
    EXPECT_EQ(out_.str(), "profile 2: -=Sniper=-\n");
}

// Loading a folder that is not there would show, or write, the defaults of
// nothing: only init makes a program folder.
TEST_F(Conventions, OnlyInitTakesAFolderWithoutSettings) {
    const std::string missing = (folder_ / "missing").string();
    const std::string empty = (folder_ / "empty").string();
    std::filesystem::create_directories(empty);
    const Arguments commands[] = {
        {"dump"},        {"encode"},           {"profiles"},          {"use", "1"},
        {"unlink", "1"}, {"rename", "1", "X"}, {"link", "1", "a.exe"}};
    for (const Arguments& command : commands) {
        SCOPED_TRACE(command[0]);
        for (const std::string& folder : {missing, empty}) {
            Arguments args = {command[0], folder};
            args.insert(args.end(), command.begin() + 1, command.end());
            EXPECT_EQ(Mervikctl(args), kExitFailed);
            EXPECT_EQ(out_.str(), "");
            EXPECT_EQ(err_.str(), folder == missing
                                      ? "mervikctl: " + folder + " does not exist\n"
                                      : "mervikctl: " + folder +
                                            " holds no settings (no config.ini, profile file or "
                                            "macro file); \"mervikctl init " +
                                            folder + "\" writes the defaults\n");
        }
        EXPECT_TRUE(std::filesystem::is_empty(empty));
    }
    std::ofstream(folder_ / "file") << "x";
    EXPECT_EQ(Mervikctl({"dump", (folder_ / "file").string()}), kExitFailed);
    EXPECT_NE(err_.str().find(" is not a folder"), std::string::npos);

    ASSERT_EQ(Mervikctl({"init", (folder_ / "new" / "Mervik").string()}), kExitOk) << err_.str();
    EXPECT_EQ(Mervikctl({"dump", (folder_ / "new" / "Mervik").string()}), kExitOk);
}

// A file that cannot be read or holds no profile fails the listing, which
// still shows every profile it could read.
TEST_F(Conventions, ListingsOfDamagedFilesFailButShowWhatCouldBeRead) {
    ASSERT_EQ(Mervikctl({"init", Folder()}), kExitOk);
    ASSERT_EQ(Mervikctl({"rename", Folder(), "3", "Kept"}), kExitOk);
    std::ofstream(folder_ / "config" / "Default1.gmp", std::ios::binary) << "\x8f\x03 noise\r\n";
    for (const char* command : {"profiles", "dump", "encode"}) {
        SCOPED_TRACE(command);
        EXPECT_EQ(Mervikctl({command, Folder()}), kExitFailed);
        EXPECT_NE(err_.str().find("Default1.gmp holds no profile"), std::string::npos)
            << err_.str();
        EXPECT_NE(err_.str().find("some files of " + Folder() + " could not be read"),
                  std::string::npos);
        EXPECT_FALSE(out_.str().empty());
    }
    Mervikctl({"profiles", Folder()});
    EXPECT_NE(out_.str().find("  1  Default2\n"), std::string::npos) << out_.str();
    EXPECT_NE(out_.str().find("  3  Kept\n"), std::string::npos) << out_.str();
}

} // namespace
} // namespace mervik::tools
