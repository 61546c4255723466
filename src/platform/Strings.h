#pragma once

#include "platform/Array.h"

#include <cstdint>
#include <string>

class QString;

namespace platform {

// Texts are byte strings, normally UTF-8. Catalogue texts are kept byte for byte as read;
// only ConvertEncoding (for display) and DecodeURLComponent interpret them.
using String = std::string;

enum class TextEncoding { UTF8 };
namespace Encodings {
inline constexpr TextEncoding UTF8 = TextEncoding::UTF8;
}

// Field n (counted from 1) of `text` cut at every `separator`; "" when the text has fewer
// fields, when n < 1 or when the separator is empty (then field 1 is the whole text).
String NthField(const String& text, const String& separator, int n);

// The pieces between separators, element 0 first. n separators give n + 1 elements, so the
// empty text gives one empty element. An empty separator gives the whole text as one element.
Array<String> Split(const String& text, const String& separator);

// Left, Right and Len count characters: UTF-8 sequences, each byte that does not start or
// continue a valid sequence counting as one character of its own. n <= 0 gives "".
String Left(const String& text, int n);
String Right(const String& text, int n);
int Len(const String& text);

// A one-byte text holding the byte `code` (0 to 255).
String ChrB(int code);

// The decimal number at the start of the text: blanks and tabs first are skipped, then an
// optional sign, digits, an optional fraction and exponent. 0 when there is no number there;
// never infinite or NaN.
double Val(const String& text);

// Whole-number conversion of a Double for Int32 settings: truncates toward zero, NaN gives 0,
// values beyond the Int32 range are clamped to it.
std::int32_t CInt32(double value);

// Decimal text of a whole number, as "-12".
String Str(std::int64_t value);

// The text as valid UTF-8 for display: valid UTF-8 passes unchanged, every byte that is not
// part of a valid sequence becomes U+FFFD.
String ConvertEncoding(const String& text, TextEncoding encoding);

// Percent-decoding: every "%" followed by two hexadecimal digits becomes the byte it encodes.
// A "%" not followed by two hexadecimal digits stays as it is, "+" stays "+", and the decoded
// bytes are kept exactly (bytes that are not UTF-8 survive until ConvertEncoding).
String DecodeURLComponent(const String& text, TextEncoding encoding);

// For the platform's own code: texts to and from the toolkit's.
QString toQString(const String& text);
String fromQString(const QString& text);
// Buttons and menus read "&" as a mnemonic marker: these keep every "&" literal.
QString literalCaption(const String& text);
String fromLiteralCaption(const QString& caption);

} // namespace platform
