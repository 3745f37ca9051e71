#include "core/library_message_boxes.h"

#include <QApplication>
#include <QMessageBox>
#include <QThread>

#include "platform/velmar_messages.h"

namespace lavrix {
namespace {

QMessageBox::Icon IconOf(int icon) {
  switch (icon) {
    case VELMAR_ICON_ERROR:
      return QMessageBox::Critical;
    case VELMAR_ICON_WARNING:
      return QMessageBox::Warning;
    case VELMAR_ICON_INFORMATION:
      return QMessageBox::Information;
    default:
      return QMessageBox::NoIcon;
  }
}

void ShowLibraryMessage(const char* text, const char* caption, int icon, void*) {
  QApplication* application = qApp;
  if (!application) return;
  const auto show = [message = QString::fromUtf8(text), title = QString::fromUtf8(caption), icon] {
    QMessageBox box(IconOf(icon), title, message, QMessageBox::Ok);
    box.exec();
  };
  // A library may speak from a thread of its own; dialogs live on the window thread.
  if (QThread::currentThread() == application->thread()) {
    show();
  } else {
    QMetaObject::invokeMethod(application, show, Qt::BlockingQueuedConnection);
  }
}

}  // namespace

LibraryMessageBoxes::LibraryMessageBoxes() {
  VelmarSetMessageBoxHandler(ShowLibraryMessage, nullptr);
}

LibraryMessageBoxes::~LibraryMessageBoxes() {
  VelmarSetMessageBoxHandler(nullptr, nullptr);
}

}  // namespace lavrix
