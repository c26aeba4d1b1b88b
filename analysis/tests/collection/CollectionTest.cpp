#include <gtest/gtest.h>

#include <functional>

#include "collection/Collection.h"

using namespace halvern;

namespace {

std::unique_ptr<TRptItem> Item(int32_t key) {
    auto item = std::make_unique<TRptItem>();
    item->key = key;
    return item;
}

std::string ErrorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const CollException& e) {
        return e.what();
    }
    return "";
}

TEST(CollectionTest, GrowsByDeltaOnlyWhenFull) {
    TRptCollection c(1000, 100);
    for (int k = 0; k < 1000; ++k) c.Insert(Item(k));
    EXPECT_EQ(c.Limit(), 1000);
    c.Insert(Item(1000));
    EXPECT_EQ(c.Limit(), 1100);
    EXPECT_EQ(c.Count(), 1001);
    for (int k = 0; k <= 1000; ++k) EXPECT_EQ(c.At(k)->key, k);
}

TEST(CollectionTest, ErrorsLeaveTheCollectionUnchanged) {
    TRptCollection fixed(2, 0);
    fixed.Insert(Item(1));
    fixed.Insert(Item(2));
    EXPECT_EQ(ErrorOf([&] { fixed.Insert(Item(3)); }), "Collection overflow - cannot grow!");
    EXPECT_EQ(fixed.Count(), 2);
    EXPECT_EQ(ErrorOf([&] { fixed.At(2); }), "Collection error; wrong index: 2");
    EXPECT_EQ(ErrorOf([&] { fixed.At(-1); }), "Collection error; wrong index: -1");
    EXPECT_EQ(ErrorOf([&] { fixed.AtInsert(3, Item(9)); }), "Collection error; wrong index: 3");
    EXPECT_EQ(ErrorOf([&] { fixed.SetLimit(1); }), "Collection underflow - cannot shrink!");
    EXPECT_EQ(fixed.Limit(), 2);
    EXPECT_EQ(fixed.At(0)->key, 1);
    EXPECT_EQ(fixed.At(1)->key, 2);
}

TEST(CollectionTest, InsertSearchAndVisitInIndexOrder) {
    TRptCollection c(0, 2);
    c.Insert(Item(10));
    c.Insert(Item(30));
    c.AtInsert(1, Item(20));
    c.AtInsert(0, Item(5));
    std::vector<int32_t> keys;
    c.ForEach([&](const TRptItem& item) { keys.push_back(item.key); });
    EXPECT_EQ(keys, (std::vector<int32_t>{5, 10, 20, 30}));
    TRptItem* found = c.FirstThat([](const TRptItem& item) { return item.key > 10; });
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found->key, 20);
    EXPECT_EQ(c.IndexOf(found), 2);
    TRptItem stranger;
    EXPECT_EQ(c.IndexOf(&stranger), -1);
    EXPECT_EQ(c.FirstThat([](const TRptItem& item) { return item.key > 99; }), nullptr);
}

}  // namespace
