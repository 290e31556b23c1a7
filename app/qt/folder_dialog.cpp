#include "app/qt/folder_dialog.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileSystemModel>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace qm {

FolderDialog::FolderDialog(const QString& prompt, bool include_files, QWidget* parent)
    : QDialog(parent), model_(new QFileSystemModel(this)), tree_(new QTreeView(this)), path_(new QLineEdit(this)) {
  setWindowTitle(tr("Choose"));
  setWindowModality(Qt::ApplicationModal);
  resize(420, 460);

  QDir::Filters filter = QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System;
  if (include_files) filter |= QDir::Files;
  model_->setFilter(filter);
  model_->setRootPath(QStringLiteral("/"));
  model_->setReadOnly(true);
  tree_->setModel(model_);
  tree_->setRootIndex(model_->index(QString()));  // the root "/" is the top of the tree
  for (int column = 1; column < model_->columnCount(); ++column) tree_->hideColumn(column);
  tree_->header()->hide();
  tree_->setExpanded(model_->index(QStringLiteral("/")), true);

  auto* home = new QPushButton(tr("Home"), this);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  auto* label = new QLabel(prompt, this);
  label->setWordWrap(true);

  auto* field_row = new QHBoxLayout;
  field_row->addWidget(path_, 1);
  field_row->addWidget(home);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label);
  layout->addWidget(tree_, 1);
  layout->addLayout(field_row);
  layout->addWidget(buttons);

  connect(tree_->selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex& index) {
    selected_ = model_->filePath(index);
    path_->setText(selected_);
  });
  connect(home, &QPushButton::clicked, this, [this] { select(QDir::homePath()); });
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  select(QDir::homePath());
}

void FolderDialog::select(const QString& path) {
  const QModelIndex index = model_->index(path);
  if (index.isValid()) {
    tree_->setCurrentIndex(index);
    tree_->scrollTo(index);
  }
  selected_ = path;
  path_->setText(path);
}

QString FolderDialog::chosenPath() const {
  const QString typed = path_->text();
  if (typed.isEmpty() || typed.startsWith(QLatin1Char('/'))) return typed;
  QString base = selected_;
  if (!base.endsWith(QLatin1Char('/'))) base += QLatin1Char('/');
  return base + typed;
}

QString ChooseFolderPath(const QString& prompt, bool include_files) {
  FolderDialog dialog(prompt, include_files);
  return dialog.exec() == QDialog::Accepted ? dialog.chosenPath() : QString();
}

}  // namespace qm
