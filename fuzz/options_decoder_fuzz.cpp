// The stored-options decoder, and the other stored forms, on arbitrary bytes: never a crash,
// a record that decodes encodes back to itself, also when written over the bytes it came
// from (whose members of other names it keeps).

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <nlohmann/json.hpp>
#include <string_view>

#include "model/excluded_applications.h"
#include "model/key_chord.h"
#include "model/keyboard_options.h"
#include "model/windows_typing_language.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto options = varnel::KeyboardOptions::decode(bytes);
    if (options.ok() &&
        (varnel::KeyboardOptions::decode(options.value().encoded()).value() != options.value() ||
         varnel::KeyboardOptions::decode(options.value().encoded(bytes)).value() !=
             options.value())) {
        std::abort();
    }
    // The applications left alone: a list that decodes encodes back to itself.
    const auto list = varnel::ExcludedApplications::decode(bytes);
    if (list.ok() &&
        varnel::ExcludedApplications::decode(list.value().encoded()).value() != list.value()) {
        std::abort();
    }
    const auto json = nlohmann::json::parse(bytes, nullptr, /*allow_exceptions=*/false);
    if (!json.is_discarded()) {
        (void)varnel::KeyChord::fromJson(json);
        (void)varnel::WindowsTypingLanguage::fromJson(json);
    }
    return 0;
}
