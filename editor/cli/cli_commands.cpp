#include "cli/cli_commands.h"

#include <charconv>
#include <cstring>

#include "cli/exit_status.h"
#include "cli/layout_diff.h"
#include "cli/layout_view.h"
#include "cli/old_layout_import.h"

namespace lavrix::cli {
namespace {

// Larger than any old layout; a bigger file is surely not one.
constexpr std::size_t kLargestOldFile = 64 * 1024;

using Compared = std::variant<LayoutFile, UsbImage>;

int Fail(std::ostream& err, const Failure& failure, int status) {
  err << "lavrix-cli: " << failure.message << "\n";
  return status;
}

std::optional<int> PageNumber(const std::string& text) {
  int page = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), page);
  if (error != std::errc() || end != text.data() + text.size() || page < 1 || page > kPageCount)
    return std::nullopt;
  return page;
}

// A 512-byte file is an image; anything else must be a layout.
Outcome<Compared> ReadCompared(const std::string& path) {
  auto bytes = ReadWholeFile(path);
  if (auto* failure = std::get_if<Failure>(&bytes)) return std::move(*failure);
  const std::string& content = std::get<std::string>(bytes);
  if (content.size() == kUsbImageSize) {
    UsbImage image;
    std::memcpy(image.data(), content.data(), image.size());
    return image;
  }
  auto read = ReadLayoutFile(content);
  if (const auto* error = std::get_if<LayoutReadError>(&read)) {
    return Failure{"O arquivo " + path + " não é um layout válido nem uma imagem de 512 bytes. " +
                   DescribeReadError(*error)};
  }
  return std::get<LayoutFile>(std::move(read));
}

Outcome<UsbImage> AsImage(const Compared& compared) {
  if (const auto* image = std::get_if<UsbImage>(&compared)) return *image;
  return ImageOfLayout(std::get<LayoutFile>(compared));
}

}  // namespace

Outcome<UsbImage> ImageOfLayout(const LayoutFile& layout) {
  return ImageOfLayout(layout, PlanWrite(layout.model, layout.codes));
}

Outcome<UsbImage> ImageOfLayout(const LayoutFile& layout, const WritePlan& plan) {
  if (auto image = UsbImageOfPlan(plan, layout.codes)) return *image;
  return Failure{"O modelo " + ModelText(layout.model) + " não tem procedimento de gravação."};
}

int RunShow(const Invocation& invocation, std::ostream& out, std::ostream& err) {
  std::optional<int> page;
  if (invocation.page) {
    page = PageNumber(*invocation.page);
    if (!page)
      return Fail(err, {"Página inválida: " + *invocation.page + " (de 1 a 4)."}, kBadInput);
  }
  auto layout = ReadLayoutAt(invocation.operands[0]);
  if (auto* failure = std::get_if<Failure>(&layout)) return Fail(err, *failure, kBadInput);
  out << DescribeLayout(std::get<LayoutFile>(layout),
                        page ? std::optional(*page - 1) : std::nullopt);
  return kSucceeded;
}

int RunImport(const Invocation& invocation, std::ostream& out, std::ostream& err) {
  const OldLayoutButton* button = FindImportButton(invocation.operands[0]);
  if (!button) {
    return Fail(err,
                {"Tipo de arquivo antigo desconhecido: " + invocation.operands[0] +
                 ". Os tipos estão em \"lavrix-cli import --help\"."},
                kBadInput);
  }
  auto bytes = ReadWholeFile(invocation.operands[1], kLargestOldFile);
  if (auto* failure = std::get_if<Failure>(&bytes)) return Fail(err, *failure, kBadInput);
  const std::string& old = std::get<std::string>(bytes);
  auto layout =
      ImportedLayout(*button, {reinterpret_cast<const std::uint8_t*>(old.data()), old.size()});
  if (auto* failure = std::get_if<Failure>(&layout)) return Fail(err, *failure, kBadInput);
  const LayoutFile& imported = std::get<LayoutFile>(layout);
  if (auto failure = WriteWholeFile(*invocation.output, WriteLayoutFile(imported)))
    return Fail(err, *failure, kNotDone);
  out << "Layout importado em " << *invocation.output << " (modelo " << ModelText(imported.model)
      << ").\n";
  return kSucceeded;
}

int RunImage(const Invocation& invocation, std::ostream& out, std::ostream& err) {
  auto layout = ReadLayoutAt(invocation.operands[0]);
  if (auto* failure = std::get_if<Failure>(&layout)) return Fail(err, *failure, kBadInput);
  auto image = ImageOfLayout(std::get<LayoutFile>(layout));
  if (auto* failure = std::get_if<Failure>(&image)) return Fail(err, *failure, kBadInput);
  const UsbImage& bytes = std::get<UsbImage>(image);
  if (!invocation.output) {
    out << HexDump(bytes);
    return kSucceeded;
  }
  const std::string_view raw(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  if (auto failure = WriteWholeFile(*invocation.output, raw)) return Fail(err, *failure, kNotDone);
  return kSucceeded;
}

int RunDiff(const Invocation& invocation, std::ostream& out, std::ostream& err) {
  auto first = ReadCompared(invocation.operands[0]);
  if (auto* failure = std::get_if<Failure>(&first)) return Fail(err, *failure, kBadInput);
  auto second = ReadCompared(invocation.operands[1]);
  if (auto* failure = std::get_if<Failure>(&second)) return Fail(err, *failure, kBadInput);
  const Compared& a = std::get<Compared>(first);
  const Compared& b = std::get<Compared>(second);
  std::vector<std::string> lines;
  if (std::holds_alternative<LayoutFile>(a) && std::holds_alternative<LayoutFile>(b)) {
    lines = DiffLayouts(std::get<LayoutFile>(a), std::get<LayoutFile>(b));
  } else {
    auto imageA = AsImage(a);
    if (auto* failure = std::get_if<Failure>(&imageA)) return Fail(err, *failure, kBadInput);
    auto imageB = AsImage(b);
    if (auto* failure = std::get_if<Failure>(&imageB)) return Fail(err, *failure, kBadInput);
    lines = DiffImages(std::get<UsbImage>(imageA), std::get<UsbImage>(imageB));
  }
  if (lines.empty()) {
    out << "Sem diferenças.\n";
    return kSucceeded;
  }
  for (const std::string& line : lines)
    out << line << "\n";
  return kNotDone;
}

}  // namespace lavrix::cli
