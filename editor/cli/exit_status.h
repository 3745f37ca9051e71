#pragma once

namespace lavrix::cli {

inline constexpr int kSucceeded = 0;
// The command ran but did not get its result: a write no keyboard took, files that differ.
inline constexpr int kNotDone = 1;
inline constexpr int kBadInput = 2;

}  // namespace lavrix::cli
