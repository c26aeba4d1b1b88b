#include "ShellSort.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace halvern {
namespace {

struct Entries {
    std::vector<int32_t> index;
    std::vector<double> key, second, third;

    explicit Entries(const std::vector<double>& keys) : key(keys) {
        for (size_t i = 0; i < keys.size(); ++i) {
            index.push_back(static_cast<int32_t>(i));
            second.push_back(keys[i] * 10 + 1);
            third.push_back(keys[i] * 100 + 2);
        }
    }
    void sort() {
        ShellSort(static_cast<int32_t>(key.size()), index.data(), key.data(), second.data(),
                  third.data());
    }
};

TEST(ShellSort, SortsKeysAndMovesTheOtherArraysAlong) {
    const std::vector<std::vector<double>> cases = {
        {},
        {5},
        {2, 1},
        {3, 1, 2},
        {1, 2, 3, 4, 5, 6, 7, 8},
        {8, 7, 6, 5, 4, 3, 2, 1},
        {0.5, -1e-10, 2e-10, 0, 0, -3, 7, 7, 1e-12, -0.25, 4, 3, 2, 1, 0, -1, 16},
    };
    for (const auto& keys : cases) {
        Entries e(keys);
        e.sort();
        EXPECT_TRUE(std::is_sorted(e.key.begin(), e.key.end()));
        for (size_t k = 0; k < keys.size(); ++k) {
            // Every entry still carries its own companions.
            EXPECT_EQ(e.key[k], keys[e.index[k]]);
            EXPECT_EQ(e.second[k], keys[e.index[k]] * 10 + 1);
            EXPECT_EQ(e.third[k], keys[e.index[k]] * 100 + 2);
        }
        std::vector<int32_t> seen = e.index;
        std::sort(seen.begin(), seen.end());
        for (size_t k = 0; k < seen.size(); ++k) EXPECT_EQ(seen[k], static_cast<int32_t>(k));
    }
}

TEST(ShellSort, SortsAFullFrameOfPseudoRandomDepths) {
    // Sizes around powers of two test the pass count (the last gap must be 1).
    for (int32_t n : {1023, 1024, 1025, 30000}) {
        std::vector<double> keys(static_cast<size_t>(n));
        uint32_t seed = 12345;
        for (double& k : keys) {
            seed = seed * 134775813u + 1u;
            k = seed * 2.3283064365386963e-10 - 0.5;
        }
        Entries e(keys);
        e.sort();
        EXPECT_TRUE(std::is_sorted(e.key.begin(), e.key.end())) << n;
        std::vector<double> expected = keys;
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(e.key, expected) << n;
    }
}

TEST(ShellSort, EndsWithNotANumberKeys) {
    Entries e({1, std::nan(""), 0, std::nan(""), -1});
    e.sort();
    std::vector<int32_t> seen = e.index;
    std::sort(seen.begin(), seen.end());
    EXPECT_EQ(seen, (std::vector<int32_t>{0, 1, 2, 3, 4}));
}

// The index-only sort moves the index exactly as the full one does, equal keys included.
TEST(ShellSort, TheIndexOnlySortMovesTheIndexAlike) {
    Entries full({3, 1, 2, 1, 0.5, 3, 1, -2, 7, 1, 0});
    std::vector<double> key = full.key;
    std::vector<int32_t> index = full.index;
    full.sort();
    ShellSortIndex(static_cast<int32_t>(key.size()), index.data(), key.data());
    EXPECT_EQ(index, full.index);
    EXPECT_EQ(key, full.key);
}

}  // namespace
}  // namespace halvern
