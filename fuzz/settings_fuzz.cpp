// The settings file reader and settings block on any text; the one-pass
// lookup and rewrite must agree with the plain line-by-line rule.

#include "fuzz_input.h"
#include "settings/settings_block.h"
#include "settings/settings_file.h"
#include "support/settings_reference.h"

using namespace mervadin;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto text = fuzz::Text(data, size);
    const Lines lines = SplitLines(text);
    const SettingsIndex index = SettingsIndex::OfText(text);
    for (const char* key : {"phone=", "sms=", "mic=", "add ip=", "pho", ""}) {
        const auto plain = test::FindSetting(lines, key);
        const auto found = index.Find(key);
        FUZZ_CHECK(plain.has_value() == found.has_value());
        FUZZ_CHECK(!plain || *plain == *found);
    }
    const LocalTime at{2026, 12, 8, 6, 51, 8};
    FUZZ_CHECK(BuildSettingsBlock(index, at, Utf8Encoding()) ==
               BuildSettingsBlock(lines, at, Utf8Encoding()));

    const std::vector<std::pair<std::string, std::string>> settings = {
        {"phone=", "3"}, {"sms=", "hello"}, {"new key=", "1"}};
    FUZZ_CHECK(ApplySettings(text, settings) == JoinLines(test::SetSettings(lines, settings)));
    return 0;
}
