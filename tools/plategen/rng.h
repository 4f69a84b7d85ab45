// Rng: a small deterministic random sequence (splitmix64). The same seed gives
// the same drawing on every machine and compiler, which the standard library's
// distributions do not promise.
#pragma once

#include <cstdint>

namespace zek::plategen {

class Rng {
public:
  explicit Rng(std::uint64_t seed) : state_(seed) {}

  [[nodiscard]] std::uint64_t next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }

  // A whole number from lo to hi, both included.
  [[nodiscard]] int uniform(int lo, int hi) {
    auto span = static_cast<std::uint64_t>(hi - lo) + 1;
    return lo + static_cast<int>(next() % span);
  }

  [[nodiscard]] bool chance(int percent) { return uniform(0, 99) < percent; }

private:
  std::uint64_t state_;
};

// The seed of one numbered part (a plate) of a drawing made from `seed`.
[[nodiscard]] inline std::uint64_t partSeed(std::uint64_t seed, std::uint64_t part) {
  Rng mix(seed ^ (part * 0xD1B54A32D192ED03ull));
  return mix.next();
}

}  // namespace zek::plategen
