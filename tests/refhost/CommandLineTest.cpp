// The command line: both value forms, texts that look like flags, and the
// bad input that must stop the program before it does anything.
#include <gtest/gtest.h>

#include "refhost/CommandLine.h"

namespace {

TEST(CommandLine, DefaultsBuildTheDefaultTorus) {
    const HostOptions options = ParseCommandLine({});
    EXPECT_EQ(options.plugin, "");
    EXPECT_EQ(options.input, "");
    EXPECT_EQ(options.view, 0);
    EXPECT_EQ(options.unitScale, 1000.0);
    EXPECT_EQ(options.cursor, (std::array<std::int32_t, 3>{0, 0, 0}));
    EXPECT_EQ(options.origin, (std::array<std::int32_t, 3>{0, 0, 0}));
    for (const auto& text : options.user.texts) EXPECT_FALSE(text.has_value());
    EXPECT_FALSE(options.user.type);
    EXPECT_FALSE(options.user.cancel);
    EXPECT_EQ(options.runs, 1);
    EXPECT_FALSE(options.interactive);
    EXPECT_TRUE(options.outputs.empty());
    EXPECT_EQ(options.preview, "");
    EXPECT_FALSE(options.json);
}

TEST(CommandLine, ReadsEveryFlagInBothForms) {
    const HostOptions options = ParseCommandLine(
        {"--plugin", "p.so", "--input=scene.PLY", "--view", "2", "--unit-scale=2.5", "--cursor", "1,-2,3",
         "--origin=-4,5,-2147483648", "--ring-radius", "-5", "--tube-radius=", "--ring-sections", " 7",
         "--tube-sections=--ud", "--rl", "a=b", "--fb=-", "--ud", "123456789012345678", "--type", "--cancel",
         "--runs=2", "-o", "a.obj", "--output", "b.stl", "--output=c.ply", "--preview", "p.png", "--json"});
    EXPECT_EQ(options.plugin, "p.so");
    EXPECT_EQ(options.input, "scene.PLY");
    EXPECT_EQ(options.view, 2);
    EXPECT_EQ(options.unitScale, 2.5);
    EXPECT_EQ(options.cursor, (std::array<std::int32_t, 3>{1, -2, 3}));
    EXPECT_EQ(options.origin, (std::array<std::int32_t, 3>{-4, 5, INT32_MIN}));
    const std::array<std::optional<std::string>, 7> texts{"-5", "", " 7", "--ud", "a=b", "-", "123456789012345678"};
    EXPECT_EQ(options.user.texts, texts);
    EXPECT_TRUE(options.user.type);
    EXPECT_TRUE(options.user.cancel);
    EXPECT_EQ(options.runs, 2);
    EXPECT_EQ(options.outputs, (std::vector<std::string>{"a.obj", "b.stl", "c.ply"}));
    EXPECT_EQ(options.preview, "p.png");
    EXPECT_TRUE(options.json);
}

TEST(CommandLine, AValueFlagTakesTheNextArgumentEvenWhenItLooksLikeAFlag) {
    const HostOptions options = ParseCommandLine({"--ring-radius", "--cancel", "--ud", "-o"});
    EXPECT_EQ(options.user.texts[0], "--cancel");
    EXPECT_EQ(options.user.texts[6], "-o");
    EXPECT_FALSE(options.user.cancel);
    EXPECT_TRUE(options.outputs.empty());
}

TEST(CommandLine, HelpAndInteractive) {
    EXPECT_TRUE(ParseCommandLine({"--help"}).help);
    EXPECT_TRUE(ParseCommandLine({"-h"}).help);
    EXPECT_TRUE(ParseCommandLine({"--interactive", "--view", "1"}).interactive);
    EXPECT_NE(HelpText(true).find("--ring-sections"), std::string::npos);
    EXPECT_NE(HelpText(false).find("not available in this build"), std::string::npos);
}

struct BadCommandLine {
    std::vector<std::string> arguments;
    std::string message;  // a part of the one-line error
};

class CommandLineRefuses : public testing::TestWithParam<BadCommandLine> {};

TEST_P(CommandLineRefuses, WithOneLine) {
    try {
        ParseCommandLine(GetParam().arguments);
        FAIL() << "accepted";
    } catch (const UsageError& error) {
        const std::string message = error.what();
        EXPECT_NE(message.find(GetParam().message), std::string::npos) << message;
        EXPECT_EQ(message.find('\n'), std::string::npos) << message;
    }
}

INSTANTIATE_TEST_SUITE_P(
    BadInput, CommandLineRefuses,
    testing::Values(BadCommandLine{{"--bogus"}, "unknown option '--bogus'"},
                    BadCommandLine{{"--bogus=1"}, "unknown option '--bogus'"},
                    BadCommandLine{{"-x"}, "unexpected argument '-x'"},
                    BadCommandLine{{"torus.obj"}, "unexpected argument"},
                    BadCommandLine{{"--view", "7"}, "--view: '7' is not 0, 1 or 2"},
                    BadCommandLine{{"--view="}, "--view: '' is not 0, 1 or 2"},
                    BadCommandLine{{"--view", "01"}, "--view"},
                    BadCommandLine{{"--view"}, "--view needs a value"},
                    BadCommandLine{{"--cursor", "1,2"}, "--cursor: '1,2' is not X,Y,Z"},
                    BadCommandLine{{"--cursor", "1,2,3,4"}, "--cursor"},
                    BadCommandLine{{"--cursor", "1,,3"}, "--cursor"},
                    BadCommandLine{{"--origin", "1,2,2147483648"}, "not a 32-bit integer"},
                    BadCommandLine{{"--origin=1.5,2,3"}, "--origin"},
                    BadCommandLine{{"--unit-scale", "x"}, "--unit-scale: 'x' is not a number"},
                    BadCommandLine{{"--unit-scale", "1e3x"}, "--unit-scale"},
                    BadCommandLine{{"--runs", "0"}, "--runs"},
                    BadCommandLine{{"--runs", "two"}, "--runs"},
                    BadCommandLine{{"-o", "torus.txt"}, "must end in .obj, .ply, .stl"},
                    BadCommandLine{{"-o"}, "--output needs a value"},
                    BadCommandLine{{"--output="}, "--output needs a file name"},
                    BadCommandLine{{"--input", "scene.stl"}, "must end in .obj, .ply"},
                    BadCommandLine{{"--preview", "p.jpg"}, "must end in .png"},
                    BadCommandLine{{"--json=yes"}, "--json takes no value"},
                    BadCommandLine{{"--interactive", "--cancel"}, "--interactive"},
                    BadCommandLine{{"--interactive", "--rl", "1"}, "--interactive"}));

}  // namespace
