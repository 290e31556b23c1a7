#include "rename/folder_actions.h"

#include "rename/texts.h"

namespace qm {

void ChooseSourceFolder(Env& env) {
  env.controls.SetText(Box::编辑框2, env.dialogs.ChooseFolder(texts::kSourceTargetPrompt, true));
}

void ChooseTargetFolder(Env& env) {
  env.controls.SetText(Box::编辑框5, env.dialogs.ChooseFolder(texts::kSourceTargetPrompt, true));
}

}  // namespace qm
