#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "app/app_state.h"
#include "command.h"
#include "platform/sim/sim_mac.h"

namespace varnel::sim {

// Varnel on a fresh simulated Mac, driven one command at a time. Every line the commands
// print (what the frontmost application receives, and `show`) goes to `output`.
class Simulator {
  public:
    explicit Simulator(std::function<void(const std::string&)> output);
    ~Simulator();

    // Runs one command; the reason when it cannot run in the current state (a bad line).
    std::optional<std::string> run(const Command& command);

    bool isRunning() const { return app_ != nullptr; }
    SimMac& mac() { return mac_; }
    AppState* app() { return app_.get(); }

  private:
    void launch();
    void quit();
    std::optional<std::string> runSetUp(const Command& command);
    std::optional<std::string> runKeys(const Command& command);
    void runPerson(const Command& command);
    void importSettings(const std::string& path);
    void show(const std::string& what);
    void print(const std::string& line) { output_(line); }

    std::function<void(const std::string&)> output_;
    SimMac mac_;
    std::shared_ptr<AppState> app_;
};

}  // namespace varnel::sim
