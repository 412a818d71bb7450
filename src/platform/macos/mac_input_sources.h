#pragma once

#include "services/input_source_api.h"

namespace varnel {

// The system's input sources through Text Input Sources (Carbon). A source's handle keeps
// one reference to the TISInputSourceRef.
class MacInputSources : public InputSourceApi {
  public:
    std::vector<InputSource> installedSources() override;
    // TISCreateInputSourceList with a filter on kTISPropertyInputSourceID.
    std::vector<InputSource> sourcesWithIdentifier(std::string_view identifier) override;
    std::optional<InputSource> currentKeyboardSource() override;
    int enable(const InputSource& source) override;
    int select(const InputSource& source) override;
    // KBGetLayoutType(LMGetKbdType()), HIToolbox.
    KeyboardType physicalKeyboardType() override;
};

}  // namespace varnel
