// varnel-sim's script parser and runner on arbitrary text: never a crash, and always one of
// the three exit statuses.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string_view>

#include "script_runner.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace varnel::sim;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::ostringstream out;
    std::ostringstream errors;
    for (RunMode mode : {RunMode::print, RunMode::check}) {
        const ScriptResult result = runScript("fuzz.vks", text, mode, out, errors);
        if (result.status < statusOk || result.status > statusBadLine) {
            std::abort();
        }
    }
    return 0;
}
