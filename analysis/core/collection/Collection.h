// An ordered, growable list that owns its items: the channels of a spectrum and the items of a
// collate report. Its limit grows by a fixed step, so the processes can bound their memory.
#pragma once

#include <algorithm>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace halvern {

class CollException : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

template <class Item>
class TCollection {
  public:
    // Starts empty with the given capacity; delta 0 makes a collection that never grows.
    TCollection(int32_t limit, int32_t delta) : delta_(delta) { SetLimit(limit); }
    TCollection(const TCollection&) = delete;
    TCollection& operator=(const TCollection&) = delete;
    ~TCollection() = default;

    int32_t Count() const { return static_cast<int32_t>(items_.size()); }
    int32_t Limit() const { return limit_; }
    int32_t Delta() const { return delta_; }

    Item* At(int32_t index) const {
        if (index < 0 || index >= Count()) Error(-1, index);
        return items_[static_cast<size_t>(index)].get();
    }

    void AtInsert(int32_t index, std::unique_ptr<Item> item) {
        if (index < 0 || index > Count()) Error(-1, index);
        if (Count() == limit_) {
            if (delta_ == 0) Error(-2, 0);
            SetLimit(limit_ + delta_);
        }
        items_.insert(items_.begin() + index, std::move(item));
    }

    void Insert(std::unique_ptr<Item> item) { AtInsert(Count(), std::move(item)); }

    // The first index holding this very item, or -1.
    int32_t IndexOf(const Item* item) const {
        for (int32_t k = 0; k < Count(); ++k)
            if (items_[static_cast<size_t>(k)].get() == item) return k;
        return -1;
    }

    // The first item, in index order, for which test(item) holds; nullptr when none does.
    template <class Test>
    Item* FirstThat(Test&& test) const {
        for (const auto& item : items_)
            if (test(*item)) return item.get();
        return nullptr;
    }

    template <class Action>
    void ForEach(Action&& action) const {
        for (const auto& item : items_) action(*item);
    }

    void FreeAll() { items_.clear(); }

    // The limit grows by Delta as the collection fills; the storage behind it grows
    // geometrically, so that filling a collection costs time in proportion to its items.
    void SetLimit(int32_t newLimit) {
        if (newLimit < Count()) Error(-3, 0);
        if (newLimit == limit_) return;
        const size_t wanted = static_cast<size_t>(newLimit);
        if (wanted > items_.capacity()) {
            items_.reserve(limit_ == 0 ? wanted : std::max(wanted, 2 * items_.capacity()));
        } else if (newLimit == 0) {
            items_.shrink_to_fit();
        }
        limit_ = newLimit;
    }

  private:
    [[noreturn]] static void Error(int32_t code, int32_t info) {
        switch (code) {
            case -1:
                throw CollException("Collection error; wrong index: " + std::to_string(info));
            case -2:
                throw CollException("Collection overflow - cannot grow!");
            default:
                throw CollException("Collection underflow - cannot shrink!");
        }
    }

    std::vector<std::unique_ptr<Item>> items_;
    int32_t limit_ = 0;
    int32_t delta_ = 0;
};

// A spectrum channel: its value on the x axis and the records counted in it.
struct TSpecItem {
    long double value = 0;
    long double count = 0;
};

// One key of a collate report: the statistics of the records with that key.
struct TRptItem {
    long double sum = 0;
    long double sumSq = 0;
    int32_t key = 0;
    int32_t count = 0;
};

using TSpecCollection = TCollection<TSpecItem>;
using TRptCollection = TCollection<TRptItem>;

}  // namespace halvern
