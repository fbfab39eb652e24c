#pragma once

#include <string>
#include <string_view>

namespace sorvanta {

// The four operations of the intersection tools: A.B交集, A.B并集, A排除B, B排除A.
enum class SetOperation { Intersection, Union, AWithoutB, BWithoutA };

// What an intersection tool shows after an operation: both input boxes as
// normalised (digits and single blanks only, repeats kept), the result
// ascending and free of repeats, and its count, plus how many distinct
// members each box had.
struct CombinedSets {
    std::string a;
    std::string b;
    std::string result;
    int count = 0;
    int membersA = 0;
    int membersB = 0;
};

// Pieces of exactly `width` digits (2 to 4) of each text are its members (a
// number given twice is one member); pieces of other lengths are ignored.
CombinedSets CombineMembers(std::string_view a, std::string_view b, SetOperation operation,
                            int width);

} // namespace sorvanta
