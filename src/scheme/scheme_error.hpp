#pragma once

#include <stdexcept>
#include <string>
#include <vector>

namespace sorvanta::scheme {

// Why a scheme was refused. Each side words it in its own language: the
// command-line tool prints what(), the window says it in Chinese.
enum class SchemeFault {
    Other,             // no structure: what() is all there is
    InvalidJson,       // `first` line, `second` column
    NulByte,           // `first`: its position, counted in bytes from 1
    TooDeep,           // `first`: the nesting limit
    RepeatedField,     // `value`: the key given twice
    IntegerTooLarge,   // an integer past 64 bits
    NumberOutOfRange,  // a number past what a double holds
    UnknownField,      // `value`: the key; `context`: the mode's name at the top of conditions
    MissingField,      // the path is the missing field
    WrongValue,        // `options`: the values allowed
    WrongType,         // `expected`, `found`
    WrongCount,        // `first` expected, `second` found
    TooMany,           // `first` at most, `second` found
    TooLong,           // `first` the limit, `second` the characters found
    NotDigit,          // `value`: the character
    DigitOutOfRange,   // `value`: the digit; `first` to `second` allowed
    NotCaption,        // `value`: the caption
    IntegerOutOfRange, // `value`: the number; `first` to `second` allowed
};

// The kinds of value a field may be or hold, for WrongType.
enum class ValueKind {
    // found in a file
    Null,
    Boolean,
    String,
    Array,
    Object,
    Fraction,
    Number,
    // expected by a field
    Text,
    Digits,
    Caption,
    Integer,
    Bound,      // a string or an integer
    Range,      // an array of two bounds
    DigitRows,  // an array of `first` digit strings
    Texts,      // an array of `first` texts
    TextList,   // an array of texts
    Captions,   // an array of captions
    Integers,   // an array of integers
    BankerRow,  // an object {"digits", "counts"}
    BankerRows, // an array of banker rows
};

struct SchemeFaultDetail {
    std::string value;
    std::string context;
    std::vector<std::string> options;
    ValueKind expected = ValueKind::Null;
    ValueKind found = ValueKind::Null;
    long long first = 0;
    long long second = 0;

    static SchemeFaultDetail Numbers(long long first, long long second = 0) {
        SchemeFaultDetail d;
        d.first = first;
        d.second = second;
        return d;
    }
    static SchemeFaultDetail Refused(std::string value, long long first = 0, long long second = 0) {
        SchemeFaultDetail d = Numbers(first, second);
        d.value = std::move(value);
        return d;
    }
    static SchemeFaultDetail Allowed(std::vector<std::string> options, std::string value = {}) {
        SchemeFaultDetail d;
        d.options = std::move(options);
        d.value = std::move(value);
        return d;
    }
    static SchemeFaultDetail Unknown(std::string key, std::string mode = {}) {
        SchemeFaultDetail d;
        d.value = std::move(key);
        d.context = std::move(mode);
        return d;
    }
};

// A scheme that cannot be used. what() is one line naming the field by its
// JSON path ("conditions.total_tolerance[1]") and the problem; the rest is
// the same refusal in parts, for a reader who words it otherwise.
class SchemeError : public std::runtime_error {
public:
    explicit SchemeError(const std::string& message) : std::runtime_error(message) {}
    SchemeError(const std::string& message, SchemeFault fault, std::string path,
                SchemeFaultDetail detail)
        : std::runtime_error(message), fault_(fault), path_(std::move(path)),
          detail_(std::move(detail)) {}

    SchemeFault fault() const { return fault_; }
    // As shown in what(): the file's names, each cut short; "" for the
    // document as a whole.
    const std::string& path() const { return path_; }
    const SchemeFaultDetail& detail() const { return detail_; }

    // The panel captions of the fields the path passes through, outermost
    // first, and the path of the innermost of them: what follows it in
    // path() is the place inside that field ("[1]", ".counts").
    const std::vector<std::string>& captions() const { return captions_; }
    const std::string& captionedPath() const { return captionedPath_; }
    void addCaption(const std::string& fieldPath, const std::string& caption) {
        if (caption.empty())
            return;
        if (captions_.empty())
            captionedPath_ = fieldPath;
        captions_.insert(captions_.begin(), caption);
    }

private:
    SchemeFault fault_ = SchemeFault::Other;
    std::string path_;
    SchemeFaultDetail detail_;
    std::vector<std::string> captions_;
    std::string captionedPath_;
};

} // namespace sorvanta::scheme
