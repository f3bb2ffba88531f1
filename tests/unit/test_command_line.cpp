// The command line: options, a picture, and the mistakes a player can make typing it.
#include <gtest/gtest.h>

#include "startup/command_line.h"

namespace quiltra {
namespace {

using Action = CommandLine::Action;

TEST(CommandLine, ReadsOptionsAndAPicture)
{
    const struct {
        std::vector<std::string> args;
        Action action;
        std::string picture;
    } cases[] = {
        {{}, Action::Play, ""},
        {{"/home/ann/cat.jpg"}, Action::Play, "/home/ann/cat.jpg"},
        {{"--help"}, Action::Help, ""},
        {{"-h", "--bogus"}, Action::Help, ""},
        {{"--version"}, Action::Version, ""},
        {{"-v"}, Action::Version, ""},
        {{"--bogus"}, Action::Error, ""},
        {{"cat.jpg", "-x"}, Action::Error, "cat.jpg"},
        {{"a.jpg", "b.jpg"}, Action::Error, "a.jpg"},
        {{"--", "-dash.jpg"}, Action::Play, "-dash.jpg"},
        {{"-"}, Action::Play, "-"},
    };
    for (const auto& c : cases) {
        const CommandLine line = parseCommandLine(c.args);
        EXPECT_EQ(line.action, c.action) << testing::PrintToString(c.args);
        EXPECT_EQ(line.picture, c.picture) << testing::PrintToString(c.args);
    }
    EXPECT_NE(parseCommandLine({"--bogus"}).message.find("unknown option '--bogus'"), std::string::npos);
    EXPECT_NE(parseCommandLine({"--help"}).message.find("Usage: quiltra [PICTURE]"), std::string::npos);
    EXPECT_EQ(parseCommandLine({"--version"}).message, "Quiltra 1.3\n");
}

} // namespace
} // namespace quiltra
