#pragma once
// The program's own texts, in one place.
//
// This file is UTF-8. The Linux build compiles it as it is; the Windows build compiles every source with
// -fexec-charset=GBK, so each literal below holds the GBK bytes (code page 936) that the Windows program shows
// and writes. Nothing converts them at run time.
#include <string_view>

namespace qm::texts {

// Window and controls.
inline constexpr std::string_view kWindowTitle = "Quindrel Morvask";
inline constexpr std::string_view k按钮5 = "点击导出文件名到excel处理";
inline constexpr std::string_view k按钮4 = "开始重命名（点击前三思）";
inline constexpr std::string_view kBrowse = "浏览";  // 按钮2 and 按钮3
inline constexpr std::string_view k按钮1 = "读取名称";
inline constexpr std::string_view k标签6 = "选择目录";
inline constexpr std::string_view k标签5 = "选择存储重命名文件的目录，如果留空不选择，直接在当前文件夹重命名（不可逆）";
inline constexpr std::string_view k标签4 = "文件后缀|留空为全部\r\n如:txt或者jpg或者png";
inline constexpr std::string_view k标签1 = "excel处理后的文件名（粘贴）";
inline constexpr std::string_view k标签3 = "读取的文件名";
inline constexpr std::string_view k标签2 = "目录路径";

// What a screen reader announces for each edit box: the text of the label that names it.
inline constexpr std::string_view kSourceBoxName = "目录路径";
inline constexpr std::string_view kSuffixBoxName = "文件后缀";
inline constexpr std::string_view kOldNamesBoxName = "读取的文件名";
inline constexpr std::string_view kNewNamesBoxName = "excel处理后的文件名（粘贴）";
inline constexpr std::string_view kTargetBoxName = "选择目录";

// Folder dialog prompts.
inline constexpr std::string_view kSourceTargetPrompt = "文件";
inline constexpr std::string_view kExportPrompt = "请选择保存的文件目录";

// Message box captions.
inline constexpr std::string_view kDefaultCaption = "信息：";
inline constexpr std::string_view kNoticeCaption = "提示";

// The batch.
inline constexpr std::string_view kCountMismatch = "前后文件名称数不对称";
inline constexpr std::string_view kBatchDone = "处理结束";
inline constexpr std::string_view kFailedCountBefore = "其中 ";   // 其中 k 个文件未能处理：
inline constexpr std::string_view kFailedCountAfter = " 个文件未能处理：";
inline constexpr std::string_view kPairArrow = " → ";
inline constexpr std::string_view kReasonColon = "：";
inline constexpr std::string_view kMoreFailures = "……";
inline constexpr std::string_view kNameCut = "…";  // ends a name too long to show whole
inline constexpr std::string_view kNulInName = "名称中含有空字符（NUL），未处理";
inline constexpr std::string_view kEmptyOldName = "原文件名为空，未处理";

// The export.
inline constexpr std::string_view kExportBaseName = "重命名";
inline constexpr std::string_view kExportExtension = ".xls";
inline constexpr std::string_view kExportDone = "导出完成，文件名为：重命名";
inline constexpr std::string_view kExportFailed = "导出失败：";
inline constexpr std::string_view kYear = "年";
inline constexpr std::string_view kMonth = "月";
inline constexpr std::string_view kDay = "日";
inline constexpr std::string_view kHour = "时";
inline constexpr std::string_view kMinute = "分";
inline constexpr std::string_view kSecond = "秒";

}  // namespace qm::texts
