#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace varnel {

// The engine's state as the user sees it: a status line, a symbol and an optional detail.
class EngineState {
  public:
    enum class Case { stopped, starting, running, missingPermissions, safeMode, failed };

    static EngineState stopped() { return EngineState(Case::stopped); }
    static EngineState starting() { return EngineState(Case::starting); }
    static EngineState running() { return EngineState(Case::running); }
    static EngineState missingPermissions() { return EngineState(Case::missingPermissions); }
    static EngineState safeMode(std::string message) {
        return EngineState(Case::safeMode, std::move(message));
    }
    static EngineState failed(std::string message) {
        return EngineState(Case::failed, std::move(message));
    }

    Case kind() const { return kind_; }
    std::string_view title() const;
    std::string_view symbol() const;
    // The carried message for safeMode and failed; absent for the other cases.
    std::optional<std::string> detail() const;
    // The case's name as written in code ("safeMode"), for tools and test output.
    std::string_view caseName() const;

    friend bool operator==(const EngineState& a, const EngineState& b) {
        return a.kind_ == b.kind_ && a.message_ == b.message_;
    }

  private:
    explicit EngineState(Case kind, std::string message = {})
        : kind_(kind), message_(std::move(message)) {}

    Case kind_;
    std::string message_;  // empty for the cases without a message
};

}  // namespace varnel
