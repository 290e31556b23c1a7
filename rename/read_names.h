#pragma once
// Reading the names of the source directory's files into 编辑框3.
#include <memory>
#include <string>
#include <string_view>

#include "rename/env.h"

namespace qm {

/// One enumeration of a directory: an open search, or none.
struct FileSearch {
  std::unique_ptr<DirectorySearch> handle;
};

/// The next file name of a search. A non-empty `pattern` starts a new search; the empty text continues the one
/// that `search` holds. Directories are skipped. The empty result means there is no further name; by then the
/// search is closed.
std::string NextFileName(FileSystem& files, std::string_view pattern, FileSearch& search);

/// Closes the search's handle if one is open.
void CloseFileSearch(FileSearch& search);

/// Adds `text` at the end of `box`, with the caret after it and the box scrolled to it.
void AppendEditText(Controls& controls, Box box, std::string_view text);

/// The action of 按钮1: lists the files of the directory in 编辑框2 whose names end in "." and the suffix in
/// 编辑框1 (every file when it is empty) into 编辑框3, each name followed by CR LF.
void ReadNames(Env& env);

}  // namespace qm
