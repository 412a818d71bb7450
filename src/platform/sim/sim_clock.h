#pragma once

namespace varnel {

// The simulated Mac's clock, in seconds: it moves only when told to.
class SimClock {
  public:
    double now() const { return now_; }
    void advanceTo(double time) {
        if (time > now_) {
            now_ = time;
        }
    }

  private:
    double now_ = 0;
};

}  // namespace varnel
