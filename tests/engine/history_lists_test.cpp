#include <gtest/gtest.h>

#include "engine/state/HistoryLists.h"

using namespace strelvan;

TEST(KeyedList, KeepsInsertionOrderAndRefusesDuplicateKeys) {
    KeyedList list;
    EXPECT_TRUE(list.Add("b", "1"));
    EXPECT_TRUE(list.Add("a", "2"));
    EXPECT_FALSE(list.Add("b", "3"));
    ASSERT_EQ(list.Count(), 2u);
    EXPECT_EQ(list.Entries()[0].first, "b");
    EXPECT_EQ(list.Entries()[0].second, "1");
    EXPECT_EQ(list.Entries()[1].first, "a");
}

TEST(KeyedList, KeysCompareAsExactText) {
    KeyedList list;
    list.Add("Abc", "");
    EXPECT_FALSE(list.Exists("abc"));
    EXPECT_FALSE(list.Exists("Abc "));
    EXPECT_TRUE(list.Add("", "empty key"));
    EXPECT_EQ(*list.Item(""), "empty key");
}

TEST(KeyedList, ItemsAreReplacedInPlace) {
    KeyedList list;
    list.Add("p1", "p1|a|b");
    list.Add("p2", "p2|c|d");
    EXPECT_TRUE(list.SetItem("p1", "p1|x|y"));
    EXPECT_FALSE(list.SetItem("p3", "z"));
    EXPECT_EQ(list.Entries()[0].second, "p1|x|y");
    EXPECT_EQ(list.Entries()[0].first, "p1");
    EXPECT_EQ(list.Item("p3"), nullptr);
}

TEST(HistoryLists, CreateAndReleaseEmptyAllEight) {
    HistoryLists h;
    CreateHistoryLists(h);
    EXPECT_TRUE(h.Created);
    h.HistStation.Add("S1", "");
    h.HistCPTNo.Add("7", "");
    ReleaseHistoryLists(h);
    EXPECT_FALSE(h.Created);
    EXPECT_EQ(h.HistStation.Count(), 0u);
    EXPECT_EQ(h.HistCPTNo.Count(), 0u);
}
