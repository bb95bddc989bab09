#pragma once
// The boxes of the definition and overlap screens under the plain names the
// command line uses ("length", "2.fwd", "planks"), and typing into them.

#include <string>
#include <utility>
#include <vector>

#include "app/colour.h"
#include "screens/bouchain1.h"
#include "screens/bouchain2.h"
#include "screens/bouchain3.h"
#include "screens/overlap1.h"

namespace bravik::cli {

using Fields = std::vector<std::pair<std::string, std::string>>;   // name, typed text

// "key=value" split at its first '='.
std::pair<std::string, std::string> KeyValue(const std::string& word);
Fields KeyValues(const std::vector<std::string>& words);

// A number as a person types it (a comma or a point); throws BravikError
// naming `what` when the text is not a finite number.
double Number(const std::string& text, const std::string& what);

// "the bottom screen", ... for messages.
std::string ScreenTitle(const std::string& form);

// Throws BravikError for an unknown field or a value that is not a number.
void CheckScreenFields(const std::string& form, const std::vector<std::string>& args);

// Type into the boxes as a person would (each change handler runs).
void TypeBottomFields(bouchain1& screen, const Fields& fields);
void TypePlankFields(bouchain2& screen, const Fields& fields);
void TypeAutoPlankFields(bouchain3& screen, const Fields& fields);
void TypeOverlapFields(overlap1& screen, const Fields& fields);

struct ShownField {
    std::string name;
    std::string text;
    Colour colour;
};

// Every box of the screen that validation corrected (yellow or orange).
std::vector<ShownField> CorrectedFields(const std::string& form, const bouchain1& bottom, const bouchain2& planks,
                                        const bouchain3& autoPlanks);

}  // namespace bravik::cli
