#include "cli/cli_files.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace lavrix::cli {
namespace {

Failure CannotRead(const std::string& path, std::string_view reason) {
  return {"Não foi possível ler o arquivo " + path + ": " + std::string(reason)};
}

std::string SystemReason() {
  return std::strerror(errno);
}

}  // namespace

Outcome<std::string> ReadWholeFile(const std::string& path, std::size_t largest) {
  std::error_code error;
  if (std::filesystem::is_directory(path, error)) return CannotRead(path, "é uma pasta.");
  std::ifstream file(path, std::ios::binary);
  if (!file) return CannotRead(path, SystemReason());
  std::string bytes;
  char buffer[64 * 1024];
  while (file.read(buffer, sizeof buffer) || file.gcount() > 0) {
    bytes.append(buffer, static_cast<std::size_t>(file.gcount()));
    if (bytes.size() > largest) return CannotRead(path, "o arquivo é grande demais.");
  }
  if (file.bad()) return CannotRead(path, SystemReason());
  return bytes;
}

std::optional<Failure> WriteWholeFile(const std::string& path, std::string_view bytes) {
  const std::string partial = path + ".gravando";
  {
    std::ofstream file(partial, std::ios::binary | std::ios::trunc);
    if (file) file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (file) file.close();
    if (!file) {
      const std::string reason = SystemReason();
      std::error_code ignored;
      std::filesystem::remove(partial, ignored);
      return Failure{"Não foi possível salvar o arquivo " + path + ": " + reason};
    }
  }
  std::error_code error;
  std::filesystem::rename(partial, path, error);
  if (!error) return std::nullopt;
  std::error_code ignored;
  std::filesystem::remove(partial, ignored);
  return Failure{"Não foi possível salvar o arquivo " + path + ": " + error.message()};
}

Outcome<LayoutFile> ReadLayoutAt(const std::string& path) {
  auto bytes = ReadWholeFile(path);
  if (auto* failure = std::get_if<Failure>(&bytes)) return std::move(*failure);
  auto read = ReadLayoutFile(std::get<std::string>(bytes));
  if (const auto* error = std::get_if<LayoutReadError>(&read)) {
    return Failure{"O arquivo " + path + " não é um layout válido. " + DescribeReadError(*error)};
  }
  return std::get<LayoutFile>(std::move(read));
}

}  // namespace lavrix::cli
