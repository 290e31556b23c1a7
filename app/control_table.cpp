#include "app/control_table.h"

#include "rename/export_names.h"
#include "rename/folder_actions.h"
#include "rename/read_names.h"
#include "rename/run_batch.h"
#include "rename/texts.h"

namespace qm {

const std::array<ControlSpec, kControlCount>& ControlTable() {
  using K = ControlKind;
  namespace t = texts;
  static const std::array<ControlSpec, kControlCount> table = {{
      {"按钮5", K::Button, 296, 64, 168, 24, true, t::k按钮5, &ExportNames, {}},
      {"按钮4", K::Button, 48, 440, 416, 40, true, t::k按钮4, &RunBatch, {}},
      {"按钮3", K::Button, 395, 384, 72, 32, true, t::kBrowse, &ChooseTargetFolder, {}},
      {"标签6", K::Label, 8, 392, 48, 24, false, t::k标签6, nullptr, {}},
      {"编辑框5", K::SingleLineEdit, 72, 387, 280, 32, true, "", nullptr, Box::编辑框5, t::kTargetBoxName},
      {"标签5", K::Label, 8, 352, 448, 24, false, t::k标签5, nullptr, {}},
      {"编辑框1", K::SingleLineEdit, 56, 64, 128, 32, true, "", nullptr, Box::编辑框1, t::kSuffixBoxName},
      {"标签4", K::Label, 48, 32, 304, 32, false, t::k标签4, nullptr, {}},
      {"标签1", K::Label, 264, 96, 176, 24, false, t::k标签1, nullptr, {}},
      {"编辑框4", K::MultiLineEdit, 248, 128, 200, 216, true, "", nullptr, Box::编辑框4, t::kNewNamesBoxName},
      {"编辑框3", K::MultiLineEdit, 32, 128, 200, 216, true, "", nullptr, Box::编辑框3, t::kOldNamesBoxName},
      {"按钮2", K::Button, 380, 5, 64, 24, true, t::kBrowse, &ChooseSourceFolder, {}},
      {"标签3", K::Label, 73, 102, 79, 20, false, t::k标签3, nullptr, {}},
      {"标签2", K::Label, 11, 10, 49, 20, false, t::k标签2, nullptr, {}},
      {"编辑框2", K::SingleLineEdit, 75, 7, 293, 25, true, "", nullptr, Box::编辑框2, t::kSourceBoxName},
      {"按钮1", K::Button, 219, 65, 65, 25, true, t::k按钮1, &ReadNames, {}},
  }};
  return table;
}

std::vector<size_t> TabCycle() {
  std::vector<size_t> cycle;
  for (size_t i = kControlCount; i-- > 0;)
    if (ControlTable()[i].tab_stop) cycle.push_back(i);
  return cycle;
}

size_t ControlIndex(std::string_view name) {
  for (size_t i = 0; i < kControlCount; ++i)
    if (ControlTable()[i].name == name) return i;
  return kControlCount;
}

size_t ControlIndex(Box box) {
  for (size_t i = 0; i < kControlCount; ++i) {
    const ControlSpec& row = ControlTable()[i];
    if ((row.kind == ControlKind::SingleLineEdit || row.kind == ControlKind::MultiLineEdit) && row.box == box)
      return i;
  }
  return kControlCount;
}

}  // namespace qm
