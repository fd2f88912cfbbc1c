// The 8-bit text of language files and SysInfo.Ini.
#include <QStringDecoder>
#include <QStringEncoder>

#include "i18n/qt/Localise.h"

namespace kx7q {
namespace {

// Strict UTF-8 holding at least one three- or four-byte sequence (as every
// Chinese character in UTF-8 does). Plain ASCII fails, and so does GBK text:
// a GBK character can pass for a two-byte UTF-8 sequence ("省" is CA A1), but
// GBK text almost never forms the three-byte pattern.
bool IsMultiByteUtf8(std::string_view s) {
  bool multiByte = false;
  for (std::size_t i = 0; i < s.size();) {
    const auto c = static_cast<unsigned char>(s[i]);
    int length = 0;
    if (c < 0x80) length = 1;
    else if (c >= 0xC2 && c <= 0xDF) length = 2;
    else if (c >= 0xE0 && c <= 0xEF) length = 3;
    else if (c >= 0xF0 && c <= 0xF4) length = 4;
    else return false;
    if (i + length > s.size()) return false;
    for (int k = 1; k < length; ++k)
      if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
    if (length > 2) multiByte = true;
    i += length;
  }
  return multiByte;
}

}  // namespace

QString DecodeText(std::string_view bytes) {
  const auto size = static_cast<qsizetype>(bytes.size());
  if (IsMultiByteUtf8(bytes)) return QString::fromUtf8(bytes.data(), size);
  QStringDecoder gbk("GBK");
  if (!gbk.isValid()) return QString::fromLatin1(bytes.data(), size);
  return gbk(QByteArrayView(bytes.data(), size));
}

std::string EncodeText(const QString& text) {
  QStringEncoder gbk("GBK");
  if (!gbk.isValid()) return text.toStdString();
  const QByteArray bytes = gbk(text);
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

}  // namespace kx7q
