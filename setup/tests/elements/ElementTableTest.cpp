#include <gtest/gtest.h>

#include <map>
#include <string>

#include "elements/ElementTable.h"
#include "inputfiles/ProjectileSpec.h"

namespace {

// Atomic numbers written out independently of the tables under test.
const std::map<std::string, std::string> kAtomicNumbers = {
    {"H", "1"},   {"D", "1"},   {"He", "2"},  {"C", "6"},   {"Ne", "10"}, {"Al", "13"},
    {"Si", "14"}, {"Ar", "18"}, {"Fe", "26"}, {"Ni", "28"}, {"Cu", "29"}, {"Ge", "32"},
    {"Kr", "36"}, {"Mo", "42"}, {"Rh", "45"}, {"Pd", "46"}, {"Ag", "47"}, {"Xe", "54"},
    {"W", "74"},  {"Pt", "78"}, {"Au", "79"}, {"Pb", "82"},
};

std::string Trimmed(std::string_view symbol) {
    while (symbol.ends_with(' ')) symbol.remove_suffix(1);
    return std::string(symbol);
}

TEST(ElementTable, EveryCubicElementHasItsAtomicNumber) {
    for (const velkor::CubicElement& e : velkor::CubicElementTable()) {
        SCOPED_TRACE(e.Symbol);
        const auto known = kAtomicNumbers.find(Trimmed(e.Symbol));
        ASSERT_NE(known, kAtomicNumbers.end());
        EXPECT_EQ(e.AtomicNumber, known->second);
    }
}

TEST(ElementTable, EveryKnownSymbolGivesItsAtomicNumber) {
    for (const auto& [symbol, z] : kAtomicNumbers) {
        SCOPED_TRACE(symbol);
        const auto element = velkor::ElementOfSymbol(symbol);
        ASSERT_TRUE(element.has_value());
        EXPECT_EQ(element->AtomicNumber, z);
    }
    EXPECT_FALSE(velkor::ElementOfSymbol("Zz").has_value());
    EXPECT_FALSE(velkor::ElementOfSymbol("").has_value());
}

}  // namespace
