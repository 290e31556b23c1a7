#pragma once
// The folder chooser of the Linux program: a prompt above a tree of the file system that starts at "/", a field
// in which a path may be typed, OK and Cancel. With files included, a file can be chosen as well as a folder.
#include <QDialog>

class QFileSystemModel;
class QLineEdit;
class QTreeView;

namespace qm {

class FolderDialog : public QDialog {
 public:
  FolderDialog(const QString& prompt, bool include_files, QWidget* parent = nullptr);

  /// The chosen path: what the path field holds, a relative name taken inside the selected folder; the empty
  /// text when the field is empty.
  QString chosenPath() const;

  /// Selects `path` in the tree and shows it in the path field.
  void select(const QString& path);

  QLineEdit* pathField() const { return path_; }
  QTreeView* tree() const { return tree_; }

 private:
  QFileSystemModel* model_;
  QTreeView* tree_;
  QLineEdit* path_;
  QString selected_;
};

/// Shows the dialog modally for the whole program. Returns the full path of the choice, or the empty text
/// when the dialog is cancelled.
QString ChooseFolderPath(const QString& prompt, bool include_files);

}  // namespace qm
