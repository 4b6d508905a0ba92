#include <gtest/gtest.h>

#include "engine/import/ProjectEntry.h"

using namespace strelvan;

namespace {
ProjectTexts Boxes(std::initializer_list<std::pair<ProjectBox, const char*>> filled) {
    ProjectTexts texts;
    for (const auto& [box, text] : filled)
        texts[box] = text;
    return texts;
}
} // namespace

TEST(ProjectEntry, DateIsMonthDayYearWithHyphens) {
    EXPECT_EQ(DateText(2024, 3, 7), "03-07-2024");
    EXPECT_EQ(DateText(1999, 12, 31), "12-31-1999");
}

TEST(ProjectEntry, ListsOfferEarlierEntriesInTheOrderEntered) {
    HistoryLists h;
    CreateHistoryLists(h);
    ProjectInfo info;
    ASSERT_FALSE(StoreProjectEntry(Boxes({{kBoxProjNum, "P-2"},
                                          {kBoxParish, "Orleans"},
                                          {kBoxStation, "S9"},
                                          {kBoxElev, "12.5"}}),
                                   info, h)
                     .error);
    ASSERT_FALSE(StoreProjectEntry(Boxes({{kBoxProjNum, "P-1"},
                                          {kBoxProjTitle, "Levee"},
                                          {kBoxStation, "S1"},
                                          {kBoxCPTNo, "7"}}),
                                   info, h)
                     .error);
    const ProjectLists lists = ProjectChoices(h, "05-06-2024");
    EXPECT_EQ(lists[kBoxProjNum], (std::vector<std::string>{"P-2", "P-1"}));
    EXPECT_EQ(lists[kBoxParish], (std::vector<std::string>{"Orleans"})); // empty parts skipped
    EXPECT_EQ(lists[kBoxProjTitle], (std::vector<std::string>{"Levee"}));
    EXPECT_EQ(lists[kBoxStation], (std::vector<std::string>{"S9", "S1"}));
    EXPECT_EQ(lists[kBoxElev], (std::vector<std::string>{"12.5"}));
    EXPECT_EQ(lists[kBoxDate], (std::vector<std::string>{"05-06-2024"}));
    EXPECT_EQ(lists[kBoxCPTNo], (std::vector<std::string>{"7"}));
    EXPECT_TRUE(lists[kBoxOffset].empty());
    EXPECT_TRUE(lists[kBoxGWT].empty());
}

TEST(ProjectEntry, LoadedFormShowsStoredFieldsButNotTheWaterTable) {
    ProjectInfo info;
    info.ProjNum = "P-7";
    info.CPTNo = "3";
    info.GWTDepth = 4.5f;
    ProjectTexts texts = StoredProjectTexts(info);
    EXPECT_EQ(texts[kBoxProjNum], "P-7");
    EXPECT_EQ(texts[kBoxCPTNo], "3");
    EXPECT_EQ(texts[kBoxElev], ""); // not entered
    EXPECT_EQ(texts[kBoxGWT], "");
    info.GroundElev = -3.25f;
    EXPECT_EQ(StoredProjectTexts(info)[kBoxElev], "-3.25");
}

TEST(ProjectEntry, BadNumberBoxStoresNothing) {
    HistoryLists h;
    ProjectInfo info;
    info.GroundElev = 10.0f;
    info.GWTDepth = 2.0f;
    const ProjectInfo before = info;
    const ProjectTexts typed = Boxes({{kBoxProjNum, "P-1"},
                                      {kBoxStation, "S1"},
                                      {kBoxElev, "12"},
                                      {kBoxGWT, "deep"},
                                      {kBoxCPTNo, "4"}});
    ProjectEntry e = StoreProjectEntry(typed, info, h);
    ASSERT_TRUE(e.error);
    EXPECT_EQ(e.error->text, " Data Entry Error in 'Ground Water Table'.. Please ReEnter ");
    EXPECT_EQ(e.error->title, " Data Entry Message");
    EXPECT_EQ(e.error->icon, MsgIcon::Critical);
    EXPECT_EQ(e.focusBox, kBoxGWT);

    ProjectTexts tooLarge = typed;
    tooLarge[kBoxGWT] = "";
    tooLarge[kBoxElev] = "1e39"; // numeric, but no float holds it
    e = StoreProjectEntry(tooLarge, info, h);
    ASSERT_TRUE(e.error);
    EXPECT_EQ(e.error->text, " Data Entry Error in 'Ground Elevation'.. Please ReEnter ");
    EXPECT_EQ(e.focusBox, kBoxElev);

    EXPECT_EQ(info.ProjNum, before.ProjNum);
    EXPECT_EQ(info.GroundElev, 10.0f);
    EXPECT_EQ(info.GWTDepth, 2.0f);
    EXPECT_EQ(h.HistProject.Count() + h.HistStation.Count() + h.HistElev.Count() +
                  h.HistGWT.Count() + h.HistCPTNo.Count(),
              0u);
}
