#include "core/layout_file_io.h"

#include <QFile>
#include <QSaveFile>

#include "core/qt_text.h"

namespace lavrix {
namespace {

QString ReadFailure(const QString& path, const QString& reason) {
  return QString("Não foi possível ler o arquivo\n%1\n\n%2\n\nO layout atual foi mantido.")
      .arg(path, reason);
}

}  // namespace

std::variant<LayoutFile, QString> ReadLayoutFileAt(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return ReadFailure(path, file.errorString());
  if (file.size() > static_cast<qint64>(kLargestLayoutFileSize)) {
    return ReadFailure(path, "O arquivo é grande demais para ser um layout.");
  }
  const QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) return ReadFailure(path, file.errorString());
  auto read = ReadLayoutFile(std::string_view(bytes.constData(), bytes.size()));
  if (const auto* error = std::get_if<LayoutReadError>(&read)) {
    return ReadFailure(path, ToQString(DescribeReadError(*error)));
  }
  return std::get<LayoutFile>(std::move(read));
}

std::optional<QString> SaveLayoutTextAt(const QString& path, std::string_view text) {
  QSaveFile file(path);
  // The flush is checked on its own: commit() misses a write error that only the flush meets,
  // and would put the cut file in place.
  const bool saved = file.open(QIODevice::WriteOnly) &&
                     file.write(text.data(), static_cast<qint64>(text.size())) ==
                         static_cast<qint64>(text.size()) &&
                     file.flush() && file.commit();
  if (saved) return std::nullopt;
  return QString("Não foi possível salvar o arquivo\n%1\n\n%2").arg(path, file.errorString());
}

}  // namespace lavrix
