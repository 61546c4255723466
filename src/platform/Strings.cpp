#include "platform/Strings.h"

#include <QByteArray>
#include <QString>
#include <QStringDecoder>

#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <locale.h>
#include <vector>

namespace platform {

namespace {

// Length of the well-formed UTF-8 sequence starting at `pos`, or 0 when the byte there does
// not start one (overlong forms, surrogates and code points beyond U+10FFFF are not
// well-formed). This matches the bytes QString::fromUtf8 turns into U+FFFD one by one.
std::size_t utf8SequenceLength(const String& text, std::size_t pos)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(pos);
    if (lead < 0x80)
        return 1;

    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF; // allowed range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0)
            low = 0xA0;
        else if (lead == 0xED)
            high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0)
            low = 0x90;
        else if (lead == 0xF4)
            high = 0x8F;
    } else {
        return 0;
    }

    if (text.size() - pos < length)
        return 0;
    if (byte(pos + 1) < low || byte(pos + 1) > high)
        return 0;
    for (std::size_t i = 2; i < length; ++i) {
        if (byte(pos + i) < 0x80 || byte(pos + i) > 0xBF)
            return 0;
    }
    return length;
}

std::size_t characterLength(const String& text, std::size_t pos)
{
    const std::size_t length = utf8SequenceLength(text, pos);
    return length == 0 ? 1 : length;
}

bool isHexDigit(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Locale-independent strtod: the GUI sets the user's locale, whose decimal point may be ",".
double parseCDouble(const std::string& number)
{
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t(0));
    return strtod_l(number.c_str(), nullptr, cLocale);
}

} // namespace

String NthField(const String& text, const String& separator, int n)
{
    if (n < 1)
        return {};
    if (separator.empty())
        return n == 1 ? text : String{};

    std::size_t start = 0;
    for (int field = 1; field < n; ++field) {
        const std::size_t found = text.find(separator, start);
        if (found == String::npos)
            return {};
        start = found + separator.size();
    }
    const std::size_t end = text.find(separator, start);
    return text.substr(start, end == String::npos ? String::npos : end - start);
}

Array<String> Split(const String& text, const String& separator)
{
    std::vector<String> pieces;
    if (separator.empty()) {
        pieces.push_back(text);
        return Array<String>(std::move(pieces));
    }

    std::size_t start = 0;
    for (;;) {
        const std::size_t found = text.find(separator, start);
        if (found == String::npos)
            break;
        pieces.push_back(text.substr(start, found - start));
        start = found + separator.size();
    }
    pieces.push_back(text.substr(start));
    return Array<String>(std::move(pieces));
}

String Left(const String& text, int n)
{
    if (n <= 0)
        return {};
    std::size_t pos = 0;
    for (int count = 0; count < n && pos < text.size(); ++count)
        pos += characterLength(text, pos);
    return text.substr(0, pos);
}

String Right(const String& text, int n)
{
    if (n <= 0)
        return {};
    // Counted from the front: a stray byte is a character of its own, so the text cannot be
    // read backwards.
    const int characters = Len(text);
    if (n >= characters)
        return text;
    std::size_t pos = 0;
    for (int skipped = 0; skipped < characters - n; ++skipped)
        pos += characterLength(text, pos);
    return text.substr(pos);
}

int Len(const String& text)
{
    int count = 0;
    for (std::size_t pos = 0; pos < text.size(); pos += characterLength(text, pos))
        ++count;
    return count;
}

String ChrB(int code) { return String(1, static_cast<char>(code)); }

double Val(const String& text)
{
    std::size_t pos = 0;
    while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t'))
        ++pos;

    const std::size_t start = pos;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
        ++pos;
    std::size_t digits = 0;
    for (; pos < text.size() && isDigit(text[pos]); ++pos)
        ++digits;
    if (pos < text.size() && text[pos] == '.') {
        ++pos;
        for (; pos < text.size() && isDigit(text[pos]); ++pos)
            ++digits;
    }
    if (digits == 0)
        return 0.0;

    // The exponent counts only when at least one digit follows it: "2e" is 2.
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        std::size_t exponentEnd = pos + 1;
        if (exponentEnd < text.size() && (text[exponentEnd] == '+' || text[exponentEnd] == '-'))
            ++exponentEnd;
        if (exponentEnd < text.size() && isDigit(text[exponentEnd])) {
            while (exponentEnd < text.size() && isDigit(text[exponentEnd]))
                ++exponentEnd;
            pos = exponentEnd;
        }
    }

    const double value = parseCDouble(text.substr(start, pos - start));
    if (std::isinf(value))
        return value > 0 ? DBL_MAX : -DBL_MAX;
    return std::isnan(value) ? 0.0 : value;
}

std::int32_t CInt32(double value)
{
    if (std::isnan(value))
        return 0;
    constexpr auto lowest = std::numeric_limits<std::int32_t>::min();
    constexpr auto highest = std::numeric_limits<std::int32_t>::max();
    if (value <= double(lowest))
        return lowest;
    if (value >= double(highest))
        return highest;
    return static_cast<std::int32_t>(value);
}

String Str(std::int64_t value) { return std::to_string(value); }

String ConvertEncoding(const String& text, TextEncoding /*encoding: UTF-8 is the only one*/)
{
    // fromUtf8 would drop a byte order mark at the start; this decoder keeps it as text, and
    // being stateless it turns a sequence cut off at the end into U+FFFD instead of holding it.
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom
                                                       | QStringConverter::Flag::Stateless);
    const QString decoded = decoder(QByteArrayView(text.data(), qsizetype(text.size())));
    const QByteArray utf8 = decoded.toUtf8();
    return String(utf8.constData(), std::size_t(utf8.size()));
}

String DecodeURLComponent(const String& text, TextEncoding /*encoding: the bytes stay as decoded*/)
{
    // QByteArray::fromPercentEncoding decodes "%" followed by any two bytes, turning "%zz" into
    // a made-up byte. Escaping every "%" that does not start a valid sequence keeps it literal.
    QByteArray escaped;
    escaped.reserve(qsizetype(text.size()));
    for (std::size_t pos = 0; pos < text.size(); ++pos) {
        const bool startsSequence = pos + 2 < text.size() && isHexDigit(text[pos + 1])
                                    && isHexDigit(text[pos + 2]);
        if (text[pos] == '%' && !startsSequence)
            escaped.append("%25");
        else
            escaped.append(text[pos]);
    }
    const QByteArray decoded = QByteArray::fromPercentEncoding(escaped);
    return String(decoded.constData(), std::size_t(decoded.size()));
}

QString toQString(const String& text) { return QString::fromStdString(text); }
String fromQString(const QString& text) { return text.toStdString(); }

QString literalCaption(const String& text)
{
    return toQString(text).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

String fromLiteralCaption(const QString& caption)
{
    return fromQString(QString(caption).replace(QStringLiteral("&&"), QStringLiteral("&")));
}

} // namespace platform
