#include "framework/archive.h"

#include <gtest/gtest.h>

#include "framework/fileerror.h"
#include "framework/sjis.h"
#include "testutil.h"

namespace {

std::string Store(const std::string& s) {
    std::string out;
    CArchive ar(out);
    ar.WriteString(s);
    return out;
}

std::string Load(const std::string& bytes) {
    CArchive ar{std::string_view(bytes)};
    return ar.ReadString();
}

}  // namespace

TEST(Archive, IntegersAreLittleEndianTwosComplement) {
    std::string out;
    CArchive ar(out);
    ar << int32_t{2000} << int32_t{-1} << int32_t{0x7FFFFFFF};
    EXPECT_EQ(Hex(out), "D0 07 00 00 FF FF FF FF FF FF FF 7F");
    CArchive in{std::string_view(out)};
    EXPECT_EQ(in.ReadInt(), 2000);
    EXPECT_EQ(in.ReadInt(), -1);
    EXPECT_EQ(in.ReadInt(), 0x7FFFFFFF);
}

TEST(Archive, StringPrefixesByLength) {
    struct Case {
        size_t length;
        std::string prefix;
    } cases[] = {
        {0, "00"},
        {254, "FE"},
        {255, "FF FF 00"},
        {65533, "FF FD FF"},
        {65534, "FF FF FF FE FF 00 00"},
        {70000, "FF FF FF 70 11 01 00"},
    };
    for (const Case& c : cases) {
        const std::string s(c.length, 'x');
        const std::string bytes = Store(s);
        const size_t prefixBytes = (c.prefix.size() + 1) / 3;
        EXPECT_EQ(Hex(bytes.substr(0, prefixBytes)), c.prefix) << c.length;
        EXPECT_EQ(bytes.size(), prefixBytes + c.length);
        EXPECT_EQ(Load(bytes), s) << c.length;
    }
}

TEST(Archive, WideStringsAreConvertedToShiftJis) {
    // FF FE FF marks UTF-16LE; then a length in characters: 2 characters, 出勤.
    const std::string wide =
        std::string("\xFF\xFE\xFF\x02", 4) + std::string("\xFA\x51\xE4\x52", 4);
    EXPECT_EQ(U(Load(wide)), "出勤");
    // A wide string with a 16-bit character count.
    std::string longWide = std::string("\xFF\xFE\xFF\xFF\x2C\x01", 6);
    for (int i = 0; i < 300; ++i) longWide += std::string("A\0", 2);
    EXPECT_EQ(Load(longWide), std::string(300, 'A'));
    // A character with no Shift-JIS form does not make the file unreadable.
    const std::string emoji =
        std::string("\xFF\xFE\xFF\x02", 4) + std::string("\x3D\xD8\x00\xDE", 4);
    EXPECT_EQ(Load(emoji), "?");
}

TEST(Archive, ReadingPastTheEndRaisesEndOfFile) {
    const std::string truncated[] = {std::string(),
                                     std::string("\x05"
                                                 "abc"),
                                     std::string("\xFF"),
                                     std::string("\xFF\x10"),
                                     std::string("\xFF\xFF\xFF\x00\x00\x01", 6),
                                     std::string("\xFF\xFE\xFF\x02"
                                                 "A",
                                                 5)};
    for (const std::string& bytes : truncated)
        EXPECT_THROW(Load(bytes), ArchiveException) << Hex(bytes);
    // A 2 GiB length in a six-byte stream fails at once, before anything is allocated.
    const std::string huge("\xFF\xFF\xFF\xFF\xFF\xFF\x7F", 7);
    try {
        Load(huge);
        FAIL();
    } catch (const ArchiveException& e) {
        EXPECT_EQ(e.cause, ArchiveException::endOfFile);
    }
    const std::string shortInt("\x01\x02\x03", 3);
    CArchive ar{std::string_view(shortInt)};
    EXPECT_THROW(ar.ReadInt(), ArchiveException);
}

TEST(ShiftJis, ACharacterItCannotHoldIsOneQuestionMarkAndIsNamed) {
    EXPECT_EQ(sjis::FromUtf8("caf\xC3\xA9\xF0\x9F\x98\x80.vpx"), "caf??.vpx");
    EXPECT_EQ(sjis::FirstUnstorable("山田 太郎 ｶﾅ"), std::nullopt);
    EXPECT_EQ(sjis::FirstUnstorable("\xF0\x9F\x94\x91\xF0\x9F\x94\x91"), U'\U0001F511');
    EXPECT_EQ(sjis::FirstUnstorable("ab\xFF"), U'\uFFFD');
    EXPECT_EQ(sjis::CodePointName(U'\U0001F363'), "U+1F363");
}
