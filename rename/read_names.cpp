#include "rename/read_names.h"

#include "rename/name_list.h"

namespace qm {

std::string NextFileName(FileSystem& files, std::string_view pattern, FileSearch& search) {
  FindEntry entry;
  if (!pattern.empty()) {
    search.handle = files.FindFirst(std::string(pattern), &entry);
    if (!search.handle) return {};
  } else {
    if (!search.handle) return {};
    if (!search.handle->Next(&entry)) {
      search.handle.reset();
      return {};
    }
  }
  while (entry.is_directory) {
    if (!search.handle->Next(&entry)) {
      search.handle.reset();
      return {};
    }
  }
  return std::move(entry.name);
}

void CloseFileSearch(FileSearch& search) { search.handle.reset(); }

void AppendEditText(Controls& controls, Box box, std::string_view text) { controls.Append(box, text); }

void ReadNames(Env& env) {
  const std::string suffix = env.controls.Text(Box::编辑框1);
  std::string tail(1, env.rules.separator);
  tail += suffix.empty() ? std::string("*.*") : "*." + suffix;

  env.controls.SetText(Box::编辑框3, "");
  const std::string pattern = env.controls.Text(Box::编辑框2) + tail;

  // The whole listing goes into the box in one step: one insertion per name costs time that grows with the
  // square of the listing in an edit box. The text the box ends with is the same.
  std::string listing;
  FileSearch search;
  for (std::string name = NextFileName(env.files, pattern, search); !name.empty();
       name = NextFileName(env.files, {}, search)) {
    listing += name;
    listing += kNameSeparator;
  }
  CloseFileSearch(search);
  if (!listing.empty()) AppendEditText(env.controls, Box::编辑框3, listing);
}

}  // namespace qm
