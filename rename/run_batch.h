#pragma once
// Renaming or copying the listed files pair by pair.
#include <string>
#include <string_view>
#include <vector>

#include "rename/env.h"

namespace qm {

/// A pair that did not happen, and the system's reason.
struct FailedPair {
  std::string old_name;
  std::string new_name;
  std::string reason;
};

/// The two paths of one pair: the old name in the source directory, the new name in the target directory when
/// there is one (copying), else in the source directory (renaming). Plain concatenation: nothing is normalised.
struct PairPaths {
  std::string old_path;
  std::string new_path;
};
PairPaths PathsOfPair(std::string_view source, std::string_view target, char separator, std::string_view old_name,
                      std::string_view new_name);

/// How many failed pairs the end message lists by name.
inline constexpr size_t kListedFailures = 10;

/// How many bytes of a name the end message shows; a longer name is cut there, at a character boundary.
inline constexpr size_t kShownNameBytes = 255;

/// The end message: "处理结束" alone when every pair succeeded; otherwise followed by the count of failed pairs
/// and one line for each of the first `listed` of them (and "……" when more failed).
std::string BatchEndMessage(size_t failed_count, const std::vector<FailedPair>& listed, const PathRules& rules);

/// The action of 按钮4: pairs the names of 编辑框3 with those of 编辑框4 line by line. Without a target directory
/// (编辑框5 empty) each file is renamed inside the source directory (编辑框2), never replacing a file; otherwise it
/// is copied into the target directory, replacing a file there. A failed pair does not stop the batch and is
/// reported at its end. Lists of unequal length touch nothing. A pair whose old name is empty (it would name the
/// source directory itself) or whose paths hold a NUL byte fails without reaching the file system.
void RunBatch(Env& env);

}  // namespace qm
