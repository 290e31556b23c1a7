#include "app/qt/dialogs.h"

#include <QMessageBox>

#include "app/qt/folder_dialog.h"

namespace qm {
namespace {

QString FromBytes(std::string_view bytes) { return QString::fromUtf8(bytes.data(), qsizetype(bytes.size())); }

}  // namespace

std::string QtDialogs::ChooseFolder(std::string_view title, bool include_files) {
  return ChooseFolderPath(FromBytes(title), include_files).toStdString();
}

void QtDialogs::ShowMessage(std::string_view text, std::string_view caption) {
  QMessageBox box(QMessageBox::NoIcon, FromBytes(caption), FromBytes(text), QMessageBox::Ok);
  box.setWindowModality(Qt::ApplicationModal);
  box.setTextFormat(Qt::PlainText);
  box.exec();
}

}  // namespace qm
