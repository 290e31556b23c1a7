#include "rename/export_names.h"

#include "rename/texts.h"

namespace qm {

std::string FormatDateTimeText(int year, int month, int day, int hour, int minute, int second) {
  std::string text;
  auto field = [&text](int value, std::string_view unit) {
    text += std::to_string(value);
    text += unit;
  };
  field(year, texts::kYear);
  field(month, texts::kMonth);
  field(day, texts::kDay);
  if (second != 0) {
    field(hour, texts::kHour);
    field(minute, texts::kMinute);
    field(second, texts::kSecond);
  } else if (minute != 0) {
    field(hour, texts::kHour);
    field(minute, texts::kMinute);
  } else if (hour != 0) {
    field(hour, texts::kHour);
  }
  return text;
}

void ExportNames(Env& env) {
  const std::string folder = env.dialogs.ChooseFolder(texts::kExportPrompt, true);
  const LocalDateTime now = env.clock.Now();  // after the dialog: the name records when it closed
  const std::string stamp =
      FormatDateTimeText(now.year, now.month, now.day, now.hour, now.minute, now.second);

  std::string path = folder;
  path += env.rules.separator;
  path += texts::kExportBaseName;
  path += stamp;
  path += texts::kExportExtension;

  const std::string content = env.controls.Text(Box::编辑框3);
  std::string reason;
  if (env.files.WriteFile(path, content, &reason)) {
    std::string message(texts::kExportDone);
    message += stamp;
    message += texts::kExportExtension;
    env.dialogs.ShowMessage(message, texts::kNoticeCaption);
  } else {
    std::string message(texts::kExportFailed);
    message += path;
    message += '\n';
    message += reason;
    env.dialogs.ShowMessage(message, texts::kNoticeCaption);
  }
}

}  // namespace qm
