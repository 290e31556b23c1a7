// The batch's promise, drawn at random on a real directory: renaming never loses or replaces a file, copying
// leaves every source as it was and gives each target the content of the last pair that named it, and the end
// message names exactly the pairs that did not happen. A model of the directory tree predicts each batch.
// Set QM_SEED to replay a failure; QM_ITERATIONS to run more batches.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <random>
#include <set>

#include "platform/file_system.h"
#include "rename/run_batch.h"
#include "rename/texts.h"
#include "support/fake_window.h"
#include "support/temp_dir.h"

namespace qm {
namespace {

namespace fs = std::filesystem;

// Paths relative to the test's root, with "/" between parts.
struct Tree {
  std::map<std::string, std::string> files;  // path -> content
  std::set<std::string> directories;
  bool operator==(const Tree&) const = default;
};

void PrintTo(const Tree& tree, std::ostream* out) {
  for (const auto& [path, content] : tree.files) *out << "\n  " << path << " = " << content;
  for (const std::string& directory : tree.directories) *out << "\n  " << directory << "/";
}

Tree Snapshot(const fs::path& root) {
  Tree tree;
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    const std::string relative = fs::relative(entry.path(), root).generic_string();
    if (entry.is_directory()) {
      tree.directories.insert(relative);
    } else {
      std::ifstream in(entry.path(), std::ios::binary);
      tree.files[relative] = {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
  }
  return tree;
}

// Resolves "dir/name" as the system would: "." and empty parts stay out, ".." goes up. A path whose last part
// is empty names the directory itself.
std::string Resolve(const std::string& directory, const std::string& name, char separator) {
  std::vector<std::string> parts;
  std::string joined = directory + "/" + name;
  for (char& c : joined)
    if (c == separator) c = '/';
  size_t start = 0;
  for (;;) {
    const size_t slash = joined.find('/', start);
    const std::string part = joined.substr(start, slash == std::string::npos ? std::string::npos : slash - start);
    if (part == "..") {
      if (!parts.empty()) parts.pop_back();
    } else if (!part.empty() && part != ".") {
      parts.push_back(part);
    }
    if (slash == std::string::npos) break;
    start = slash + 1;
  }
  std::string path;
  for (const std::string& part : parts) path += (path.empty() ? "" : "/") + part;
  return path;
}

std::string Parent(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? "" : path.substr(0, slash);
}

// What one pair does to the model; false when the pair fails. A sub-directory named by the user is renamed
// like a file (never into itself) and never copied.
bool ModelPair(Tree& tree, const std::string& from, const std::string& to, bool copying, bool same_text) {
  const bool directory = tree.directories.count(from) > 0;
  if (!tree.files.count(from) && !directory) return false;
  if (copying && directory) return false;
  if (!copying && same_text) return true;  // renaming to the name it has
  const std::string parent = Parent(to);
  if (!parent.empty() && !tree.directories.count(parent)) return false;
  if (tree.directories.count(to) || to.empty()) return false;
  if (copying) {
    if (from != to) tree.files[to] = tree.files[from];
    return true;
  }
  if (tree.files.count(to)) return false;  // never replaces
  if (directory) {
    if (to.rfind(from + "/", 0) == 0) return false;  // into itself
    Tree moved;
    for (const auto& [path, content] : tree.files)
      moved.files[path.rfind(from + "/", 0) == 0 ? to + path.substr(from.size()) : path] = content;
    for (const std::string& path : tree.directories)
      moved.directories.insert(path == from ? to : path.rfind(from + "/", 0) == 0 ? to + path.substr(from.size()) : path);
    tree = moved;
    return true;
  }
  tree.files[to] = tree.files[from];
  tree.files.erase(from);
  return true;
}

struct Failures {
  size_t count = 0;
  std::vector<std::pair<std::string, std::string>> listed;
  bool operator==(const Failures&) const = default;
};

Failures ParseEndMessage(const std::string& text) {
  Failures failures;
  const std::string head = std::string(texts::kBatchDone) + "\n" + std::string(texts::kFailedCountBefore);
  if (text.rfind(head, 0) != 0) return failures;
  failures.count = std::stoul(text.substr(head.size()));
  size_t line = text.find('\n', head.size());
  while (line != std::string::npos) {
    const size_t next = text.find('\n', line + 1);
    const std::string row = text.substr(line + 1, next == std::string::npos ? std::string::npos : next - line - 1);
    line = next;
    const size_t arrow = row.find(texts::kPairArrow);
    if (arrow == std::string::npos) continue;  // the closing "……"
    const size_t colon = row.find(texts::kReasonColon, arrow);
    failures.listed.emplace_back(row.substr(0, arrow), row.substr(arrow + texts::kPairArrow.size(),
                                                                  colon - arrow - texts::kPairArrow.size()));
  }
  return failures;
}

TEST(NoLossProperty, RandomBatchesOnARealDirectory) {
  const char* seed_text = std::getenv("QM_SEED");
  const unsigned seed = seed_text ? unsigned(std::stoul(seed_text)) : std::random_device{}();
  const char* iterations_text = std::getenv("QM_ITERATIONS");
#ifdef _WIN32
  const int iterations = iterations_text ? std::atoi(iterations_text) : 100;  // Wine is slower
#else
  const int iterations = iterations_text ? std::atoi(iterations_text) : 300;
#endif
  std::mt19937 random(seed);
  auto pick = [&](int n) { return int(random() % unsigned(n)); };
  const char sep = NativePathRules().separator;
  auto files = MakeNativeFileSystem();

  for (int iteration = 0; iteration < iterations; ++iteration) {
    SCOPED_TRACE("replay with QM_SEED=" + std::to_string(seed) + ", batch " + std::to_string(iteration));
    testing::TempDir root;
    fs::create_directories(root.path() / "src" / "sub");
    fs::create_directories(root.path() / "tgt");
    const int count = 2 + pick(5);
    for (int i = 0; i < count; ++i) root.Write("src/f" + std::to_string(i), "content of f" + std::to_string(i));
    root.Write("src/out0", "not in the list");
    root.Write("tgt/n0", "already in the target");
    root.Write("up1", "above the source");

    const bool copying = pick(3) == 0;
    const int pairs = 1 + pick(8);
    std::string old_text, new_text;
    std::vector<std::pair<std::string, std::string>> drawn;
    for (int p = 0; p < pairs; ++p) {
      std::string old_name;
      switch (pick(8)) {
        case 0: old_name = ""; break;
        case 1: old_name = "nope"; break;
        case 2: old_name = "sub"; break;
        default: old_name = "f" + std::to_string(pick(count)); break;
      }
      std::string new_name;
      switch (pick(9)) {
        case 0: new_name = "f" + std::to_string(pick(count)); break;  // swaps, chains and cycles
        case 1: new_name = "out0"; break;
        case 2: new_name = std::string("sub") + sep + "n" + std::to_string(pick(2)); break;
        case 3: new_name = std::string("..") + sep + "up" + std::to_string(pick(2)); break;
        case 4: new_name = ""; break;
        case 5: new_name = old_name; break;
        default: new_name = "n" + std::to_string(pick(3)); break;  // duplicates among the new names
      }
      drawn.emplace_back(old_name, new_name);
      old_text += old_name + "\r\n";
      // A line break after the last name is optional, except after an empty one.
      new_text += new_name + (p + 1 < pairs || new_name.empty() || pick(2) ? "\r\n" : "");
    }

    // The model's prediction, pair by pair in list order.
    Tree expected = Snapshot(root.path());
    Failures predicted;
    for (const auto& [old_name, new_name] : drawn) {
      const std::string from = Resolve("src", old_name, sep);
      const std::string to = Resolve(copying ? "tgt" : "src", new_name, sep);
      const bool old_is_directory_path = old_name.empty();
      const bool done = !old_is_directory_path &&
                        ModelPair(expected, from, to, copying, !copying && old_name == new_name);
      if (!done) {
        ++predicted.count;
        if (predicted.listed.size() < kListedFailures) predicted.listed.emplace_back(old_name, new_name);
      }
    }

    testing::FakeEnv fake(*files);
    fake.controls[Box::编辑框2] = (root.path() / "src").string();
    fake.controls[Box::编辑框5] = copying ? (root.path() / "tgt").string() : "";
    fake.controls[Box::编辑框3] = old_text;
    fake.controls[Box::编辑框4] = new_text;
    const Tree before = Snapshot(root.path());
    RunBatch(fake.env);
    const Tree after = Snapshot(root.path());

    ASSERT_EQ(after, expected) << (copying ? "copy" : "rename") << " batch:\n" << old_text << "--\n" << new_text;
    ASSERT_EQ(fake.dialogs.messages.size(), 1u);
    ASSERT_EQ(ParseEndMessage(fake.dialogs.messages[0].text), predicted) << fake.dialogs.messages[0].text;
    // Stated once more without the model: no content is ever lost, and copying leaves the sources alone.
    std::multiset<std::string> contents_before, contents_after;
    for (const auto& [path, content] : before.files) contents_before.insert(content);
    for (const auto& [path, content] : after.files) contents_after.insert(content);
    if (copying) {
      for (const auto& [path, content] : before.files)
        if (path.rfind("src/", 0) == 0) {
          ASSERT_EQ(after.files.at(path), content);
        }
    } else {
      ASSERT_EQ(contents_after, contents_before);
    }
  }
}

}  // namespace
}  // namespace qm
