// The help store as it could arrive: a resource rebuilt from an edited topic
// file, GBK or not. The bytes before the first NUL are a topic key, the rest
// is the store (all of it when there is no NUL); the store is read as the
// window reads the resource, decoded from GBK, and as it stands. Every
// button's key and the key from the input are looked up in both.
#include "common/help_blocks.hpp"
#include "history/draw_text.hpp"
#include "shell/help_index.hpp"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

using sorvanta::HelpTopicStore;

void Require(bool condition) {
    if (!condition)
        std::abort();
}

// A found topic stands in the store right after its marker and runs to no
// further than an "[end]"; nothing found is the no-record text, never empty.
void CheckTopic(const HelpTopicStore& store, std::string_view key) {
    const std::string topic = store.Topic(key);
    const std::string title = HelpTopicStore::Title(key);
    Require(!topic.empty());
    Require(title.empty() == key.empty());
    if (topic == sorvanta::kNoRecord)
        return;
    Require(!key.empty());
    Require(topic.find("[end]") == std::string::npos);
    Require(store.Text().find(title + topic) != std::string::npos);
}

void CheckStore(const HelpTopicStore& store, std::string_view key) {
    CheckTopic(store, key);
    for (const sorvanta::HelpButtonTarget& target : sorvanta::kHelpButtons)
        if (target.shows == sorvanta::HelpShows::Topic)
            CheckTopic(store, target.name);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::size_t nul = bytes.find('\0');
    const std::string_view key =
        nul == std::string_view::npos ? std::string_view() : bytes.substr(0, nul);
    const std::string_view text = nul == std::string_view::npos ? bytes : bytes.substr(nul + 1);

    const std::string decoded = sorvanta::history::DecodeGbk(text);
    Require(sorvanta::history::IsValidUtf8(decoded));
    CheckStore(HelpTopicStore(decoded), key);
    HelpTopicStore raw;
    raw.Load(std::string(text));
    CheckStore(raw, key);
    return 0;
}
