// The soak run's random numbers: a SplitMix64 stream, so one seed gives the
// same commands and answers on every machine and standard library.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace zek::soak {

class SoakRandom {
public:
  explicit SoakRandom(std::uint64_t seed) : state_(seed) {}

  std::uint64_t next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  // A whole number in [0, count); 0 when count is 0.
  std::size_t below(std::size_t count) {
    return count == 0 ? 0 : static_cast<std::size_t>(next() % count);
  }
  // A number in [low, high).
  double between(double low, double high) {
    const double unit = static_cast<double>(next() >> 11) * 0x1.0p-53;
    return low + (high - low) * unit;
  }
  // True with the given chance (0..1).
  bool chance(double probability) { return between(0.0, 1.0) < probability; }
  template <typename T>
  const T& pick(const std::vector<T>& items) {
    return items[below(items.size())];
  }

private:
  std::uint64_t state_;
};

}  // namespace zek::soak
