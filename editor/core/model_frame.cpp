#include "core/model_frame.h"

#include <QDir>
#include <QPixmap>
#include <utility>

#include "core/twips_qt.h"
#include "keys/key_fonts.h"
#include "keys/ui_fonts.h"

namespace lavrix {

ModelFrame::ModelFrame(QString pictureDirectory, QWidget* parent)
    : QGroupBox("Modelo", parent),
      pictureDirectory_(std::move(pictureDirectory)),
      image_(new QLabel(this)),
      label_(new QLabel(this)) {
  setObjectName("Frame4");
  setGeometry(ToPixels({9360, 0, 1815, 1695}));
  image_->setObjectName("Image1");
  image_->setGeometry(ToPixels({120, 240, 1500, 945}));
  image_->setScaledContents(true);
  label_->setObjectName("Label1");
  // Down to the frame's border: the substitute serif font needs a little more than the design's
  // 375 twips for the two lines of a model's caption.
  label_->setGeometry(ToPixels({120, 1200, 1575, 450}));
  label_->setFont(DesignFont(kSerifFont, kDefaultPointSize));
  label_->setWordWrap(true);
  label_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void ModelFrame::SetLabel(const QString& text) {
  label_->setText(text);
}

void ModelFrame::ShowPicture(const QString& fileName) {
  const QPixmap picture(QDir(pictureDirectory_).filePath(fileName));
  if (picture.isNull()) {
    image_->clear();
  } else {
    image_->setPixmap(picture);
  }
}

}  // namespace lavrix
