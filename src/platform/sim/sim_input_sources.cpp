#include "platform/sim/sim_input_sources.h"

#include <algorithm>

namespace varnel {

namespace {

int takeResult(std::deque<int>& results) {
    if (results.empty()) {
        return 0;
    }
    const int result = results.front();
    results.pop_front();
    return result;
}

}  // namespace

InputSource SimInputSources::describe(const std::shared_ptr<Entry>& entry) {
    return {entry, entry->identifier, entry->localizedName};
}

std::shared_ptr<SimInputSources::Entry> SimInputSources::find(std::string_view identifier) const {
    for (const auto& entry : entries_) {
        if (entry->identifier == identifier) {
            return entry;
        }
    }
    return nullptr;
}

std::vector<InputSource> SimInputSources::installedSources() {
    ++fullListings;
    std::vector<InputSource> sources;
    for (const auto& entry : entries_) {
        sources.push_back(describe(entry));
    }
    return sources;
}

std::vector<InputSource> SimInputSources::sourcesWithIdentifier(std::string_view identifier) {
    std::vector<InputSource> sources;
    for (const auto& entry : entries_) {
        if (entry->identifier == identifier) {
            sources.push_back(describe(entry));
        }
    }
    return sources;
}

std::optional<InputSource> SimInputSources::currentKeyboardSource() {
    if (!current_) {
        return std::nullopt;
    }
    return describe(current_);
}

int SimInputSources::enable(const InputSource& source) {
    const int status = takeResult(enableResults);
    if (status == 0) {
        enabled.push_back(source.identifier.value_or(""));
    }
    return status;
}

int SimInputSources::select(const InputSource& source) {
    const int status = takeResult(selectResults);
    if (status == 0) {
        selected.push_back(source.identifier.value_or(""));
        current_ =
            std::const_pointer_cast<Entry>(std::static_pointer_cast<const Entry>(source.handle));
    }
    return status;
}

void SimInputSources::add(std::optional<std::string> identifier,
                          std::optional<std::string> localizedName) {
    entries_.push_back(
        std::make_shared<Entry>(Entry{std::move(identifier), std::move(localizedName)}));
}

bool SimInputSources::remove(std::string_view identifier) {
    auto entry = find(identifier);
    if (!entry) {
        return false;
    }
    std::erase(entries_, entry);
    if (current_ == entry) {
        current_.reset();
    }
    return true;
}

bool SimInputSources::makeCurrent(std::string_view identifier) {
    auto entry = find(identifier);
    if (!entry) {
        return false;
    }
    current_ = entry;
    return true;
}

bool SimInputSources::makeCurrentAt(std::size_t index) {
    if (index >= entries_.size()) {
        return false;
    }
    current_ = entries_[index];
    return true;
}

void SimInputSources::clear() {
    entries_.clear();
    current_.reset();
}

std::optional<std::string> SimInputSources::currentIdentifier() const {
    return current_ ? current_->identifier : std::nullopt;
}

}  // namespace varnel
