#pragma once
// The Linux file system, with the choices that tests and benchmarks need to reach every path of it.
#include <memory>

#include "platform/file_system.h"

namespace qm {

struct PosixFileSystemOptions {
  /// Rename with renameat2(RENAME_NOREPLACE). When false, or where the file system refuses that flag, rename
  /// with link() then unlink(), which never replaces either.
  bool use_renameat2 = true;
};

std::unique_ptr<FileSystem> MakePosixFileSystem(PosixFileSystemOptions options = {});

}  // namespace qm
