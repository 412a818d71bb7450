// The settings file's decoder, as "Импортировать настройки…" meets any file a user picks, on
// arbitrary bytes: never a crash, never a throw; what a file says, written out again, reads
// back whole with nothing left out.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "model/settings_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using varnel::SettingsFile;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto read = SettingsFile::decode(bytes);
    const auto* contents = std::get_if<SettingsFile::Contents>(&read);
    if (!contents) {
        return 0;
    }
    const SettingsFile::Settings settings = contents->appliedTo({});
    const auto again = SettingsFile::decode(SettingsFile::encode(settings));
    const auto* whole = std::get_if<SettingsFile::Contents>(&again);
    if (!whole || !whole->unknownMembers.empty() || !whole->unreadableMembers.empty() ||
        whole->appliedTo({}) != settings) {
        std::abort();
    }
    return 0;
}
