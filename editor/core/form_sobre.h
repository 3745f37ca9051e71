#pragma once

#include <QString>
#include <QWidget>

namespace lavrix {

// The about box; it does not block the main window.
class FormSobre : public QWidget {
  Q_OBJECT

 public:
  FormSobre(const QString& pictureDirectory, QWidget* parent);
};

}  // namespace lavrix
