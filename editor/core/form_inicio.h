#pragma once

#include <QFrame>
#include <QString>

namespace lavrix {

// The splash window shown while the editor starts.
class FormInicio : public QFrame {
  Q_OBJECT

 public:
  // The picture is read from `pictureDirectory`.
  explicit FormInicio(const QString& pictureDirectory);
};

}  // namespace lavrix
