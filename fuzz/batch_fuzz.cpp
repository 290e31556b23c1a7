// RunBatch on any four box texts, with a file system that records each call and fails some of them: lists of
// unequal length touch nothing; otherwise every pair is requested once, in list order, with the paths built by
// plain concatenation, renaming without a target and copying with one, and the end message counts exactly the
// pairs that failed. A pair with a NUL byte or an empty old name never reaches the file system.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "rename/name_list.h"
#include "rename/run_batch.h"
#include "rename/texts.h"
#include "../tests/support/fake_window.h"

namespace {

struct Recorder : qm::FileSystem {
  struct Call {
    bool copy;
    std::string from, to;
  };
  std::vector<Call> calls;
  std::vector<bool> fail_pattern;
  size_t failed = 0;
  std::unique_ptr<qm::DirectorySearch> FindFirst(const std::string&, qm::FindEntry*) override { std::abort(); }
  bool Move(const std::string& from, const std::string& to, std::string* reason) override { return Record(false, from, to, reason); }
  bool Copy(const std::string& from, const std::string& to, std::string* reason) override { return Record(true, from, to, reason); }
  bool WriteFile(const std::string&, std::string_view, std::string*) override { std::abort(); }
  bool Record(bool copy, const std::string& from, const std::string& to, std::string* reason) {
    calls.push_back({copy, from, to});
    const bool fail = !fail_pattern.empty() && fail_pattern[calls.size() % fail_pattern.size()];
    if (fail) {
      ++failed;
      *reason = "injected";
    }
    return !fail;
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // Four texts separated by the byte 0x1E; the last one's bytes also pick which calls fail.
  std::vector<std::string> parts(1);
  for (size_t i = 0; i < size; ++i) {
    if (data[i] == 0x1E && parts.size() < 5) {
      parts.emplace_back();
    } else {
      parts.back() += char(data[i]);
    }
  }
  parts.resize(5);
  Recorder files;
  for (char c : parts[4]) files.fail_pattern.push_back(c & 1);
  qm::testing::FakeEnv fake(files);
  fake.controls[qm::Box::编辑框2] = parts[0];
  fake.controls[qm::Box::编辑框5] = parts[1];
  fake.controls[qm::Box::编辑框3] = parts[2];
  fake.controls[qm::Box::编辑框4] = parts[3];
  qm::RunBatch(fake.env);

  const auto old_names = qm::SplitNameList(parts[2]);
  const auto new_names = qm::SplitNameList(parts[3]);
  if (fake.dialogs.messages.size() != 1) std::abort();
  const std::string& message = fake.dialogs.messages[0].text;
  if (old_names.size() != new_names.size()) {
    if (!files.calls.empty() || message != qm::texts::kCountMismatch) std::abort();
    return 0;
  }
  const char separator = fake.env.rules.separator;
  size_t requested = 0, refused = 0;
  for (size_t i = 0; i < old_names.size(); ++i) {
    const std::string from = parts[0] + separator + std::string(old_names[i]);
    const std::string to = (parts[1].empty() ? parts[0] : parts[1]) + separator + std::string(new_names[i]);
    if (from.find('\0') != std::string::npos || to.find('\0') != std::string::npos || old_names[i].empty()) {
      ++refused;  // never passed on: the system would cut it at the NUL, or it would name the source folder
      continue;
    }
    if (requested >= files.calls.size()) std::abort();
    const Recorder::Call& call = files.calls[requested++];
    if (call.copy != !parts[1].empty() || call.from != from || call.to != to) std::abort();
  }
  if (requested != files.calls.size()) std::abort();
  const size_t failed = files.failed + refused;
  const std::string expected_head =
      failed == 0 ? std::string(qm::texts::kBatchDone)
                  : std::string(qm::texts::kBatchDone) + "\n" + std::string(qm::texts::kFailedCountBefore) +
                        std::to_string(failed) + std::string(qm::texts::kFailedCountAfter);
  if (message.compare(0, expected_head.size(), expected_head) != 0) std::abort();
  if (failed == 0 && message != expected_head) std::abort();
  return 0;
}
