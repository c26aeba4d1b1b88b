// The standard expressions of the two Genius dialogs: the value expressions of the Expression
// Genius and the pieces from which the Filter Genius builds a logical expression.
#pragma once

#include <array>
#include <string>

namespace brisal {

struct GeniusChoice {
    const char* caption;
    const char* text;  // what the choice contributes to the expression
};

// Expression Genius: caption and value expression of each "Variable" item.
extern const std::array<GeniusChoice, 16> kGeniusVariables;
// The expression of an item; "{ internal error }" for an index outside the list.
std::string GeniusExpression(int index);

// Filter Genius.
extern const std::array<GeniusChoice, 11> kFilterParameters;
extern const std::array<GeniusChoice, 6> kFilterRelations;
extern const std::array<GeniusChoice, 4> kFilterLogicOperators;
// Parameters from this index on are integers (particle and run index).
inline constexpr int kFirstIntegerParameter = 9;

// The test value as pasted: a real's text gains ".0" unless it holds ".", "e" or "E".
std::string FilterTestValue(bool realValue, const std::string& realText,
                            const std::string& integerText);
// One logical expression: parameter, relation, test value and "] ", cut to 50 characters.
std::string FilterPiece(int parameter, int relation, const std::string& testValue);

}  // namespace brisal
