#include "app/qt/dialogs.h"

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QPointer>

#include "app/qt/byte_text.h"
#include "app/qt/folder_dialog.h"

namespace qm {
namespace {


// The window that was active when a dialog opened is made active again when it closes, whichever way it was
// closed; that window gives the focus back to the control that had it.
class ActiveWindowKeeper {
 public:
  ActiveWindowKeeper() : window_(QApplication::activeWindow()) {}
  ~ActiveWindowKeeper() {
    if (window_ && window_->isVisible()) window_->activateWindow();
  }

 private:
  QPointer<QWidget> window_;
};

}  // namespace

std::string QtDialogs::ChooseFolder(std::string_view title, bool include_files) {
  ActiveWindowKeeper keeper;
  // The file system model decodes names with the system's file name encoding; encoding back the same way gives
  // the path's own bytes, also where a name is not valid UTF-8.
  const QByteArray path = QFile::encodeName(ChooseFolderPath(FromUtf8(title), include_files));
  return std::string(path.constData(), size_t(path.size()));
}

void QtDialogs::ShowMessage(std::string_view text, std::string_view caption) {
  ActiveWindowKeeper keeper;
  QMessageBox box(QMessageBox::NoIcon, FromUtf8(caption), FromUtf8(text), QMessageBox::Ok);
  box.setWindowModality(Qt::ApplicationModal);
  box.setTextFormat(Qt::PlainText);
  box.exec();
}

}  // namespace qm
