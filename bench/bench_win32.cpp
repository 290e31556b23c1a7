// The Windows window's row of the benchmark, run under Wine by scripts/bench.sh: ReadNames end to end into
// 编辑框3 of the real window, against one SetWindowTextA of the same text into the same box.
//   qm_bench_win32.exe DIRECTORY [RUNS]   prints one JSON line
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "app/win32/dialogs.h"
#include "app/win32/main_window.h"
#include "rename/read_names.h"
#include "support/fake_window.h"

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  const std::string directory = argv[1];
  const int runs = argc > 2 ? std::atoi(argv[2]) : 3;
  qm::testing::FakeDialogs dialogs;
  qm::testing::FakeClock clock;
  const auto files = qm::MakeNativeFileSystem();
  qm::win32::MainWindow window(dialogs, *files, clock);
  if (!window.Create(directory)) return 1;
  const HWND box = window.control("编辑框3");
  // QueryPerformanceCounter: C++20's <chrono> holds a literal that the GBK build cannot encode.
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  auto seconds = [&](auto&& work) {
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    work();
    QueryPerformanceCounter(&end);
    return double(end.QuadPart - start.QuadPart) / double(frequency.QuadPart);
  };
  std::vector<double> ours, baseline;
  std::string listing;
  for (int i = 0; i < runs; ++i) {
    SetWindowTextA(box, "");
    ours.push_back(seconds([&] { qm::ReadNames(window.env()); }));
    listing = window.controls().Text(qm::Box::编辑框3);
    SetWindowTextA(box, "");
    baseline.push_back(seconds([&] { SetWindowTextA(box, listing.c_str()); }));
  }
  std::sort(ours.begin(), ours.end());
  std::sort(baseline.begin(), baseline.end());
  const double a = ours[ours.size() / 2], b = baseline[baseline.size() / 2];
  std::printf("{\"row\":\"Windows window under Wine, %zu names\",\"ours_s\":%g,\"baseline_s\":%g,\"ratio\":%g,\"target\":1.3}\n",
              size_t(std::count(listing.begin(), listing.end(), '\n')), a, b, a / b);
  return 0;
}
