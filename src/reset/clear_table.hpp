#pragma once

#include <span>

namespace sorvanta::ui {

class ControlRegistry;

// What a run of elements becomes when its group is cleared (or filled).
enum class Becomes {
    Grey,             // colour buttons to light grey (not chosen)
    Green,            // colour buttons to green (the select-all codes)
    Unchecked,        // check boxes off
    Empty,            // text boxes, line boxes, labels, editable lists emptied
    Text,             // the row's text put in ("0", a list's first choice)
    Hint,             // a box back to the hint a reset puts back (the last of its hints)
    RangeZero,        // range controls back to 0 to 0
    SpliceBoxesEmpty, // base-number boxes emptied, their counts 0
    Checked,          // an option button on (the others of its pair go off)
    Yellow,           // colour buttons to yellow (excluded: select-all of kill rows)
};

// One run of elements of one control array. A clear code may have several
// rows; they run in table order.
struct ClearRow {
    int code;
    const char* array;
    int first;
    int last;
    Becomes becomes;
    const char* text = nullptr; // for Becomes::Text
};

// Applies rows to whatever elements of their arrays exist; missing elements
// are no error, so a table may name controls a panel builds later.
void RunClearRows(const ControlRegistry& controls, std::span<const ClearRow> rows);

// Every row of `table` whose code is `code`.
void RunClearCode(const ControlRegistry& controls, std::span<const ClearRow> table, int code);

} // namespace sorvanta::ui
