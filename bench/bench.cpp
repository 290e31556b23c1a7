// Holds each action against the system's own limit: our code and a bare baseline doing the same work run in the
// same process, in turn, several times; the table reports medians and the ratio ours / baseline. The rows are
// also written as JSON lines (one object a row) to the file named by --json.
//
//   qm_bench [--json FILE] [--quick] [--rows list,split,rename,copy,export,window,peers]
#include <dirent.h>
#include <fcntl.h>
#include <stdio.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QPlainTextEdit>
#include <algorithm>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "app/qt/main_window.h"
#include "platform/file_system-posix.h"
#include "platform/name_pattern.h"
#include "rename/export_names.h"
#include "rename/name_list.h"
#include "rename/read_names.h"
#include "rename/run_batch.h"
#include "support/fake_window.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

double Seconds(const std::function<void()>& work) {
  const auto start = Clock::now();
  work();
  return std::chrono::duration<double>(Clock::now() - start).count();
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

struct Row {
  std::string name;
  double ours, baseline, target;
  double peak_ratio = 0;  // ours / baseline peak memory, where measured
  std::string note;
};

std::vector<Row> g_rows;
std::ofstream g_json;

void Report(Row row) {
  const double ratio = row.ours / row.baseline;
  char line[256];
  std::snprintf(line, sizeof line, "| %-34s | %9.4f | %9.4f | %6.2f | %s %4.2f |%s", row.name.c_str(), row.ours,
                row.baseline, ratio, ratio <= row.target ? "<=" : "> ", row.target,
                row.peak_ratio > 0 ? (" peak " + std::to_string(row.peak_ratio).substr(0, 4) + " |").c_str() : "");
  std::cout << line << (row.note.empty() ? "" : " " + row.note) << std::endl;
  if (g_json) {
    g_json << "{\"row\":\"" << row.name << "\",\"ours_s\":" << row.ours << ",\"baseline_s\":" << row.baseline
           << ",\"ratio\":" << ratio << ",\"target\":" << row.target;
    if (row.peak_ratio > 0) g_json << ",\"peak_ratio\":" << row.peak_ratio;
    g_json << "}" << std::endl;
  }
  g_rows.push_back(row);
}

// Runs ours and the baseline alternately `runs` times; `between` restores the state after each.
void Compare(const std::string& name, double target, int runs, const std::function<void()>& ours,
             const std::function<void()>& baseline, const std::function<void()>& between = [] {}) {
  std::vector<double> a, b;
  for (int i = 0; i < runs; ++i) {
    a.push_back(Seconds(ours));
    between();
    b.push_back(Seconds(baseline));
    between();
  }
  Report({name, Median(a), Median(b), target, 0, ""});
}

void MakeEmptyFiles(const fs::path& dir, int count, const std::string& prefix) {
  fs::create_directories(dir);
  for (int i = 0; i < count; ++i) {
    char name[64];
    std::snprintf(name, sizeof name, "%s%07d.txt", prefix.c_str(), i);
    close(open((dir / name).c_str(), O_CREAT | O_WRONLY | O_CLOEXEC, 0644));
  }
}

// The bare listing: readdir, the same filter and order, one text.
std::string BareListing(const fs::path& dir) {
  DIR* d = opendir(dir.c_str());
  std::vector<std::string> names;
  while (const dirent* e = readdir(d)) {
    if (e->d_type == DT_DIR) continue;
    names.emplace_back(std::string_view(e->d_name));
  }
  closedir(d);
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) { return qm::ListsBefore(a, b); });
  std::string text;
  for (const std::string& name : names) {
    text += name;
    text += "\r\n";
  }
  return text;
}

std::string OurListing(qm::FileSystem& files, const fs::path& dir) {
  qm::testing::FakeEnv fake(files);
  fake.controls[qm::Box::编辑框2] = dir.string();
  qm::ReadNames(fake.env);
  return fake.controls[qm::Box::编辑框3];
}

// --- the window rows run in child processes, so that each one's peak memory is its own ---

struct ChildResult {
  double seconds = 0;
  long peak_kib = 0;
};

ChildResult RunChild(const std::string& self, const std::vector<std::string>& args) {
  int pipe_fds[2];
  if (pipe(pipe_fds) != 0) return {};
  const pid_t pid = fork();
  if (pid == 0) {
    dup2(pipe_fds[1], 1);
    std::vector<char*> argv{const_cast<char*>(self.c_str())};
    for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    execv(self.c_str(), argv.data());
    _exit(127);
  }
  close(pipe_fds[1]);
  std::string output;
  char buffer[256];
  for (ssize_t n; (n = read(pipe_fds[0], buffer, sizeof buffer)) > 0;) output.append(buffer, size_t(n));
  close(pipe_fds[0]);
  int status = 0;
  struct rusage usage {};
  wait4(pid, &status, 0, &usage);
  ChildResult result;
  std::istringstream(output) >> result.seconds;
  result.peak_kib = usage.ru_maxrss;
  return result;
}

int WindowChild(int argc, char** argv) {
  // qm_bench --window ours|bare DIR: lists DIR into the real window's 编辑框3 and reads it back as the batch does.
  QApplication application(argc, argv);
  const std::string mode = argv[2];
  const fs::path dir = argv[3];
  auto files = qm::MakePosixFileSystem();
  qm::testing::FakeDialogs dialogs;
  qm::testing::FakeClock clock;
  qm::MainWindow window(dialogs, *files, clock);
  size_t size = 0;
  const double seconds = Seconds([&] {
    if (mode == "ours") {
      window.controls().SetText(qm::Box::编辑框2, dir.string());
      qm::ReadNames(window.env());
      size = window.controls().Text(qm::Box::编辑框3).size();
    } else {
      auto* box = static_cast<QPlainTextEdit*>(window.control("编辑框3"));
      box->setPlainText(QString::fromStdString(BareListing(dir)));
      size = box->toPlainText().toUtf8().size();
    }
  });
  std::cout << seconds << " " << size << std::endl;
  return 0;
}

void WindowRow(const std::string& self, const fs::path& dir, int count, int runs, double target) {
  std::vector<double> a, b;
  long peak_a = 0, peak_b = 0;
  for (int i = 0; i < runs; ++i) {
    const ChildResult ours = RunChild(self, {"--window", "ours", dir.string()});
    const ChildResult bare = RunChild(self, {"--window", "bare", dir.string()});
    a.push_back(ours.seconds);
    b.push_back(bare.seconds);
    peak_a = std::max(peak_a, ours.peak_kib);
    peak_b = std::max(peak_b, bare.peak_kib);
  }
  Row row{"Linux window, " + std::to_string(count / 1000) + "k names", Median(a), Median(b), target, 0, ""};
  row.peak_ratio = double(peak_a) / double(peak_b);
  row.note = "(peak " + std::to_string(peak_a / 1024) + " / " + std::to_string(peak_b / 1024) + " MiB)";
  Report(row);
}

void RenamePairs(const fs::path& dir, int count, std::string* old_text, std::string* new_text, const char* from,
                 const char* to) {
  old_text->clear();
  new_text->clear();
  for (int i = 0; i < count; ++i) {
    char a[64], b[64];
    std::snprintf(a, sizeof a, "%s%07d.txt", from, i);
    std::snprintf(b, sizeof b, "%s%07d.txt", to, i);
    *old_text += std::string(a) + "\r\n";
    *new_text += std::string(b) + "\r\n";
  }
  (void)dir;
}

void BareRenames(const fs::path& dir, const std::string& old_text, const std::string& new_text) {
  const auto olds = qm::SplitNameList(old_text);
  const auto news = qm::SplitNameList(new_text);
  const std::string base = dir.string() + "/";
  for (size_t i = 0; i < olds.size(); ++i) {
    const std::string from = base + std::string(olds[i]), to = base + std::string(news[i]);
    renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE);
  }
}

void OurBatch(qm::FileSystem& files, const fs::path& dir, const std::string& target, const std::string& old_text,
              const std::string& new_text) {
  qm::testing::FakeEnv fake(files);
  fake.controls[qm::Box::编辑框2] = dir.string();
  fake.controls[qm::Box::编辑框5] = target;
  fake.controls[qm::Box::编辑框3] = old_text;
  fake.controls[qm::Box::编辑框4] = new_text;
  qm::RunBatch(fake.env);
  if (fake.dialogs.messages.back().text != "处理结束") std::cerr << "batch: " << fake.dialogs.messages.back().text.substr(0, 200) << "\n";
}

int Shell(const std::string& command) { return std::system(command.c_str()); }

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4 && std::string(argv[1]) == "--window") return WindowChild(argc, argv);
  std::string json_path, rows = "list,split,rename,copy,export,window,peers";
  bool quick = false;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--json" && i + 1 < argc) json_path = argv[++i];
    if (arg == "--rows" && i + 1 < argc) rows = argv[++i];
    if (arg == "--quick") quick = true;
  }
  auto wants = [&](const char* row) { return rows.find(row) != std::string::npos; };
  if (!json_path.empty()) g_json.open(json_path);
  const std::string self = fs::canonical("/proc/self/exe").string();
  const fs::path root = fs::temp_directory_path() / ("qm-bench-" + std::to_string(getpid()));
  fs::create_directories(root);
  auto files = qm::MakePosixFileSystem();
  const int big = quick ? 100000 : 1000000;
  const int runs = quick ? 3 : 5;

  std::cout << "| row                                |   ours s  | baseline s | ratio | target |\n"
            << "|------------------------------------|-----------|-----------|-------|--------|" << std::endl;
  if (wants("list") || wants("window")) {
    MakeEmptyFiles(root / "list100k", 100000, "name");
    if (!quick) MakeEmptyFiles(root / "list1m", big, "name");
  }
  if (wants("list")) {
    for (const auto& [dir, label] : {std::pair{root / "list100k", "100k"}, std::pair{root / "list1m", "1M"}}) {
      if (!fs::exists(dir)) continue;
      std::string a, b;
      Compare(std::string("list ") + label + " names", 1.2, runs, [&] { a = OurListing(*files, dir); },
              [&] { b = BareListing(dir); });
      if (a != b) std::cerr << "listing differs from the baseline\n";
    }
  }
  if (wants("split")) {
    std::string text;
    for (int i = 0; text.size() < (20u << 20); ++i) text += "photo_" + std::to_string(i) + "_照片.jpg\r\n";
    size_t ours_count = 0, bare_count = 0;
    Compare("split 20 MiB of names", 2.0, runs * 2, [&] { ours_count = qm::SplitNameList(text).size(); },
            [&] {
              std::vector<std::string_view> views;
              const char* p = text.data();
              const char* end = p + text.size();
              const char* start = p;
              while (p < end) {
                const char* cr = static_cast<const char*>(std::memchr(p, '\r', size_t(end - p)));
                if (cr == nullptr || cr + 1 >= end) break;
                if (cr[1] == '\n') {
                  views.emplace_back(start, size_t(cr - start));
                  start = p = cr + 2;
                } else {
                  p = cr + 1;
                }
              }
              if (start < end) views.emplace_back(start, size_t(end - start));
              bare_count = views.size();
            });
    if (ours_count != bare_count) std::cerr << "split counts differ\n";
  }
  if (wants("rename")) {
    const fs::path dir = root / "rename";
    MakeEmptyFiles(dir, 100000, "a");
    std::string forward_old, forward_new;
    RenamePairs(dir, 100000, &forward_old, &forward_new, "a", "b");
    // Ours renames a -> b, the baseline b -> a: the same pairs, each run undoing the other.
    Compare("rename 100k pairs", 1.1, runs, [&] { OurBatch(*files, dir, "", forward_old, forward_new); },
            [&] { BareRenames(dir, forward_new, forward_old); });
  }
  if (wants("copy")) {
    const fs::path source = root / "copy-src", target = root / "copy-dst";
    fs::create_directories(source);
    fs::create_directories(target);
    const std::string block(4096, 'x');
    std::string old_text, new_text;
    for (int i = 0; i < 10000; ++i) {
      const std::string name = "c" + std::to_string(i);
      std::ofstream(source / name, std::ios::binary) << block;
      old_text += name + "\r\n";
      new_text += name + ".copy\r\n";
    }
    auto clear = [&] { fs::remove_all(target); fs::create_directories(target); };
    Compare("copy 10k files of 4 KiB", 1.3, runs,
            [&] { OurBatch(*files, source, target.string(), old_text, new_text); },
            [&] {
              const auto olds = qm::SplitNameList(old_text);
              const auto news = qm::SplitNameList(new_text);
              for (size_t i = 0; i < olds.size(); ++i) {
                const int in = open((source / std::string(olds[i])).c_str(), O_RDONLY | O_CLOEXEC);
                const int out = open((target / std::string(news[i])).c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
                while (copy_file_range(in, nullptr, out, nullptr, 1 << 30, 0) > 0) {
                }
                close(in);
                close(out);
              }
            },
            clear);
  }
  if (wants("export")) {
    const fs::path dir = root / "export";
    fs::create_directories(dir);
    std::string text;
    for (int i = 0; text.size() < (20u << 20); ++i) text += "photo_" + std::to_string(i) + ".jpg\r\n";
    qm::testing::FakeEnv fake(*files);
    fake.controls[qm::Box::编辑框3] = text;
    Compare("export 20 MiB", 1.2, runs * 2,
            [&] {
              fake.dialogs.folder_answers = {dir.string()};
              qm::ExportNames(fake.env);
            },
            [&] {
              const int out = open((dir / "bare.xls").c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
              if (write(out, text.data(), text.size()) != ssize_t(text.size())) std::cerr << "short write\n";
              close(out);
            });
  }
  if (wants("window")) {
    WindowRow(self, root / "list100k", 100000, 3, 1.3);
    if (!quick) WindowRow(self, root / "list1m", big, 1, 1.3);
  }
  if (wants("peers")) {
    const fs::path dir = root / "peers";
    MakeEmptyFiles(dir, 100000, "a");
    std::string forward_old, forward_new;
    RenamePairs(dir, 100000, &forward_old, &forward_new, "a", "b");
    auto back = [&] { BareRenames(dir, forward_new, forward_old); };
    const std::string in_dir = "cd '" + dir.string() + "' && ";
    if (Shell("command -v rename >/dev/null && rename --version 2>/dev/null | grep -qi perl") == 0 ||
        Shell("command -v file-rename >/dev/null") == 0) {
      const std::string perl = Shell("command -v file-rename >/dev/null") == 0 ? "file-rename" : "rename";
      Compare("peers: perl rename, 100k renames", 1.0, 3, [&] { OurBatch(*files, dir, "", forward_old, forward_new); },
              [&] { Shell(in_dir + "ls | " + perl + " 's/^a/b/'"); }, back);
    } else {
      std::cout << "| peers: perl rename                 | (package 'rename' not installed) |" << std::endl;
    }
    if (Shell("command -v mmv >/dev/null") == 0) {
      Compare("peers: mmv, 100k renames", 1.0, 3, [&] { OurBatch(*files, dir, "", forward_old, forward_new); },
              [&] { Shell(in_dir + "mmv 'a*' 'b#1'"); }, back);
    } else {
      std::cout << "| peers: mmv                         | (package 'mmv' not installed) |" << std::endl;
    }
  }
  fs::remove_all(root);
  int missed = 0;
  for (const Row& row : g_rows) missed += row.ours / row.baseline > row.target;
  std::cout << missed << " of " << g_rows.size() << " rows above their target" << std::endl;
  return 0;
}
