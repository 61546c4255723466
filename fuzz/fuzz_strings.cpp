// The text functions the catalogues and the preferences file go through: percent-decoding,
// UTF-8 conversion, character counting and cutting, fields, numbers. Beyond the sanitizers,
// each checks the promises its header makes, for any bytes.
#include "FuzzInstallation.h"

#include "platform/Strings.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

using namespace platform;

namespace {

// Strict UTF-8: no overlong forms, no surrogates, nothing beyond U+10FFFF.
bool validUtf8(const String& text)
{
    std::size_t i = 0;
    const auto at = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    while (i < text.size()) {
        const unsigned char lead = at(i);
        std::size_t length = 0;
        unsigned char low = 0x80, high = 0xBF;
        if (lead < 0x80)
            length = 1;
        else if (lead >= 0xC2 && lead <= 0xDF)
            length = 2;
        else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            low = lead == 0xE0 ? 0xA0 : 0x80;
            high = lead == 0xED ? 0x9F : 0xBF;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            low = lead == 0xF0 ? 0x90 : 0x80;
            high = lead == 0xF4 ? 0x8F : 0xBF;
        } else
            return false;
        if (text.size() - i < length)
            return false;
        if (length > 1 && (at(i + 1) < low || at(i + 1) > high))
            return false;
        for (std::size_t k = 2; k < length; ++k)
            if (at(i + k) < 0x80 || at(i + k) > 0xBF)
                return false;
        i += length;
    }
    return true;
}

String percentEncodeEveryByte(const String& bytes, bool upperCase)
{
    static const char* const digits[] = {"0123456789abcdef", "0123456789ABCDEF"};
    String encoded;
    for (unsigned char byte : bytes) {
        encoded += '%';
        encoded += digits[upperCase][byte >> 4];
        encoded += digits[upperCase][byte & 15];
    }
    return encoded;
}

void checkConversion(const String& text)
{
    const String shown = ConvertEncoding(text, Encodings::UTF8);
    if (!validUtf8(shown))
        fuzz::fail("ConvertEncoding gave text that is not UTF-8");
    if (validUtf8(text) && shown != text)
        fuzz::fail("ConvertEncoding changed valid UTF-8");
    if (ConvertEncoding(shown, Encodings::UTF8) != shown)
        fuzz::fail("ConvertEncoding is not stable");
    if (Len(shown) != Len(text))
        fuzz::fail("Len counts characters differently from what ConvertEncoding shows");
}

void checkDecoding(const String& text, bool upperCase)
{
    const String decoded = DecodeURLComponent(text, Encodings::UTF8);
    if (decoded.size() > text.size())
        fuzz::fail("DecodeURLComponent made the text longer");
    if (text.find('%') == String::npos && decoded != text)
        fuzz::fail("DecodeURLComponent changed a text without percent sequences");
    if (DecodeURLComponent(percentEncodeEveryByte(text, upperCase), Encodings::UTF8) != text)
        fuzz::fail("percent-encoded bytes did not decode to themselves");
}

void checkCharacters(const String& text, int n)
{
    const int length = Len(text);
    if (length < 0 || std::size_t(length) > text.size())
        fuzz::fail("Len out of range");
    const String left = Left(text, n);
    const String right = Right(text, n);
    const int expected = std::clamp(n, 0, length);
    if (Len(left) != expected || Len(right) != expected)
        fuzz::fail("Left or Right gave the wrong number of characters");
    if (text.compare(0, left.size(), left) != 0 || text.size() < right.size()
        || text.compare(text.size() - right.size(), right.size(), right) != 0)
        fuzz::fail("Left or Right is not a part of the text");
    if (n >= 0 && n <= length && Left(text, n) + Right(text, length - n) != text)
        fuzz::fail("Left and Right do not make up the text");
}

void checkFields(const String& text, const String& separator)
{
    const Array<String> pieces = Split(text, separator);
    if (pieces.Count() < 1)
        fuzz::fail("Split gave no element");
    String joined;
    for (int i = 0; i <= pieces.Ubound(); ++i) {
        joined += (i > 0 ? separator : String()) + pieces(i);
        if (!separator.empty() && pieces(i).find(separator) != String::npos)
            fuzz::fail("a piece of Split holds the separator");
    }
    if (joined != text)
        fuzz::fail("the pieces of Split do not make up the text");
    const int checked = std::min(pieces.Count(), 64);
    for (int i = 1; i <= checked; ++i)
        if (NthField(text, separator, i) != pieces(i - 1))
            fuzz::fail("NthField differs from Split");
    if (!separator.empty() && !NthField(text, separator, pieces.Count() + 1).empty())
        fuzz::fail("NthField found a field beyond the last");
    if (!NthField(text, separator, 0).empty() || !NthField(text, separator, -1).empty())
        fuzz::fail("NthField gave a field before the first");
}

void checkNumbers(const String& text)
{
    const double value = Val(text);
    if (!std::isfinite(value))
        fuzz::fail("Val gave a value that is not finite");
    const std::int32_t whole = CInt32(value);
    if (Val(Str(whole)) != double(whole))
        fuzz::fail("the decimal text of a whole number did not read back");
    if (std::fabs(value) < 2e9 && std::fabs(double(whole) - value) >= 1.0)
        fuzz::fail("CInt32 moved a value by a whole unit or more");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::install();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const int n = input.ConsumeIntegralInRange<int>(-2, 64);
    const bool upperCase = input.ConsumeBool();
    const String separator = input.ConsumeBytesAsString(input.ConsumeIntegralInRange<std::size_t>(0, 3));
    const String text = input.ConsumeRemainingBytesAsString();

    checkConversion(text);
    checkDecoding(text, upperCase);
    checkCharacters(text, n);
    checkFields(text, separator);
    checkNumbers(text);
    checkConversion(DecodeURLComponent(text, Encodings::UTF8));
    return 0;
}
