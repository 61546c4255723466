#include "platform/Strings.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

using namespace platform;

namespace {

const String CR = "\r";
const String LF = "\n";
const String CRLF = "\r\n";
const String Replacement = "\xEF\xBF\xBD"; // U+FFFD in UTF-8

std::vector<String> elements(const Array<String>& array)
{
    std::vector<String> result;
    for (int i = 0; i <= array.Ubound(); ++i)
        result.push_back(array(i));
    return result;
}

String join(const Array<String>& array, const String& separator)
{
    String text;
    for (int i = 0; i <= array.Ubound(); ++i)
        text += (i > 0 ? separator : String{}) + array(i);
    return text;
}

// Code points of valid UTF-8: the bytes that are not continuation bytes.
int codePoints(const String& utf8)
{
    int count = 0;
    for (const char c : utf8)
        count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return count;
}

} // namespace

TEST(Split, NSeparatorsGiveNPlusOneElements)
{
    EXPECT_EQ(elements(Split("a" + CRLF + "b" + CRLF + "c", CRLF)),
              (std::vector<String>{"a", "b", "c"}));
    EXPECT_EQ(Split("", CRLF).Ubound(), 0);
    EXPECT_EQ(Split("", CRLF)(0), "");
    EXPECT_EQ(elements(Split("a" + CR + "b" + CR, CR)), (std::vector<String>{"a", "b", ""}));
    EXPECT_EQ(elements(Split(CR + CR, CR)), (std::vector<String>{"", "", ""}));
}

TEST(Split, CrLfDataSplitAtCrKeepsTheLineFeeds)
{
    EXPECT_EQ(elements(Split("0700\t1" + CRLF + "0715\t2" + CRLF, CR)),
              (std::vector<String>{"0700\t1", "\n0715\t2", "\n"}));
}

TEST(Split, TwoByteSeparatorLeavesLoneCrAndLfInsideElements)
{
    const String text = "a\rb\nc" + CRLF + "\r" + CRLF + "\n";
    EXPECT_EQ(elements(Split(text, CRLF)), (std::vector<String>{"a\rb\nc", "\r", "\n"}));
}

TEST(Split, NeverLosesOrAddsBytes)
{
    const String binary("x\0\xFF\r\r\n\r\n\n\0\r", 11);
    for (const String& separator : {CR, LF, CRLF, String("\0", 1), String("aa")}) {
        for (const String& text : {binary, String("aaa"), String("aaaa"), String{}, CRLF}) {
            const Array<String> pieces = Split(text, separator);
            EXPECT_EQ(join(pieces, separator), text);
            for (int i = 0; i <= pieces.Ubound(); ++i)
                EXPECT_EQ(pieces(i).find(separator), String::npos);
        }
    }
}

TEST(Split, EmptySeparatorGivesTheWholeText)
{
    EXPECT_EQ(elements(Split("a\r\nb", "")), (std::vector<String>{"a\r\nb"}));
}

TEST(NthField, CountsFieldsFromOne)
{
    const String entry = "x\tHanako\thanako01";
    EXPECT_EQ(NthField(entry, "\t", 1), "x");
    EXPECT_EQ(NthField(entry, "\t", 2), "Hanako");
    EXPECT_EQ(NthField(entry, "\t", 3), "hanako01");
    EXPECT_EQ(NthField("alarmHour=07=8", "=", 2), "07");
    EXPECT_EQ(NthField("a\r\nb\r\nc", CRLF, 3), "c");
    EXPECT_EQ(NthField("\tb\t", "\t", 1), "");
    EXPECT_EQ(NthField("\tb\t", "\t", 3), "");
}

TEST(NthField, OutOfRangeGivesEmptyText)
{
    EXPECT_EQ(NthField("a\tb", "\t", 3), "");
    EXPECT_EQ(NthField("voiceMode", "=", 2), "");
    EXPECT_EQ(NthField("", "=", 1), "");
    EXPECT_EQ(NthField("a\tb", "\t", 0), "");
    EXPECT_EQ(NthField("a\tb", "\t", -1), "");
    EXPECT_EQ(NthField("a\tb", "\t", std::numeric_limits<int>::max()), "");
    EXPECT_EQ(NthField("a\tb", "", 1), "a\tb");
    EXPECT_EQ(NthField("a\tb", "", 2), "");
}

TEST(Characters, MultibyteTextCountsCharacters)
{
    const String text = "日本語a"; // three 3-byte characters, then one byte
    EXPECT_EQ(Len(text), 4);
    EXPECT_EQ(Left(text, 2), "日本");
    EXPECT_EQ(Right(text, 2), "語a");
    EXPECT_EQ(Left(text, 9), text);
    EXPECT_EQ(Right(text, 9), text);
    EXPECT_EQ(Left(text, 0), "");
    EXPECT_EQ(Right(text, -1), "");
    EXPECT_EQ(Len("\xF0\x9F\x98\x80"), 1);
    EXPECT_EQ(Len(""), 0);
}

TEST(Characters, InvalidBytesCountOneEachAndAreKept)
{
    const String text = "a\xFF\xE6\x97" "b"; // a stray byte, a cut-off sequence
    EXPECT_EQ(Len(text), 5);
    EXPECT_EQ(Left(text, 2), "a\xFF");
    EXPECT_EQ(Right(text, 3), "\xE6\x97" "b");
    EXPECT_EQ(Left(text, 4) + Right(text, 1), text);
}

TEST(Characters, LenCountsWhatConvertEncodingShows)
{
    const std::vector<String> samples = {
        "plain", "日本語", "\xC0\x80",      "\xED\xA0\x80", "\xF4\x90\x80\x80",
        "\xE0\x80\x80", "\x80\x80", "\xE3\x81x", String("a\0b", 3), "\xEF\xBB\xBFz",
    };
    for (const String& text : samples) {
        const String shown = ConvertEncoding(text, Encodings::UTF8);
        EXPECT_EQ(Len(text), codePoints(shown)) << text;
        EXPECT_EQ(Len(shown), Len(text)) << text;
    }
}

TEST(Characters, LeftDropsTheLastCharacterOfTheSpeakerList)
{
    const String list = "1,0,1,1,1,1,1,1,1,1,1,1,";
    EXPECT_EQ(Left(list, Len(list) - 1), "1,0,1,1,1,1,1,1,1,1,1,1");
}

TEST(ChrB, MakesOneByteTexts)
{
    EXPECT_EQ(ChrB(13) + ChrB(10), CRLF);
    EXPECT_EQ(ChrB(0), String("\0", 1));
    EXPECT_EQ(ChrB(255), "\xFF");
}

TEST(Val, ReadsTheNumberAtTheStart)
{
    EXPECT_EQ(Val(""), 0.0);
    EXPECT_EQ(Val(" 7"), 7.0);
    EXPECT_EQ(Val("\t 7"), 7.0);
    EXPECT_EQ(Val("07"), 7.0);
    EXPECT_EQ(Val("-3x"), -3.0);
    EXPECT_EQ(Val("+4"), 4.0);
    EXPECT_EQ(Val("1e3"), 1000.0);
    EXPECT_EQ(Val("2.5E-1"), 0.25);
    EXPECT_EQ(Val("2e"), 2.0);
    EXPECT_EQ(Val("2e+"), 2.0);
    EXPECT_EQ(Val(".5"), 0.5);
    EXPECT_EQ(Val("7."), 7.0);
    EXPECT_EQ(Val("1,5"), 1.0);
    EXPECT_EQ(Val("1.5.3"), 1.5);
}

TEST(Val, NoNumberGivesZero)
{
    for (const String text : {"inf", "nan", "-inf", "infinity", "NaN", "x7", "-", ".", "e3", "\n7",
                               "0x10", "true"}) {
        EXPECT_EQ(Val(text), 0.0) << text;
    }
}

TEST(Val, IsNeverInfiniteOrNan)
{
    EXPECT_TRUE(std::isfinite(Val("1e999")));
    EXPECT_GT(Val("1e999"), 1e300);
    EXPECT_LT(Val("-1e999"), -1e300);
    EXPECT_EQ(Val("1e-999"), 0.0);
    EXPECT_TRUE(std::isfinite(Val(String(400, '9'))));
}

TEST(CInt32, TruncatesTowardZeroAndClamps)
{
    EXPECT_EQ(CInt32(2.9), 2);
    EXPECT_EQ(CInt32(-2.9), -2);
    EXPECT_EQ(CInt32(std::nan("")), 0);
    EXPECT_EQ(CInt32(1e10), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(CInt32(-1e10), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(CInt32(2147483647.5), 2147483647);
    EXPECT_EQ(CInt32(-2147483648.0), -2147483647 - 1);
    EXPECT_EQ(CInt32(std::numeric_limits<double>::infinity()),
              std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(CInt32(Val("3")), 3);
}

TEST(Str, WritesWholeNumbers)
{
    EXPECT_EQ(Str(-12), "-12");
    EXPECT_EQ(Str(0), "0");
    EXPECT_EQ(Str(std::numeric_limits<std::int64_t>::min()), "-9223372036854775808");
    EXPECT_EQ(CInt32(Val(Str(std::numeric_limits<std::int32_t>::min()))),
              std::numeric_limits<std::int32_t>::min());
}

TEST(ConvertEncoding, ValidUtf8PassesUnchanged)
{
    for (const String& text : {String("Hanako 花子 \xF0\x9F\x98\x80"), String("a\0b", 3),
                               String("\xEF\xBB\xBF" "bom"), String{}}) {
        EXPECT_EQ(ConvertEncoding(text, Encodings::UTF8), text);
    }
}

TEST(ConvertEncoding, EachInvalidByteBecomesOneReplacementCharacter)
{
    EXPECT_EQ(ConvertEncoding("a\xFF" "b", Encodings::UTF8), "a" + Replacement + "b");
    EXPECT_EQ(ConvertEncoding("\xE6\x97", Encodings::UTF8), Replacement + Replacement);
    EXPECT_EQ(ConvertEncoding("\xC0\xAF", Encodings::UTF8), Replacement + Replacement);
    EXPECT_EQ(ConvertEncoding("\xED\xA0\x80", Encodings::UTF8),
              Replacement + Replacement + Replacement);
}

TEST(DecodeURLComponent, DecodesLineEndsAndTabs)
{
    EXPECT_EQ(DecodeURLComponent("a%09b%0D%0Ac%0d%0a", Encodings::UTF8), "a\tb\r\nc\r\n");
    EXPECT_EQ(DecodeURLComponent("%E8%8A%B1%E5%AD%90", Encodings::UTF8), "花子");
    EXPECT_EQ(DecodeURLComponent("%00", Encodings::UTF8), String("\0", 1));
    EXPECT_EQ(DecodeURLComponent("%2B+%20", Encodings::UTF8), "++ ");
}

TEST(DecodeURLComponent, MalformedSequencesStayAsWritten)
{
    for (const String text : {"%zz", "%4", "%", "a%", "%4g", "%g4", "100%", "%%", "%-1", "%\r\n"})
        EXPECT_EQ(DecodeURLComponent(text, Encodings::UTF8), text) << text;
    EXPECT_EQ(DecodeURLComponent("%%41", Encodings::UTF8), "%A");
    EXPECT_EQ(DecodeURLComponent("%4%41", Encodings::UTF8), "%4A");
    EXPECT_EQ(DecodeURLComponent("%25zz", Encodings::UTF8), "%zz");
}

TEST(DecodeURLComponent, NonUtf8BytesSurviveUntilConversion)
{
    const String decoded = DecodeURLComponent("x%FF%fe%E6%97", Encodings::UTF8);
    EXPECT_EQ(decoded, "x\xFF\xFE\xE6\x97");
    EXPECT_EQ(ConvertEncoding(decoded, Encodings::UTF8),
              "x" + Replacement + Replacement + Replacement + Replacement);
    const String literal = "\xFF%41";
    EXPECT_EQ(DecodeURLComponent(literal, Encodings::UTF8), "\xFF" "A");
}
