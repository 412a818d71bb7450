#pragma once

#include "app/self_check_probe.h"

namespace varnel {

// The self-check's questions to the system: NSProcessInfo, NSBundle, HIToolbox's secure
// input flag, the processes above this one (libproc) and a short-lived listen-only
// CoreGraphics tap.
class MacSelfCheckProbe : public SelfCheckProbe {
  public:
    std::string systemVersion() override;
    bool secureEventInputEnabled() override;
    std::string settingsDomain() override;
    Starter starter() override;
    TapEcho tapEcho(bool post, std::int64_t marker) override;
};

}  // namespace varnel
