#pragma once
// A mervikctl command run in process on a fresh folder of its own, with what
// it prints kept for the test.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>

#include "tools/mervikctl/Commands.h"

namespace mervik::tools {

class CommandFixture : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* unit = ::testing::UnitTest::GetInstance();
        folder_ = std::filesystem::temp_directory_path() /
                  ("mervikctl-" + std::to_string(unit->random_seed()) + "-" +
                   unit->current_test_suite()->name() + "-" + unit->current_test_info()->name());
        std::filesystem::remove_all(folder_);
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    int Run(int (*command)(const Arguments&, Streams), Arguments args) {
        out_.str("");
        err_.str("");
        return command(args, {out_, err_});
    }
    std::string Folder() const { return folder_.string(); }

    std::filesystem::path folder_;
    std::ostringstream out_;
    std::ostringstream err_;
};

} // namespace mervik::tools
