#pragma once
// Exporting the list of names to a file that a spreadsheet opens.
#include <string>

#include "rename/env.h"

namespace qm {

/// The local date and time as a file name part: "2017年3月9日8时5分7秒". The time part drops its trailing
/// zero fields (8:05:00 gives "8时5分", 8:00:00 "8时", midnight nothing); a zero before a non-zero field stays.
std::string FormatDateTimeText(int year, int month, int day, int hour, int minute, int second);

/// The action of 按钮5: asks for a folder, writes the bytes of 编辑框3 into "重命名<date-time>.xls" there,
/// and tells the user the file's name, or the path and the system's reason when it could not be written.
void ExportNames(Env& env);

}  // namespace qm
