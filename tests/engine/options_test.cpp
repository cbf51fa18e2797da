#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/options.h"

namespace {

// Runs a parse from a fresh scanner, as the program's one parse does.
class OptionsTest : public testing::Test {
protected:
    int Parse(std::vector<std::string> arguments)
    {
        arguments_ = std::move(arguments);
        std::vector<char*> vector;
        for (std::string& a : arguments_)
            vector.push_back(a.data());
        vector.push_back(nullptr);
        optionNextIndex = 0;
        fillerOptions = FillerOptions();
        testing::internal::CaptureStdout();
        testing::internal::CaptureStderr();
        int result = ParseFillerOptions(int(arguments_.size()), vector.data());
        out = testing::internal::GetCapturedStdout();
        err = testing::internal::GetCapturedStderr();
        return result;
    }
    std::string out, err;

private:
    std::vector<std::string> arguments_;  // the option argument points into them
};

TEST_F(OptionsTest, FramesStartUpVector)
{
    EXPECT_EQ(Parse({"", "-p", "21x21", "-d", "wordlist.txt"}), 0);
    EXPECT_EQ(fillerOptions.patternPath, "21x21");
    EXPECT_EQ(fillerOptions.patternKind, 2);
    EXPECT_EQ(fillerOptions.dictionaryPath, "wordlist.txt");
    EXPECT_EQ(out + err, "");
}

TEST_F(OptionsTest, GroupedLettersAndAttachedArguments)
{
    EXPECT_EQ(Parse({"gridfill", "-sS", "-vv", "-dwords.txt", "-r", "42", "-a", "-b", "-fsimple", "-w", "prefix",
                     "-g", "pat", "-i", "ignored"}),
              0);
    const FillerOptions& o = fillerOptions;
    EXPECT_TRUE(o.printRegularly && o.printEachStep && o.allWords && o.benchmark && o.seedGiven);
    EXPECT_EQ(o.verbosity, 2);
    EXPECT_EQ(o.dictionaryPath, "words.txt");
    EXPECT_EQ(o.seed, 42);
    EXPECT_EQ(o.outputFormat, 0);
    EXPECT_EQ(o.walker, 0);
    EXPECT_EQ(o.patternPath, "pat");
    EXPECT_EQ(o.patternKind, 1);
}

TEST_F(OptionsTest, DoubleDashOrTheFirstOperandEndsTheOptions)
{
    EXPECT_EQ(Parse({"", "-d", "w", "--", "-s", "rest"}), 0);
    EXPECT_FALSE(fillerOptions.printRegularly);
    ASSERT_NE(optionArgument, nullptr);
    EXPECT_STREQ(optionArgument, "-s");

    EXPECT_EQ(Parse({"", "-d", "w", "file", "-s"}), 0);
    EXPECT_FALSE(fillerOptions.printRegularly);
    EXPECT_EQ(optionNextIndex, 3);
}

TEST_F(OptionsTest, UsageOrAMessageForWrongOptions)
{
    const std::string usage =
        "Usage: gridfill [options]\n"
        "\n"
        "options:\n"
        "   -d filename       Specify dictionary file (default: /usr/dict/words)\n"
        "   -p filename       Read grid pattern from file\n"
        "   -g filename       Read generalized grid pattern from file\n"
        "   -w walkertype     Walking heuristics: prefix or flood\n"
        "   -f format         Output format, one of `simple' or `ascii' (default)\n"
        "   -r seed           Set the random seed\n"
        "   -a                Include all words from dictionary (default: ignore words\n"
        "                     with non-alphabetic characters)\n"
        "   -v                Be verbose - prints algorithmic info\n"
        "   -vv               Be more verbose - also prints word search info (debug)\n"
        "   -s                Print the grid filling regularly during compilation\n"
        "   -S                Print the grid filling each step\n"
        "   -b                Benchmark dictionaries\n"
        "   -[?h]             Display this help screen\n";
    for (const char* wrong : {"-h", "-x", "-f"}) {
        EXPECT_EQ(Parse({"", "-d", "w", wrong}), -1);
        EXPECT_EQ(out, usage) << wrong;
    }
    EXPECT_EQ(Parse({"", "-d", "w", "-f", "fancy"}), -1);
    EXPECT_EQ(out, "Invalid format specifier\n");
    EXPECT_EQ(Parse({"", "-d", "w", "-w", "random"}), -1);
    EXPECT_EQ(out, "Invalid walker specifier\n");
}

TEST_F(OptionsTest, WithoutAnyDictionary)
{
    for (const char* path : {"/usr/dict/words", "/usr/share/dict/words"})
        if (std::FILE* found = std::fopen(path, "r")) {
            std::fclose(found);
            GTEST_SKIP() << path << " exists on this machine";
        }
    EXPECT_EQ(Parse({""}), -1);
    EXPECT_EQ(err, "No dictionary file found in standard locations and none specified on command line using -d option.\n");
}

}  // namespace
