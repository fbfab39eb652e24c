#include "scheme/json_reader.hpp"

#include "common/limits.hpp"
#include "scheme/json_values.hpp"

#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace sorvanta::scheme {

namespace {

// The place the library names in its message ("parse error at line 1,
// column 86: ..."); 0 where it names none.
std::pair<long long, long long> LineAndColumn(const std::string& message) {
    const auto number = [&](std::string_view label) -> long long {
        const auto at = message.find(label);
        if (at == std::string::npos)
            return 0;
        long long n = 0;
        for (std::size_t i = at + label.size(); i < message.size() && i < at + label.size() + 12;
             ++i) {
            if (message[i] < '0' || message[i] > '9')
                break;
            n = n * 10 + (message[i] - '0');
        }
        return n;
    };
    return {number("at line "), number(", column ")};
}

// Builds the document event by event, so that it can refuse what the plain
// parser would let through (a repeated key: the last one would win) and stop
// at the nesting limit before building anything deeper, and so that every
// refusal names the place in the document where it happened.
class Builder {
public:
    using string_t = json::string_t;

    bool null() { return Put(json()); }
    bool boolean(bool v) { return Put(json(v)); }
    bool number_integer(json::number_integer_t v) { return Put(json(v)); }
    bool number_unsigned(json::number_unsigned_t v) { return Put(json(v)); }
    bool number_float(json::number_float_t v, const string_t& raw) {
        // An integer past 64 bits arrives here as a float; it would read as
        // some other number, so it is refused rather than altered.
        if (raw.find_first_of(".eE") == string_t::npos)
            Fail(Path(), "integer too large (write it as a text to have it read as a box reads it)",
                 SchemeFault::IntegerTooLarge);
        return Put(json(v));
    }
    bool string(string_t& v) { return Put(json(std::move(v))); }
    bool binary(json::binary_t&) { return Put(json()); }

    bool start_object(std::size_t) { return Open(json::object()); }
    bool start_array(std::size_t) { return Open(json::array()); }
    bool end_object() { return Close(); }
    bool end_array() { return Close(); }

    bool key(string_t& k) {
        Frame& frame = stack_.back();
        if (!frame.keys.insert(k).second) {
            const std::string parent = Path(stack_.size() - 1);
            Fail((parent.empty() ? "" : parent + ".") + ShownName(k), "field given twice",
                 SchemeFault::RepeatedField, SchemeFaultDetail::Unknown(ShownName(k)));
        }
        frame.key = std::move(k);
        return true;
    }

    bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception& e) {
        std::string what = e.what();
        // The library prefixes "[json.exception.parse_error.101] parse error at ..."
        if (const auto at = what.find("] "); at != std::string::npos)
            what = what.substr(at + 2);
        if (e.id == 406) // a number too large for a double
            Fail(Path(), "number out of range", SchemeFault::NumberOutOfRange);
        // The library quotes the offending text; a long or broken one is
        // cut so the message stays one short line.
        SchemeFaultDetail detail;
        const auto [line, column] = LineAndColumn(what);
        detail.first = line;
        detail.second = column;
        throw SchemeError("invalid JSON: " + ShownName(what, 200), SchemeFault::InvalidJson, "",
                          std::move(detail));
    }

    json Take() { return std::move(root_); }

    ~Builder() {
        for (Frame& frame : stack_)
            Release(frame.value);
        Release(root_);
    }

private:
    struct Frame {
        json value;
        std::string key;
        std::set<std::string> keys;
    };

    // A scheme may hold millions of values in one array: each is moved once.
    bool Put(json&& value) {
        if (stack_.empty()) {
            root_ = std::move(value);
            return true;
        }
        Frame& top = stack_.back();
        if (top.value.is_object())
            top.value[top.key] = std::move(value);
        else
            top.value.get_ref<json::array_t&>().push_back(std::move(value));
        return true;
    }
    bool Open(json container) {
        if (static_cast<int>(stack_.size()) >= kMaxJsonDepth)
            Fail(Path(), "nested deeper than " + std::to_string(kMaxJsonDepth) + " levels",
                 SchemeFault::TooDeep, SchemeFaultDetail::Numbers(kMaxJsonDepth));
        stack_.push_back({std::move(container), {}, {}});
        return true;
    }
    bool Close() {
        json done = std::move(stack_.back().value);
        stack_.pop_back();
        return Put(std::move(done));
    }
    // Where the next value goes, as a field path ("conditions.total_tolerance[1]").
    std::string Path() const {
        const std::string path = Path(stack_.size());
        return path.empty() ? "(root)" : path;
    }
    // The path through the first `frames` open containers.
    std::string Path(std::size_t frames) const {
        std::string path;
        for (std::size_t i = 0; i < frames; ++i) {
            const Frame& frame = stack_[i];
            if (frame.value.is_object()) {
                if (!frame.key.empty() || !frame.keys.empty())
                    path += (path.empty() ? "" : ".") + ShownName(frame.key);
            } else {
                path += "[" + std::to_string(frame.value.size()) + "]";
            }
        }
        return path;
    }

    std::vector<Frame> stack_;
    json root_;
};

} // namespace

void Release(json& document) {
    // Only containers are walked into: a list of millions of numbers is let
    // go of in one pass.
    if (document.is_array()) {
        for (json& item : document.get_ref<json::array_t&>())
            if (item.is_structured())
                Release(item);
        document.get_ref<json::array_t&>().clear();
    } else if (document.is_object()) {
        for (auto& [key, item] : document.get_ref<json::object_t&>())
            if (item.is_structured())
                Release(item);
        document.get_ref<json::object_t&>().clear();
    }
}

json ReadSchemeJson(std::string_view text) {
    if (const auto nul = text.find('\0'); nul != std::string_view::npos)
        throw SchemeError("invalid JSON: a NUL byte at position " + std::to_string(nul + 1),
                          SchemeFault::NulByte, "",
                          SchemeFaultDetail::Numbers(static_cast<long long>(nul + 1)));
    Builder builder;
    json::sax_parse(text.begin(), text.end(), &builder);
    return builder.Take();
}

} // namespace sorvanta::scheme
