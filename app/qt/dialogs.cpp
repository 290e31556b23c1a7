#include "app/qt/dialogs.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>

#include "app/qt/folder_dialog.h"

namespace qm {
namespace {

QString FromBytes(std::string_view bytes) { return QString::fromUtf8(bytes.data(), qsizetype(bytes.size())); }

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
  return ChooseFolderPath(FromBytes(title), include_files).toStdString();
}

void QtDialogs::ShowMessage(std::string_view text, std::string_view caption) {
  ActiveWindowKeeper keeper;
  QMessageBox box(QMessageBox::NoIcon, FromBytes(caption), FromBytes(text), QMessageBox::Ok);
  box.setWindowModality(Qt::ApplicationModal);
  box.setTextFormat(Qt::PlainText);
  box.exec();
}

}  // namespace qm
