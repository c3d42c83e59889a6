#pragma once
// Random numbers in [0, 1), as the runtime's random function gave them.
#include <deque>
#include <random>

namespace vx::platform {

class Random {
 public:
  virtual ~Random() = default;
  virtual double Next() = 0;  // in [0, 1)
};

class SystemRandom final : public Random {
 public:
  SystemRandom() : engine_(std::random_device{}()) {}
  explicit SystemRandom(unsigned seed) : engine_(seed) {}
  double Next() override { return dist_(engine_); }

 private:
  std::mt19937 engine_;
  std::uniform_real_distribution<double> dist_{0.0, 1.0};
};

// Gives the queued values in order, then repeats the last one (0 when none was queued).
class ScriptedRandom final : public Random {
 public:
  void Push(double v) { values_.push_back(v); }
  double Next() override {
    if (!values_.empty()) {
      last_ = values_.front();
      values_.pop_front();
    }
    return last_;
  }
  std::size_t Pending() const { return values_.size(); }

 private:
  std::deque<double> values_;
  double last_ = 0.0;
};

}  // namespace vx::platform
