#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "core/layout_file.h"

namespace lavrix::cli {

// Why a command could not go on, as the user reads it.
struct Failure {
  std::string message;
};

template <typename T>
using Outcome = std::variant<T, Failure>;

// The file's bytes, up to `largest`.
Outcome<std::string> ReadWholeFile(const std::string& path,
                                   std::size_t largest = kLargestLayoutFileSize);

// Writes the file whole or leaves the old one: the text goes to a file beside it first.
std::optional<Failure> WriteWholeFile(const std::string& path, std::string_view bytes);

// A layout file read and checked whole; the failure names the file and the line.
Outcome<LayoutFile> ReadLayoutAt(const std::string& path);

}  // namespace lavrix::cli
