#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "engine/import/ConeReader.h"
#include "engine/support/MessagePrinter.h"

using namespace strelvan;

namespace {

const Message kFileOpenError{"File Open Error", "", MsgIcon::None};
const Message kReadFailure{"Could not read data from file", "Open File Error", MsgIcon::Critical};
const Message kNoReadings{"No data found in file, please check the number of title lines", "",
                          MsgIcon::None};

Message WrongFormat(int line) {
    return {"Wrong format data. Please Check line Number " + std::to_string(line), "",
            MsgIcon::None};
}
Message NotNumeric(int line) {
    return {"Data should be numeric, please check line number " + std::to_string(line), "",
            MsgIcon::None};
}
Message DecimalComma(int line) {
    return {"Numbers must use a decimal point, not a comma, please check line number " +
                std::to_string(line),
            "", MsgIcon::None};
}
Message TooLargeNumber(int line) {
    return {"Data too large to be read, please check line number " + std::to_string(line), "",
            MsgIcon::None};
}
Message Success(const std::string& file, int points) {
    return {"Cone Data File: " + file +
                "\r\n was successfully opened. \r\n Total Number of "
                "Lines = " +
                std::to_string(points),
            " Data Import from Text File", MsgIcon::Information};
}

// n readings of a made-up sounding, one per line, with the given separator.
std::string Readings(int n, const std::string& sep, const std::string& eol = "\n") {
    std::string text;
    for (int i = 1; i <= n; ++i)
        text += std::to_string(i * 0.1).substr(0, 6) + sep + std::to_string(10 + i % 50) + sep +
                "0.25" + eol;
    return text;
}

class ConeReaderTest : public ::testing::Test {
protected:
    Messages Read(const std::string& text, int titleLines = 0) {
        settings.NumTitleLines = static_cast<int16_t>(titleLines);
        settings.FileName = "C:\\cpt\\test.txt";
        return ReadConeText(text, settings, *cone);
    }
    // Reads a good sounding first, so that a later failure has something to keep.
    void ReadEarlierSounding() {
        ASSERT_EQ(Read("Earlier\n1,5,0.1\n2,6,0.2\n3,7,0.3\n", 1).back(),
                  Success("C:\\cpt\\test.txt", 3));
        cone->Ratio[1] = 2.0f; // as the profile window leaves it
    }
    void ExpectEarlierSoundingKept() {
        EXPECT_EQ(cone->NumPoints, 3);
        for (int i = 1; i <= 3; ++i) {
            EXPECT_EQ(cone->Depth[i], float(i));
            EXPECT_EQ(cone->Qc[i], float(i + 4));
            EXPECT_EQ(cone->Qt[i], float(i + 4));
        }
        EXPECT_EQ(cone->Depth[4], 0.0f);
        EXPECT_EQ(cone->Ratio[1], 2.0f);
        EXPECT_EQ(settings.HeaderText, "Earlier\r\n");
        EXPECT_EQ(settings.ImportError, -1);
    }

    ImportSettings settings;
    std::unique_ptr<ConeData> cone = std::make_unique<ConeData>();
};

TEST_F(ConeReaderTest, ReadsTitleLinesAndReadings) {
    const Messages m = Read("Project 12\n\nSite A\n0.5,12.5,0.25\n1.0,14,0.3\n", 3);
    ASSERT_EQ(m, Messages{Success("C:\\cpt\\test.txt", 2)});
    EXPECT_EQ(settings.HeaderText, "Project 12\r\nSite A\r\n");
    EXPECT_EQ(settings.ImportError, 0);
    EXPECT_EQ(settings.NumColumns, 3);
    EXPECT_EQ(settings.Separator, ",");
    EXPECT_EQ(cone->NumPoints, 2);
    EXPECT_EQ(cone->Depth[2], 1.0f);
    EXPECT_EQ(cone->Qc[1], 12.5f);
    EXPECT_EQ(cone->Fs[1], 0.25f);
    EXPECT_EQ(cone->Qt[2], 14.0f);
    EXPECT_EQ(cone->Depth[0], 0.0f);
}

TEST_F(ConeReaderTest, EverySeparatorGivesTheSameReadings) {
    const std::string expected = "1.5 20 0.4\n";
    for (const std::string line :
         {"1.5,20,0.4", "1.5 20 0.4", "1.5   20     0.4", "1.5\t20\t0.4", "  1.5  20  0.4  ",
          "1.5, 20, 0.4", "1.5 ,20 ,0.4", "1.5 , 20 , 0.4", "1.5\t 20\t 0.4", "\t1.5\t20\t0.4",
          "\t1.5 20 0.4", "1.5\t20\t0.4\t", "1.5,,20,0.4"}) {
        SCOPED_TRACE(line);
        ASSERT_EQ(Read(line + "\n" + line + "\n").back(), Success("C:\\cpt\\test.txt", 2));
        EXPECT_EQ(settings.NumColumns, 3);
        EXPECT_EQ(cone->Depth[2], 1.5f);
        EXPECT_EQ(cone->Qc[2], 20.0f);
        EXPECT_EQ(cone->Fs[2], 0.4f);
    }
}

TEST_F(ConeReaderTest, SeparatorIsTakenFromTheFirstDataLine) {
    Read("1,2,3\n");
    EXPECT_EQ(settings.Separator, ",");
    Read("1\t2\t3\n");
    EXPECT_EQ(settings.Separator, "\t");
    Read("1 2 3\n");
    EXPECT_EQ(settings.Separator, " ");
    // A leading tab is no separator: the line still has three columns.
    Read("\t1\t2\t3\n");
    EXPECT_EQ(settings.Separator, "\t");
    EXPECT_EQ(settings.NumColumns, 3);
}

TEST_F(ConeReaderTest, SeparatorStaysWhenTheFirstDataLineHasNone) {
    Read("1\t2\t3\n");
    Messages m;
    settings.NumTitleLines = 0;
    EXPECT_EQ(CountColumns(std::string_view("17\n"), settings, m), 1);
    EXPECT_EQ(settings.Separator, "\t");
    EXPECT_EQ(settings.CurLine, "17");
    EXPECT_TRUE(m.empty());
    // With one column no line holds the three values a reading needs.
    EXPECT_EQ(Read("17\n18\n"), Messages{kReadFailure});
}

TEST_F(ConeReaderTest, ColumnCount) {
    Messages m;
    settings.NumTitleLines = 1;
    EXPECT_EQ(CountColumns(std::string_view("t\n1,2,3,4,5,6\n"), settings, m), 6);
    EXPECT_EQ(CountColumns(std::string_view("t\n\n  \n1 2\n"), settings, m), 2);
    EXPECT_EQ(settings.CurLine, "1 2");
    EXPECT_TRUE(m.empty());
    // A line of more columns than a 16-bit count holds is no cone data line.
    EXPECT_EQ(CountColumns(std::string("t\n") + std::string(70000, ','), settings, m), 0);
    EXPECT_EQ(m, Messages{kFileOpenError});
}

TEST_F(ConeReaderTest, EmptyLinesAreSkippedAndTheLineNumberCountsReadings) {
    // Physical line 7 is the second reading after two title lines: reported as line 4.
    const std::string text = "a\nb\n\n1,2,3\n\n   \n1,2\n";
    EXPECT_EQ(Read(text, 2), Messages{WrongFormat(4)});
    EXPECT_EQ(Read("a\nb\n1,2,3\n\n\t\n1,2,3\n\n1,2\n", 2), Messages{WrongFormat(5)});
    EXPECT_EQ(Read("a\n\n\n1,2,3\n\n2,3,4\n\n", 1).back(), Success("C:\\cpt\\test.txt", 2));
}

TEST_F(ConeReaderTest, TextAmongTheReadings) {
    ReadEarlierSounding();
    EXPECT_EQ(Read("1,2,3\nft,tsf,tsf\n"), Messages{NotNumeric(2)});
    ExpectEarlierSoundingKept();
    EXPECT_EQ(Read("t\n1,2,3\n2,x,3\n", 1), Messages{kReadFailure});
    ExpectEarlierSoundingKept();
}

TEST_F(ConeReaderTest, ANumberBeyondASingleNamesItsLine) {
    ReadEarlierSounding();
    for (const char* line : {"2,3,1e39", "-1e39,3,4", "2 3 1e309", "1e309,1e309,1e309"}) {
        SCOPED_TRACE(line);
        EXPECT_EQ(Read("t\n1,2,3\n" + std::string(line) + "\n", 1), Messages{TooLargeNumber(3)});
        ExpectEarlierSoundingKept();
    }
    // A pore column is read as a number too, whatever its kind.
    EXPECT_EQ(Read("1,2,3,0.1\n2,3,4,1e39\n"), Messages{TooLargeNumber(2)});
    // Tiny numbers are read as 0 or nearly.
    ASSERT_EQ(Read("1,1e-50,1e-40\n").back(), Success("C:\\cpt\\test.txt", 1));
    EXPECT_EQ(cone->Qc[1], 0.0f);
}

TEST_F(ConeReaderTest, NumbersWithADecimalCommaBetweenBlanksOrTabsAreRefused) {
    ReadEarlierSounding();
    const std::string titles = "Title\n\n\n\n\n\n\n\n\nTitle 10\n";
    for (const std::string first :
         {"1,5 20,5 0,3", "1,5\t20,5\t0,3", "  1,5   20,5   0,3  ", "10 1,5 2", "1,5 20,5",
          "-0,5 2,5e1 0,3 note", "1.5 20.5 0.3 0,12"}) {
        SCOPED_TRACE(first);
        EXPECT_EQ(Read(titles + first + "\n2,0 21,0 0,4\n", 10), Messages{DecimalComma(11)});
        ExpectEarlierSoundingKept();
    }
    // A later line of a file separated by blanks or tabs.
    EXPECT_EQ(Read("1.5 20.5 0.3\n\n2,0 21.0 0.4\n"), Messages{DecimalComma(2)});
    EXPECT_EQ(Read("1.5\t20.5\t0.3\n2.0\t21,0\t0.4\n"), Messages{DecimalComma(2)});
    ExpectEarlierSoundingKept();

    // Files separated by commas read as they always have.
    for (const std::string text : {"1,5,20\n2,6,21\n", "1, 5, 20\n2, 6, 21\n"}) {
        SCOPED_TRACE(text);
        ASSERT_EQ(Read(text).back(), Success("C:\\cpt\\test.txt", 2));
        EXPECT_EQ(cone->Depth[2], 2.0f);
        EXPECT_EQ(cone->Qc[2], 6.0f);
        EXPECT_EQ(cone->Fs[2], 21.0f);
    }
    // Further columns of text that hold commas and blanks are no decimal commas.
    ASSERT_EQ(Read("1.5,20.5,0.3,10:00 a,m\n1.6,20.6,0.3,10:01 a,m\n").back(),
              Success("C:\\cpt\\test.txt", 2));
    EXPECT_EQ(cone->Qc[2], 20.6f);
}

TEST_F(ConeReaderTest, WrongColumnCountStopsTheRead) {
    ReadEarlierSounding();
    EXPECT_EQ(Read("t\n1,2,3\n1,2,3,4\n", 1), Messages{WrongFormat(3)});
    ExpectEarlierSoundingKept();
    // Two columns: every line matches the count but no reading can be stored.
    EXPECT_EQ(Read("1,2\n3,4\n"), Messages{kReadFailure});
    ExpectEarlierSoundingKept();
}

TEST_F(ConeReaderTest, FourThousandReadingsAndNoMore) {
    const std::string text = "title\n" + Readings(4000, ",");
    ASSERT_EQ(Read(text, 1), Messages{Success("C:\\cpt\\test.txt", 4000)});
    EXPECT_EQ(cone->NumPoints, 4000);
    EXPECT_EQ(cone->Qc[4000], 10.0f);
    EXPECT_EQ(cone->Fs[4000], 0.25f);

    ReadEarlierSounding();
    EXPECT_EQ(Read("title\n" + Readings(4001, ","), 1), Messages{kReadFailure});
    ExpectEarlierSoundingKept();
}

TEST_F(ConeReaderTest, NoTitleLines) {
    ASSERT_EQ(Read("0.1 5 0.2\n").back(), Success("C:\\cpt\\test.txt", 1));
    EXPECT_EQ(settings.HeaderText, "");
    EXPECT_EQ(cone->Depth[1], 0.1f);
}

TEST_F(ConeReaderTest, AFileWithoutReadingsIsAFailedRead) {
    ReadEarlierSounding();
    // Ends right after its title lines: the column count finds no data line.
    EXPECT_EQ(Read("a\nb\n", 2), (Messages{kFileOpenError, kNoReadings}));
    ExpectEarlierSoundingKept();
    // Only empty lines after the titles.
    EXPECT_EQ(Read("a\nb\n\n  \n\t\n", 2), Messages{kNoReadings});
    ExpectEarlierSoundingKept();
    EXPECT_EQ(Read("", 0), (Messages{kFileOpenError, kNoReadings}));
    ExpectEarlierSoundingKept();
}

TEST_F(ConeReaderTest, AFileShorterThanItsTitleLines) {
    ReadEarlierSounding();
    EXPECT_EQ(Read("a\nb\nc\n", 10), (Messages{kFileOpenError, kReadFailure}));
    ExpectEarlierSoundingKept();
}

TEST_F(ConeReaderTest, AFileThatCannotBeOpened) {
    ReadEarlierSounding();
    settings.FileName = "/nonexistent/cone.txt";
    EXPECT_EQ(ReadConeData(settings, *cone), (Messages{kFileOpenError, kReadFailure}));
    ExpectEarlierSoundingKept();
}

TEST_F(ConeReaderTest, EveryLineEndIsAccepted) {
    for (const std::string eol : {"\r\n", "\n", "\r"}) {
        SCOPED_TRACE(eol.size() == 2 ? "CRLF" : eol == "\n" ? "LF" : "CR");
        const std::string text = "Title" + eol + "" + eol + "Site" + eol + Readings(5, ",", eol);
        ASSERT_EQ(Read(text, 3).back(), Success("C:\\cpt\\test.txt", 5));
        EXPECT_EQ(settings.HeaderText, "Title\r\nSite\r\n");
        EXPECT_EQ(cone->Fs[5], 0.25f);
        // The last line without a line end is read.
        ASSERT_EQ(Read(text + "9,9,9", 3).back(), Success("C:\\cpt\\test.txt", 6));
        EXPECT_EQ(cone->Depth[6], 9.0f);
    }
}

TEST_F(ConeReaderTest, ByteOrderMarkIsNoPartOfTheFirstLine) {
    ASSERT_EQ(Read("\xEF\xBB\xBF"
                   "1,2,3\n")
                  .back(),
              Success("C:\\cpt\\test.txt", 1));
    EXPECT_EQ(cone->Depth[1], 1.0f);
}

TEST_F(ConeReaderTest, PoreColumnsOfNoKindReadAsThreeColumns) {
    ASSERT_EQ(Read("1,10,0.1,0.5\n2,11,0.2,0.6\n").back(), Success("C:\\cpt\\test.txt", 2));
    ASSERT_EQ(Read("1,10,0.1,0.5,0.7\n").back(), Success("C:\\cpt\\test.txt", 1));
    EXPECT_EQ(cone->U1[1], 0.0f);
    EXPECT_EQ(cone->U2[1], 0.0f);
    EXPECT_EQ(cone->U3[1], 0.0f);
    EXPECT_EQ(cone->Qt[1], 10.0f);
    // Still, they must be numbers.
    EXPECT_EQ(Read("1,10,0.1,0.5,0.7\n2,10,0.1,0.5,x\n"), Messages{kReadFailure});
    EXPECT_EQ(Read("1,10,0.1,u\n"), Messages{kReadFailure});
}

TEST_F(ConeReaderTest, SixColumnsKeepOnlyTheFirstThree) {
    cone->PoreType1 = 1;
    cone->PoreType2 = 2;
    ASSERT_EQ(Read("1,10,0.1,0.5,0.7,x\n2,11,0.2,a,b,c\n").back(), Success("C:\\cpt\\test.txt", 2));
    EXPECT_EQ(cone->U1[1], 0.0f);
    EXPECT_EQ(cone->U2[1], 0.0f);
    EXPECT_EQ(cone->Qc[2], 11.0f);
}

TEST_F(ConeReaderTest, PoreColumnsGoWhereTheirKindsSay) {
    struct Case {
        int16_t k1, k2;
        float u1, u2, u3;
    };
    // Column 4 holds 0.5, column 5 holds 0.7.
    for (const Case c :
         {Case{1, 0, 0.5f, 0, 0}, Case{2, 0, 0, 0.5f, 0}, Case{3, 0, 0, 0, 0.5f},
          Case{1, 2, 0.5f, 0.7f, 0}, Case{3, 1, 0.7f, 0, 0.5f}, Case{0, 3, 0, 0, 0.7f},
          Case{2, 2, 0, 0.5f, 0}, Case{2, 4, 0, 0.5f, 0}, Case{5, 5, 0, 0, 0}}) {
        SCOPED_TRACE(testing::Message() << c.k1 << "," << c.k2);
        cone = std::make_unique<ConeData>();
        cone->PoreType1 = c.k1;
        cone->PoreType2 = c.k2;
        ASSERT_EQ(Read("1 10 0.1 0.5 0.7\n").back(), Success("C:\\cpt\\test.txt", 1));
        EXPECT_EQ(cone->U1[1], c.u1);
        EXPECT_EQ(cone->U2[1], c.u2);
        EXPECT_EQ(cone->U3[1], c.u3);
        EXPECT_EQ(cone->PoreType1, c.k1);
        EXPECT_EQ(cone->PoreType2, c.k2);
    }
    // With four columns only column 4 is routed.
    cone->PoreType1 = 0;
    cone->PoreType2 = 3;
    ASSERT_EQ(Read("1 10 0.1 0.5\n").back(), Success("C:\\cpt\\test.txt", 1));
    EXPECT_EQ(cone->U3[1], 0.0f);
}

TEST_F(ConeReaderTest, CorrectedTipWithAU2Column) {
    cone->PoreType1 = 2;
    ASSERT_EQ(Read("1,10,0.1,0.34\n2,10,0.1,-0.2\n3,10,0.1,0\n").back(),
              Success("C:\\cpt\\test.txt", 3));
    // Product and difference are taken in double: 9.8606005 where float steps give 9.8605995.
    const float expected = static_cast<float>(10.0 - 0.41 * double(0.34f));
    ASSERT_NE(expected, 10.0f - 0.41f * 0.34f);
    EXPECT_EQ(cone->Qt[1], expected);
    EXPECT_EQ(cone->Qt[2], 10.0f);
    EXPECT_EQ(cone->Qt[3], 10.0f);
    // u2 in column 5.
    cone->PoreType1 = 1;
    cone->PoreType2 = 2;
    ASSERT_EQ(Read("1,10,0.1,0.3,1\n").back(), Success("C:\\cpt\\test.txt", 1));
    EXPECT_FLOAT_EQ(cone->Qt[1], 9.59f);
    // A u2 kind without a pore column keeps Qt at qc, even after a sounding that had one.
    ASSERT_EQ(Read("1,10,0.1\n").back(), Success("C:\\cpt\\test.txt", 1));
    EXPECT_EQ(cone->U2[1], 0.0f);
    EXPECT_EQ(cone->Qt[1], 10.0f);
}

TEST_F(ConeReaderTest, ACorrectedTipBeyondASingleFailsTheRead) {
    ReadEarlierSounding();
    cone->PoreType1 = 2;
    EXPECT_EQ(Read("1,-3e38,0.1,3e38\n"), Messages{kReadFailure});
    cone->PoreType1 = 0;
    ExpectEarlierSoundingKept();
}

TEST_F(ConeReaderTest, CorrectTipOnTheReadingsGiven) {
    cone->PoreType2 = 2;
    cone->Qc[1] = 5;
    cone->U2[1] = 1;
    cone->Qc[2] = 7;
    cone->U2[2] = 1;
    CorrectTip(*cone, 1);
    EXPECT_FLOAT_EQ(cone->Qt[1], 4.59f);
    EXPECT_EQ(cone->Qt[2], 0.0f);
}

} // namespace
