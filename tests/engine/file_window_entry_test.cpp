// The file window's own computations: the text of the raw file view and the typed count of
// title lines.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "engine/import/FileView.h"
#include "engine/import/TitleLines.h"

using namespace strelvan;

namespace {
class TempFile {
public:
    explicit TempFile(const std::string& contents) {
        // Tests run in parallel processes: the test's name and a counter keep names apart.
        static int counter = 0;
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        path_ =
            std::filesystem::temp_directory_path() / (std::string("strelvan_view_") + test->name() +
                                                      "_" + std::to_string(++counter) + ".txt");
        std::ofstream(path_, std::ios::binary) << contents;
    }
    ~TempFile() { std::filesystem::remove(path_); }
    std::string Path() const { return path_.string(); }

private:
    std::filesystem::path path_;
};

std::string Pattern(std::size_t length) {
    std::string s;
    for (std::size_t i = 0; i < length; ++i)
        s += static_cast<char>('a' + i % 26);
    return s;
}

const Message kReadFailure{"Could not read data from file", "Open File Error", MsgIcon::Critical,
                           MsgButtons::Ok};
} // namespace

TEST(FileView, ShowsTheWholeFileUpToTheLimitIncludingItsLastCharacter) {
    for (std::size_t length : {std::size_t{1}, std::size_t{100}, kFileViewLimit}) {
        const std::string contents = Pattern(length - 1) + "Z";
        TempFile f(contents);
        const FileViewText view = ReadFileView(f.Path());
        ASSERT_TRUE(view.ok) << length;
        EXPECT_FALSE(view.more);
        EXPECT_EQ(view.Shown(), contents) << length;
    }
}

TEST(FileView, LongerFilesAreCutAtTheLimitAndSaySo) {
    for (std::size_t length : {kFileViewLimit + 1, std::size_t{60000}}) {
        const std::string contents = Pattern(length);
        TempFile f(contents);
        const FileViewText view = ReadFileView(f.Path());
        ASSERT_TRUE(view.ok);
        EXPECT_TRUE(view.more);
        EXPECT_EQ(view.Shown(), contents.substr(0, kFileViewLimit) + " [ + more data in file ] ");
    }
}

TEST(FileView, KeepsLineEndsAndBytesAsTheyAre) {
    const std::string contents = "title\r\n1.0,2.0,3.0\n\t4 5 6\r\n\xb0";
    TempFile f(contents);
    EXPECT_EQ(ReadFileView(f.Path()).Shown(), contents);
}

TEST(FileView, EmptyOrMissingFileIsAReadFailure) {
    TempFile empty("");
    const FileViewText view = ReadFileView(empty.Path());
    EXPECT_FALSE(view.ok);
    EXPECT_EQ(view.failure, kReadFailure);
    EXPECT_TRUE(view.bytes.empty());

    const FileViewText missing = ReadFileView(empty.Path() + ".none");
    EXPECT_FALSE(missing.ok);
    EXPECT_EQ(missing.failure, kReadFailure);
}

TEST(TypedTitleLines, WholeNumbersFromZeroUpAreTaken) {
    ImportSettings s;
    for (auto [typed, count] : {std::pair{"3", 3},
                                {"0", 0},
                                {" 12 ", 12},
                                {"15", 15},
                                {"40", 40},
                                {"3.0", 3},
                                {"1e1", 10},
                                {"32767", 32767}}) {
        s.NumTitleLines = 10;
        EXPECT_FALSE(TakeTypedTitleLines(typed, s).has_value()) << typed;
        EXPECT_EQ(s.NumTitleLines, count) << typed;
    }
}

TEST(TypedTitleLines, TextThatIsNotANumberKeepsThePreviousCount) {
    ImportSettings s;
    s.NumTitleLines = 7;
    for (const char* typed : {"", "  ", "ten", "3 lines", "1,5"}) {
        EXPECT_FALSE(TakeTypedTitleLines(typed, s).has_value()) << typed;
        EXPECT_EQ(s.NumTitleLines, 7) << typed;
    }
}

TEST(TypedTitleLines, NumbersOutsideTheUsableRangeAreRefusedWithAMessage) {
    ImportSettings s;
    s.NumTitleLines = 7;
    for (const char* typed : {"2.5", "3.4", "-1", "-0.5", "32768", "70000", "1e300"}) {
        const auto message = TakeTypedTitleLines(typed, s);
        ASSERT_TRUE(message.has_value()) << typed;
        EXPECT_EQ(message->title, " Data Entry Message");
        EXPECT_EQ(message->icon, MsgIcon::Critical);
        EXPECT_EQ(message->text, " The number of title lines must be a whole number: pick 0 to "
                                 "15 from the list, or type a larger one up to 32767. Please "
                                 "ReEnter ");
        EXPECT_EQ(s.NumTitleLines, 7) << typed;
    }
}
