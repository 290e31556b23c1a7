#pragma once
// The two "浏览" buttons: choosing the source and the target directory.
#include "rename/env.h"

namespace qm {

/// The action of 按钮2: the folder dialog's result replaces 编辑框2, also when it is empty (cancelled).
void ChooseSourceFolder(Env& env);

/// The action of 按钮3: the folder dialog's result replaces 编辑框5, also when it is empty (cancelled), which
/// makes the next batch rename in place.
void ChooseTargetFolder(Env& env);

}  // namespace qm
