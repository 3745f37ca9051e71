#include "cli/write_log.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>

namespace lavrix::cli {
namespace {

std::string CsvField(const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + "\"";
}

}  // namespace

std::string CsvLine(const WriteRecord& record) {
  char checksum[9];
  std::snprintf(checksum, sizeof checksum, "%08x", record.imageChecksum);
  return CsvField(record.time) + "," + std::to_string(record.model) + "," +
         CsvField(record.layoutFile) + "," + checksum + "," + CsvField(record.result);
}

std::optional<Failure> AppendLine(const std::string& path, const std::string& line) {
  std::ofstream file(path, std::ios::binary | std::ios::app);
  if (file) file << line << '\n';
  if (file) file.close();
  if (file) return std::nullopt;
  return Failure{"Não foi possível escrever no registro " + path + ": " + std::strerror(errno)};
}

}  // namespace lavrix::cli
