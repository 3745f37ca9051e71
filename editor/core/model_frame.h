#pragma once

#include <QGroupBox>
#include <QLabel>
#include <QString>

namespace lavrix {

// "Modelo": the picture `Image1` and the caption `Label1` of the current model.
class ModelFrame : public QGroupBox {
  Q_OBJECT

 public:
  // Pictures are read from `pictureDirectory`.
  ModelFrame(QString pictureDirectory, QWidget* parent);

  void SetLabel(const QString& text);
  // An unreadable or missing picture leaves the image empty.
  void ShowPicture(const QString& fileName);

 private:
  QString pictureDirectory_;
  QLabel* image_;
  QLabel* label_;
};

}  // namespace lavrix
