#pragma once

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

namespace velmar::bench {

// Runs `work` `rounds` times and returns the median duration in microseconds.
inline double medianMicroseconds(int rounds, const std::function<void()>& work) {
  std::vector<double> samples;
  samples.reserve(rounds);
  for (int i = 0; i < rounds; ++i) {
    const auto start = std::chrono::steady_clock::now();
    work();
    const auto stop = std::chrono::steady_clock::now();
    samples.push_back(std::chrono::duration<double, std::micro>(stop - start).count());
  }
  std::nth_element(samples.begin(), samples.begin() + samples.size() / 2, samples.end());
  return samples[samples.size() / 2];
}

inline void report(const char* what, double microseconds) {
  std::printf("%-56s %12.2f us\n", what, microseconds);
}

}  // namespace velmar::bench
