#pragma once

#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "services/input_source_api.h"

namespace varnel {

// The simulated Mac's installed input sources, any identifier or name of which may be
// absent, with the current one, and the kind of keyboard attached. Enabling and selecting succeed
// unless a result is queued.
class SimInputSources : public InputSourceApi {
  public:
    std::vector<InputSource> installedSources() override;
    std::vector<InputSource> sourcesWithIdentifier(std::string_view identifier) override;
    std::optional<InputSource> currentKeyboardSource() override;
    int enable(const InputSource& source) override;
    int select(const InputSource& source) override;
    KeyboardType physicalKeyboardType() override { return keyboardType; }

    void add(std::optional<std::string> identifier, std::optional<std::string> localizedName);
    // Both answer false when no source has that identifier. Removing the current source
    // leaves none current.
    bool remove(std::string_view identifier);
    bool makeCurrent(std::string_view identifier);
    bool makeCurrentAt(std::size_t index);
    void clear();
    std::optional<std::string> currentIdentifier() const;

    // The keyboard attached: ANSI unless a test says otherwise.
    KeyboardType keyboardType = KeyboardType::ansi;
    // Status codes for the next calls, one per call; 0 once they run out.
    std::deque<int> enableResults;
    std::deque<int> selectResults;
    // Identifiers of the sources enabled and selected, in order ("" for one without).
    std::vector<std::string> enabled;
    std::vector<std::string> selected;
    // How often every source was listed.
    std::size_t fullListings = 0;

  private:
    struct Entry {
        std::optional<std::string> identifier;
        std::optional<std::string> localizedName;
    };
    static InputSource describe(const std::shared_ptr<Entry>& entry);
    std::shared_ptr<Entry> find(std::string_view identifier) const;

    std::vector<std::shared_ptr<Entry>> entries_;
    std::shared_ptr<Entry> current_;
};

}  // namespace varnel
