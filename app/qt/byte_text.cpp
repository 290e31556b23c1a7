#include "app/qt/byte_text.h"

namespace qm {
namespace {

constexpr char16_t kEscapeBase = 0xDC00;

// The length of the valid UTF-8 sequence at `at`, or 0 when the byte there does not start one.
size_t ValidSequence(std::string_view bytes, size_t at) {
  const auto byte = [&](size_t i) { return static_cast<unsigned char>(bytes[i]); };
  const unsigned char lead = byte(at);
  size_t length;
  char32_t min;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2, min = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3, min = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4, min = 0x10000;
  } else {
    return 0;
  }
  if (at + length > bytes.size()) return 0;
  char32_t code = lead & (0x3F >> (length - 1));
  for (size_t i = 1; i < length; ++i) {
    if ((byte(at + i) & 0xC0) != 0x80) return 0;
    code = (code << 6) | (byte(at + i) & 0x3F);
  }
  if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
  return length;
}

void AppendCode(QString& text, char32_t code) {
  if (code >= 0x10000) {
    text.append(QChar(char16_t(0xD800 + ((code - 0x10000) >> 10))));
    text.append(QChar(char16_t(0xDC00 + ((code - 0x10000) & 0x3FF))));
  } else {
    text.append(QChar(char16_t(code)));
  }
}

void AppendUtf8(std::string& bytes, char32_t code) {
  if (code < 0x80) {
    bytes += char(code);
  } else if (code < 0x800) {
    bytes += char(0xC0 | (code >> 6));
    bytes += char(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    bytes += char(0xE0 | (code >> 12));
    bytes += char(0x80 | ((code >> 6) & 0x3F));
    bytes += char(0x80 | (code & 0x3F));
  } else {
    bytes += char(0xF0 | (code >> 18));
    bytes += char(0x80 | ((code >> 12) & 0x3F));
    bytes += char(0x80 | ((code >> 6) & 0x3F));
    bytes += char(0x80 | (code & 0x3F));
  }
}

}  // namespace

QString BytesToText(std::string_view bytes, bool multi_line) {
  QString text;
  text.reserve(qsizetype(bytes.size()));
  for (size_t i = 0; i < bytes.size();) {
    const auto byte = static_cast<unsigned char>(bytes[i]);
    if (byte == '\r' || byte == '\n') {
      if (multi_line && byte == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') {
        text.append(QChar(u'\n'));
        i += 2;
      } else {
        text.append(QChar(char16_t(kEscapeBase + byte)));
        ++i;
      }
    } else if (byte < 0x80) {
      text.append(QChar(char16_t(byte)));
      ++i;
    } else if (const size_t length = ValidSequence(bytes, i)) {
      char32_t code = byte & (0x3F >> (length - 1));
      for (size_t k = 1; k < length; ++k) code = (code << 6) | (static_cast<unsigned char>(bytes[i + k]) & 0x3F);
      AppendCode(text, code);
      i += length;
    } else {
      text.append(QChar(char16_t(kEscapeBase + byte)));
      ++i;
    }
  }
  return text;
}

std::string TextToBytes(const QString& text, bool multi_line) {
  std::string bytes;
  bytes.reserve(size_t(text.size()) + size_t(text.size()) / 2);
  const qsizetype size = text.size();
  for (qsizetype i = 0; i < size; ++i) {
    const char16_t unit = text[i].unicode();
    if (unit < 0x80 && unit != u'\n') {
      bytes += char(unit);
    } else if (unit == u'\n' || unit == 0x2029) {
      if (multi_line) {
        bytes += "\r\n";
      } else {
        bytes += '\n';
      }
    } else if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < size && text[i + 1].unicode() >= 0xDC00 &&
               text[i + 1].unicode() <= 0xDFFF) {
      AppendUtf8(bytes, 0x10000 + ((char32_t(unit) - 0xD800) << 10) + (text[i + 1].unicode() - 0xDC00));
      ++i;
    } else if (unit >= kEscapeBase && unit <= kEscapeBase + 0xFF) {
      bytes += char(unit - kEscapeBase);  // a byte kept as it was
    } else if (unit >= 0xD800 && unit <= 0xDFFF) {
      AppendUtf8(bytes, 0xFFFD);  // a lone surrogate that no byte became
    } else {
      AppendUtf8(bytes, unit);
    }
  }
  return bytes;
}

}  // namespace qm
