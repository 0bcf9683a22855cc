#include "tools/mousesim/MousesimArguments.h"

#include <gtest/gtest.h>

namespace mervik::tools {
namespace {

using Kind = MousesimRequest::Kind;

TEST(MousesimArguments, WellFormedCommandsAreSentAsOneLine) {
    const struct {
        std::vector<std::string> args;
        unsigned long pid;
        std::string line;
    } cases[] = {
        {{"dpi"}, 0, "dpi"},
        {{"--pid", "4242", "fail", "3"}, 4242, "fail 3"},
        {{"vanish", "0"}, 0, "vanish 0"},
        {{"read", "garbage"}, 0, "read garbage"},
        {{"clear-log"}, 0, "clear-log"},
    };
    for (const auto& c : cases) {
        const MousesimRequest request = ReadMousesimArguments(c.args);
        EXPECT_EQ(request.kind, Kind::Send) << request.problem;
        EXPECT_EQ(request.pid, c.pid);
        EXPECT_EQ(request.command, c.line);
    }
    EXPECT_EQ(ReadMousesimArguments({"--help"}).kind, Kind::Help);
}

TEST(MousesimArguments, WrongUsageIsToldBeforeAnythingIsSent) {
    const struct {
        std::vector<std::string> args;
        std::string problem;
    } cases[] = {
        {{"dpi", "2"}, "dpi takes no argument"},
        {{"jump"}, "unknown command jump"},
        {{}, "no command given"},
        {{"--pid", "7"}, "no command given"},
        {{"--pid", "x", "state"}, "--pid needs a process id"},
        {{"--pid"}, "--pid needs a process id"},
        {{"fail"}, "fail needs a count"},
        {{"fail", "-1"}, "fail needs a count"},
        {{"vanish", "2", "3"}, "vanish needs a count"},
        {{"read", "loud"}, "read takes normal, garbage or silent"},
    };
    for (const auto& c : cases) {
        const MousesimRequest request = ReadMousesimArguments(c.args);
        EXPECT_EQ(request.kind, Kind::Usage);
        EXPECT_EQ(request.problem, c.problem);
    }
}

} // namespace
} // namespace mervik::tools
