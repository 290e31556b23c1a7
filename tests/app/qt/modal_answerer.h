#pragma once
// Answers the modal dialogs that an action opens, from inside their modal loop, so that a test never blocks:
// a timer looks for the active modal widget, records what it shows and closes it the way it is told.
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <functional>

#include "app/qt/folder_dialog.h"

namespace qm::testing {

class ModalAnswerer {
 public:
  /// What to do with a folder dialog: choose something in it and accept, or reject it.
  using FolderAction = std::function<void(FolderDialog&)>;

  ModalAnswerer() {
    QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
    timer_.start(10);
  }

  void AnswerFolder(FolderAction action) { folder_actions_.push_back(std::move(action)); }

  struct Message {
    QString text, caption;
    QWidget* focus_before;
  };
  QList<Message> messages;
  QStringList folder_prompts;

 private:
  void Poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr) return;
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
      messages.append({box->text(), box->windowTitle(), nullptr});
      box->button(QMessageBox::Ok)->click();
    } else if (auto* dialog = dynamic_cast<FolderDialog*>(modal)) {
      folder_prompts.append(dialog->findChild<QLabel*>()->text());
      if (folder_actions_.isEmpty()) {
        dialog->reject();
      } else {
        folder_actions_.takeFirst()(*dialog);
      }
    }
  }
  QTimer timer_;
  QList<FolderAction> folder_actions_;
};

}  // namespace qm::testing
