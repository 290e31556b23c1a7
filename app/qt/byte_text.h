#pragma once
// The Qt boxes hold QString; the actions hold bytes (UTF-8 on Linux, where a file name may be any bytes but "/"
// and NUL). These two conversions are exact inverses for every byte string, so that a name read into a box comes
// back as the same bytes and a batch never acts on a file whose name merely looks the same:
//  - valid UTF-8 becomes the characters it encodes;
//  - a byte that is not part of valid UTF-8 becomes the lone surrogate U+DC00 + byte, shown as a replacement
//    glyph (no valid UTF-8 decodes to a lone surrogate, so nothing else maps there);
//  - in a multi-line box, CR LF is the line break; a CR or LF on its own is kept as a byte the same way, so a
//    file name holding one does not split into two lines. In a single-line box every CR and LF is kept so.
#include <QString>
#include <string>
#include <string_view>

namespace qm {

QString BytesToText(std::string_view bytes, bool multi_line);

/// The program's own texts (valid UTF-8, line breaks as they stand) for a label, a caption or a message.
inline QString FromUtf8(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

/// The inverse of BytesToText. In a multi-line box's text a line break is '\n' or U+2029 (the paragraph
/// separator of a text document); both become CR LF.
std::string TextToBytes(const QString& text, bool multi_line);

}  // namespace qm
