#pragma once
// Wall-clock timing for the benchmark executables.

#include <chrono>

// The seconds that running work took.
template <typename Work>
double SecondsOf(Work work) {
  const auto start = std::chrono::steady_clock::now();
  work();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}
