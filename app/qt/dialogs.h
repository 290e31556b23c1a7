#pragma once
// The message box and the folder chooser of the Linux program.
#include "rename/env.h"

namespace qm {

class QtDialogs : public Dialogs {
 public:
  std::string ChooseFolder(std::string_view title, bool include_files) override;
  /// A message box with the caption and the text and one OK button, modal for the whole program, no owner.
  void ShowMessage(std::string_view text, std::string_view caption) override;
};

}  // namespace qm
