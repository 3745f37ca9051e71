#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "cli/cli_files.h"

namespace lavrix::cli {

// One keyboard of a `write`, as its log line tells it.
struct WriteRecord {
  std::string time;
  std::int16_t model = 0;
  std::string layoutFile;
  std::uint32_t imageChecksum = 0;
  std::string result;
};

// time,model,layout file,checksum in 8 hex digits,result; fields quoted where CSV needs it.
std::string CsvLine(const WriteRecord& record);

// Adds the line to the end of the file, creating it if needed.
std::optional<Failure> AppendLine(const std::string& path, const std::string& line);

}  // namespace lavrix::cli
