#include "core/layout_file.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <optional>

#include "core/cp1252.h"

namespace lavrix {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

// An optional sign, then decimal digits only.
bool IsWholeNumber(std::string_view field) {
  if (field.starts_with('+') || field.starts_with('-')) field.remove_prefix(1);
  return !field.empty() && std::ranges::all_of(field, [](char c) { return c >= '0' && c <= '9'; });
}

// Walks the text field by field, counting lines, and remembers the first fault.
class LayoutReader {
 public:
  explicit LayoutReader(std::string_view text) : text_(text) {}

  bool Number(std::int16_t& out) {
    SkipBlanks();
    fieldLine_ = line_;
    if (at_ == text_.size()) return Fail(LayoutReadFault::Missing);
    const std::string_view field = NextField();
    if (!IsWholeNumber(field)) return Fail(LayoutReadFault::NotANumber);
    long long value = 0;
    const auto digits = field.substr(field.starts_with('+') ? 1 : 0);
    const auto parsed = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (parsed.ec == std::errc::result_out_of_range ||
        value < std::numeric_limits<std::int16_t>::min() ||
        value > std::numeric_limits<std::int16_t>::max()) {
      return Fail(LayoutReadFault::OutOfRange);
    }
    out = static_cast<std::int16_t>(value);
    return true;
  }

  // A count, then that many character codes.
  bool Text(std::string& out) {
    std::int16_t count = 0;
    if (!Number(count)) return false;
    if (count < 0) return Fail(LayoutReadFault::BadCount);
    out.clear();
    for (int i = 0; i < count; ++i) {
      std::int16_t code = 0;
      if (!Number(code)) return false;
      if (!IsCp1252Code(code)) return Fail(LayoutReadFault::BadCharacter);
      out += static_cast<char>(code);
    }
    return true;
  }

  const LayoutReadError& Error() const { return *error_; }

 private:
  void SkipBlanks() {
    while (at_ < text_.size() && IsBlank(text_[at_]))
      ++at_;
  }

  // The field up to the next comma or line end, without its blanks; the delimiter is consumed.
  std::string_view NextField() {
    const std::size_t start = at_;
    while (at_ < text_.size() && text_[at_] != ',' && text_[at_] != '\r' && text_[at_] != '\n')
      ++at_;
    std::string_view field = text_.substr(start, at_ - start);
    while (!field.empty() && IsBlank(field.back()))
      field.remove_suffix(1);
    if (at_ < text_.size()) {
      if (text_.substr(at_).starts_with(kLineEnd)) {
        at_ += kLineEnd.size();
        ++line_;
      } else {
        if (text_[at_] != ',') ++line_;
        ++at_;
      }
    }
    return field;
  }

  // The fault lies in the field read last.
  bool Fail(LayoutReadFault fault) {
    error_ = LayoutReadError{fieldLine_, fault};
    return false;
  }

  std::string_view text_;
  std::size_t at_ = 0;
  int line_ = 1;
  int fieldLine_ = 1;
  std::optional<LayoutReadError> error_;
};

}  // namespace

std::string WriteLayoutFile(const LayoutFile& file) {
  std::string text;
  const auto line = [&text](int value) {
    text += std::to_string(value);
    text += kLineEnd;
  };
  for (std::int16_t code : file.codes)
    line(code);
  for (const std::string* characters : {&file.password, &file.reminder}) {
    line(static_cast<int>(characters->size()));
    for (char c : *characters)
      line(static_cast<unsigned char>(c));
  }
  line(file.protection);
  line(file.model);
  return text;
}

std::variant<LayoutFile, LayoutReadError> ReadLayoutFile(std::string_view text) {
  LayoutReader reader(text);
  LayoutFile file;
  for (std::int16_t& code : file.codes) {
    if (!reader.Number(code)) return reader.Error();
  }
  if (!reader.Text(file.password) || !reader.Text(file.reminder) ||
      !reader.Number(file.protection) || !reader.Number(file.model)) {
    return reader.Error();
  }
  return file;
}

std::string DescribeReadError(const LayoutReadError& error) {
  std::string_view reason;
  switch (error.fault) {
    case LayoutReadFault::Missing:
      reason = "o arquivo termina antes deste valor";
      break;
    case LayoutReadFault::NotANumber:
      reason = "o valor não é um número inteiro";
      break;
    case LayoutReadFault::OutOfRange:
      reason = "o número está fora da faixa de -32768 a 32767";
      break;
    case LayoutReadFault::BadCount:
      reason = "o número de caracteres é negativo";
      break;
    case LayoutReadFault::BadCharacter:
      reason = "o código de caractere não é válido";
      break;
  }
  return "Linha " + std::to_string(error.line) + ": " + std::string(reason) + ".";
}

}  // namespace lavrix
