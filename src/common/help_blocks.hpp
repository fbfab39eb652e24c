#pragma once

#include <string>
#include <string_view>

namespace sorvanta {

// What a help button shows when its topic is not in the store.
inline constexpr std::string_view kNoRecord = "无记录";

// The line that opens a topic's block: "[*" + key + "*]".
std::string TopicMarker(std::string_view key);

// The text between the first occurrence of the key's marker and the next
// "[end]", line breaks on both sides included; "[end]" missing means the
// rest of the store. The marker is looked for anywhere, not only at the start
// of a line. An empty key, a missing marker and a marker with nothing after
// it all give kNoRecord, so the message box never comes up empty.
std::string LookUpTopic(std::string_view store, std::string_view key);

// The help text as one decoded UTF-8 text: a header line, then blocks of a
// marker line, the topic's text and an "[end]" line. Loaded once at start-up;
// the window's wrapper only turns the GBK resource into this text.
class HelpTopicStore {
public:
    HelpTopicStore() = default;
    explicit HelpTopicStore(std::string text) : text_(std::move(text)) {}

    void Load(std::string text) { text_ = std::move(text); }
    const std::string& Text() const { return text_; }

    std::string Topic(std::string_view key) const { return LookUpTopic(text_, key); }
    // The message box's title: the marker, or nothing for an empty key.
    static std::string Title(std::string_view key);

private:
    std::string text_;
};

} // namespace sorvanta
