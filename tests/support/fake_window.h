#pragma once
// Stand-ins for the window's edit boxes, its dialogs and the clock, so that an action runs without a window.
// The file system stays real.
#include <array>
#include <deque>
#include <string>
#include <utility>
#include <vector>

#include "platform/path_rules.h"
#include "rename/env.h"

namespace qm::testing {

class FakeControls : public Controls {
 public:
  std::string Text(Box box) override { return texts_[Index(box)]; }
  void SetText(Box box, std::string_view text) override { texts_[Index(box)] = std::string(text); }
  void Append(Box box, std::string_view text) override {
    texts_[Index(box)] += text;
    ++appends;
  }
  std::string& operator[](Box box) { return texts_[Index(box)]; }
  int appends = 0;

 private:
  static size_t Index(Box box) { return static_cast<size_t>(box); }
  std::array<std::string, 5> texts_;
};

class FakeDialogs : public Dialogs {
 public:
  struct Message {
    std::string text, caption;
  };
  std::string ChooseFolder(std::string_view title, bool include_files) override {
    prompts.emplace_back(title);
    include_files_seen.push_back(include_files);
    std::string answer = folder_answers.empty() ? std::string() : folder_answers.front();
    if (!folder_answers.empty()) folder_answers.pop_front();
    return answer;
  }
  void ShowMessage(std::string_view text, std::string_view caption) override {
    messages.push_back({std::string(text), std::string(caption)});
  }
  std::deque<std::string> folder_answers;  // empty: the dialog is cancelled
  std::vector<std::string> prompts;
  std::vector<bool> include_files_seen;
  std::vector<Message> messages;
};

class FakeClock : public Clock {
 public:
  LocalDateTime Now() override { return now; }
  LocalDateTime now{2017, 3, 9, 8, 5, 0};
};

/// A fake window around a file system, with the system's path rules.
struct FakeEnv {
  explicit FakeEnv(FileSystem& files) : env{controls, dialogs, files, clock, NativePathRules()} {}
  FakeControls controls;
  FakeDialogs dialogs;
  FakeClock clock;
  Env env;
};

}  // namespace qm::testing
