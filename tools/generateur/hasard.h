// Hasard: the generator's only source of chance. The engine is std::mt19937,
// whose output the standard fixes; the standard distributions are not fixed
// and differ between libraries, so the draws below are our own and a seed
// gives the same grid everywhere.
#pragma once

#include <cstdint>
#include <random>
#include <utility>
#include <vector>

namespace tavlo::generation {

class Hasard {
 public:
  explicit Hasard(std::uint32_t graine) : moteur_(graine) {}

  std::uint32_t brut() { return static_cast<std::uint32_t>(moteur_()); }

  // Uniform in 0..n-1 (0 when n < 2). Draws from the incomplete top slice of
  // the 32-bit range are thrown away, so every result is equally likely.
  std::uint32_t sous(std::uint32_t n) {
    if (n < 2) return 0;
    const std::uint32_t reste = static_cast<std::uint32_t>((UINT32_MAX % n + 1) % n);
    for (;;) {
      const std::uint32_t r = brut();
      if (r <= UINT32_MAX - reste) return r % n;
    }
  }

  // True with the given chance in percent.
  bool pourcent(int p) { return static_cast<int>(sous(100)) < p; }

  // Index i with chance poids[i] / sum; 0 when every weight is 0.
  std::size_t selon(const std::vector<std::uint32_t>& poids) {
    std::uint64_t total = 0;
    for (std::uint32_t w : poids) total += w;
    if (total == 0 || total > UINT32_MAX) return 0;
    std::uint32_t r = sous(static_cast<std::uint32_t>(total));
    for (std::size_t i = 0; i < poids.size(); ++i) {
      if (r < poids[i]) return i;
      r -= poids[i];
    }
    return poids.size() - 1;
  }

  // Fisher-Yates.
  template <class T>
  void melange(std::vector<T>& v) {
    for (std::size_t i = v.size(); i > 1; --i)
      std::swap(v[i - 1], v[sous(static_cast<std::uint32_t>(i))]);
  }

 private:
  std::mt19937 moteur_;
};

}  // namespace tavlo::generation
