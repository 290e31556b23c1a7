#include "rename/run_batch.h"

#include "rename/name_list.h"
#include "rename/texts.h"

namespace qm {
namespace {

std::string JoinPath(std::string_view directory, char separator, std::string_view name) {
  std::string path;
  path.reserve(directory.size() + 1 + name.size());
  path += directory;
  path += separator;
  path += name;
  return path;
}

// Where a name may be cut at or before `limit` without splitting a character: under a double-byte code page by
// the lead-byte rule, otherwise (UTF-8) before any continuation byte.
size_t CharacterBoundary(std::string_view name, size_t limit, const PathRules& rules) {
  if (rules.is_lead_byte) {
    size_t at = 0;
    while (at < name.size()) {
      const size_t next = at + (rules.is_lead_byte(static_cast<unsigned char>(name[at])) ? 2 : 1);
      if (next > limit) break;
      at = next;
    }
    return at;
  }
  size_t at = limit;
  while (at > 0 && (static_cast<unsigned char>(name[at]) & 0xC0) == 0x80) --at;
  return at;
}

// A name as the end message shows it: a message box ends its text at a NUL byte, so one is shown as the two
// characters "\0"; a name longer than a file system allows (up to a whole pasted text) is cut short.
std::string Visible(std::string_view name, const PathRules& rules) {
  const bool cut = name.size() > kShownNameBytes;
  if (cut) name = name.substr(0, CharacterBoundary(name, kShownNameBytes, rules));
  std::string shown;
  shown.reserve(name.size() + 4);
  for (char c : name) {
    if (c == '\0') {
      shown += "\\0";
    } else {
      shown += c;
    }
  }
  if (cut) shown += texts::kNameCut;
  return shown;
}

}  // namespace

PairPaths PathsOfPair(std::string_view source, std::string_view target, char separator, std::string_view old_name,
                      std::string_view new_name) {
  return {JoinPath(source, separator, old_name), JoinPath(target.empty() ? source : target, separator, new_name)};
}

std::string BatchEndMessage(size_t failed_count, const std::vector<FailedPair>& listed, const PathRules& rules) {
  std::string message(texts::kBatchDone);
  if (failed_count == 0) return message;
  message += '\n';
  message += texts::kFailedCountBefore;
  message += std::to_string(failed_count);
  message += texts::kFailedCountAfter;
  for (const FailedPair& pair : listed) {
    message += '\n';
    message += Visible(pair.old_name, rules);
    message += texts::kPairArrow;
    message += Visible(pair.new_name, rules);
    message += texts::kReasonColon;
    message += pair.reason;
  }
  if (failed_count > listed.size()) {
    message += '\n';
    message += texts::kMoreFailures;
  }
  return message;
}

void RunBatch(Env& env) {
  const std::string old_text = env.controls.Text(Box::编辑框3);
  const std::string new_text = env.controls.Text(Box::编辑框4);
  const std::vector<std::string_view> old_names = SplitNameList(old_text);
  const std::vector<std::string_view> new_names = SplitNameList(new_text);
  if (old_names.size() != new_names.size()) {
    env.dialogs.ShowMessage(texts::kCountMismatch, texts::kDefaultCaption);
    return;
  }

  // Nothing else runs while the batch runs, so the directory texts are the same for every pair.
  const std::string source = env.controls.Text(Box::编辑框2);
  const std::string target = env.controls.Text(Box::编辑框5);
  const bool copying = !target.empty();  // byte-exact: one space selects copying
  const char separator = env.rules.separator;

  size_t failed_count = 0;
  std::vector<FailedPair> listed;
  for (size_t i = 0; i < old_names.size(); ++i) {
    const auto [old_path, new_path] = PathsOfPair(source, target, separator, old_names[i], new_names[i]);
    std::string reason;
    bool done = false;
    if (!HasNoNul(old_path) || !HasNoNul(new_path)) {
      reason = texts::kNulInName;  // the system would act on the name cut at the NUL: another file
    } else if (old_names[i].empty()) {
      reason = texts::kEmptyOldName;  // the old path would be the source directory itself
    } else if (copying) {
      done = env.files.Copy(old_path, new_path, &reason);
    } else {
      done = env.files.Move(old_path, new_path, &reason);
    }
    if (done) continue;
    ++failed_count;
    if (listed.size() < kListedFailures) {
      listed.push_back({std::string(old_names[i]), std::string(new_names[i]), std::move(reason)});
    }
  }
  env.dialogs.ShowMessage(BatchEndMessage(failed_count, listed, env.rules), texts::kNoticeCaption);
}

}  // namespace qm
