#include "common/help_blocks.hpp"

namespace sorvanta {

namespace {
constexpr std::string_view kEndMarker = "[end]";
}

std::string TopicMarker(std::string_view key) {
    std::string marker;
    marker.reserve(key.size() + 4);
    marker += "[*";
    marker += key;
    marker += "*]";
    return marker;
}

std::string LookUpTopic(std::string_view store, std::string_view key) {
    if (key.empty())
        return std::string(kNoRecord);
    const std::string marker = TopicMarker(key);
    const std::size_t at = store.find(marker);
    if (at == std::string_view::npos)
        return std::string(kNoRecord);
    std::string_view rest = store.substr(at + marker.size());
    rest = rest.substr(0, rest.find(kEndMarker));
    if (rest.empty())
        return std::string(kNoRecord);
    return std::string(rest);
}

std::string HelpTopicStore::Title(std::string_view key) {
    return key.empty() ? std::string() : TopicMarker(key);
}

} // namespace sorvanta
