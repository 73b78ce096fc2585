// Our Windows-1250 table against the code page as the C library converts it: every byte,
// every Unicode character and the malformed forms of UTF-8 give what iconv gives (where
// there is glibc's iconv); elsewhere the table's own properties are checked.

#include "app/files/Windows1250.h"

#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <string>

#ifdef __GLIBC__
#include <iconv.h>
#endif

namespace vortalin {
namespace {

std::string Utf8(char32_t c) {
    std::string s;
    const auto put = [&s](unsigned bits) { s += static_cast<char>(bits); };
    if (c < 0x80) {
        put(c);
    } else if (c < 0x800) {
        put(0xC0 | (c >> 6)), put(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        put(0xE0 | (c >> 12)), put(0x80 | ((c >> 6) & 0x3F)), put(0x80 | (c & 0x3F));
    } else {
        put(0xF0 | (c >> 18)), put(0x80 | ((c >> 12) & 0x3F));
        put(0x80 | ((c >> 6) & 0x3F)), put(0x80 | (c & 0x3F));
    }
    return s;
}

// Texts that are not well-formed UTF-8, each refused as a whole.
const char* const kMalformed[] = {
    "\x80",             // a continuation byte alone
    "\xC3",             // a lead byte without its continuation
    "\xE2\x82",         // a three-byte form cut short
    "\xC3\x41",         // a lead byte before ASCII
    "\xC0\x80",         // NUL in an overlong form
    "\xC1\xBF",         // an overlong two-byte form
    "\xE0\x80\x80",     // an overlong three-byte form
    "\xF0\x80\x80\x80", // an overlong four-byte form
    "\xED\xA0\x80",     // a surrogate
    "\xED\xBF\xBF",     // the last surrogate
    "\xF4\x90\x80\x80", // beyond U+10FFFF
    "\xF5\x80\x80\x80", // a lead byte of no form
    "\xF8\x88\x80\x80\x80",
    "\xFF",
    "a\xC3\xA1\xFE", // refused though it starts well
};

TEST(Windows1250, SlovakLettersOfTheHeaderAreTheirSingleBytes) {
    EXPECT_EQ(ToWindows1250("°áúýčľť ÁÚÝČĽŤ äôňšžďé"),
              std::optional<std::string>("\xB0\xE1\xFA\xFD\xE8\xBE\x9D \xC1\xDA\xDD\xC8\xBC\x8D "
                                         "\xE4\xF4\xF2\x9A\x9E\xEF\xE9"));
    EXPECT_EQ(ToWindows1250(""), std::optional<std::string>(""));
    EXPECT_EQ(ToWindows1250(std::string_view("a\0b", 3)),
              std::optional<std::string>(std::string("a\0b", 3)));
}

TEST(Windows1250, EveryDefinedByteIsOneCharacterThatGivesItBack) {
    std::set<char32_t> characters;
    int undefined = 0;
    for (int byte = 0; byte < 256; ++byte) {
        const char32_t c = Windows1250Character(static_cast<unsigned char>(byte));
        if (byte >= 0x80 && c == 0) {
            ++undefined;
            continue;
        }
        EXPECT_EQ(ToWindows1250(Utf8(c)),
                  std::optional<std::string>(std::string(1, static_cast<char>(byte))))
            << "byte " << byte;
        characters.insert(c);
    }
    EXPECT_EQ(undefined, 5);
    EXPECT_EQ(characters.size(), 251U);
}

TEST(Windows1250, CharactersNotInTheCodePageAndMalformedTextsAreRefused) {
    for (const char* text : {"€ ok", "ő ű", "ŕ ĺ"}) {
        EXPECT_TRUE(ToWindows1250(text).has_value()) << text;
    }
    for (const char* text : {"ø", "Ω", "😀", "ŭ", "\xEF\xBB\xBF", "\xC2\x81"}) {
        EXPECT_EQ(ToWindows1250(text), std::nullopt) << text;
    }
    for (const char* text : kMalformed) {
        EXPECT_EQ(ToWindows1250(text), std::nullopt) << text;
    }
    // The tag characters (U+E0000 to U+E007F) are left out, the characters around them kept.
    std::string tagged = "a";
    tagged.append(Utf8(0xE0001)).append(Utf8(0xE007F)).append("b");
    EXPECT_EQ(ToWindows1250(tagged), std::optional<std::string>("ab"));
    EXPECT_EQ(ToWindows1250(Utf8(0xE0080)), std::nullopt);
}

#ifdef __GLIBC__

// glibc's converter between UTF-8 and Windows-1250, one conversion at a time.
class Iconv {
public:
    Iconv(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Iconv() {
        if (Open()) {
            iconv_close(cd_);
        }
    }
    Iconv(const Iconv&) = delete;
    Iconv& operator=(const Iconv&) = delete;

    bool Open() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    std::optional<std::string> operator()(std::string in) {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        std::string out(4 * in.size() + 4, '\0');
        char* inPtr = in.data();
        std::size_t inLeft = in.size();
        char* outPtr = out.data();
        std::size_t outLeft = out.size();
        if (iconv(cd_, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1) ||
            inLeft != 0) {
            return std::nullopt;
        }
        out.resize(out.size() - outLeft);
        return out;
    }

private:
    iconv_t cd_;
};

TEST(Windows1250AgainstIconv, EveryByteDecodesToTheCharacterOfTheTable) {
    Iconv decode("UTF-8", "WINDOWS-1250");
    ASSERT_TRUE(decode.Open());
    for (int byte = 0; byte < 256; ++byte) {
        const char32_t c = Windows1250Character(static_cast<unsigned char>(byte));
        const std::optional<std::string> expected =
            byte >= 0x80 && c == 0 ? std::nullopt : std::optional<std::string>(Utf8(c));
        EXPECT_EQ(decode(std::string(1, static_cast<char>(byte))), expected) << "byte " << byte;
    }
}

TEST(Windows1250AgainstIconv, EveryUnicodeCharacterEncodesAsIconvEncodesIt) {
    Iconv encode("WINDOWS-1250", "UTF-8");
    ASSERT_TRUE(encode.Open());
    int encoded = 0;
    for (char32_t c = 0; c <= 0x10FFFF; ++c) {
        const std::string text = Utf8(c); // a surrogate's form is malformed for both
        const std::optional<std::string> ours = ToWindows1250(text);
        ASSERT_EQ(ours, encode(text)) << "U+" << std::hex << static_cast<unsigned>(c);
        encoded += ours.has_value();
    }
    EXPECT_EQ(encoded, 256 - 5 + 128); // the defined bytes and the dropped tag characters
}

TEST(Windows1250AgainstIconv, MalformedTextsAndTheHeaderLettersAsIconv) {
    Iconv encode("WINDOWS-1250", "UTF-8");
    ASSERT_TRUE(encode.Open());
    for (const char* text : kMalformed) {
        EXPECT_EQ(ToWindows1250(text), encode(text)) << text;
    }
    const std::string mixed = "Súčiniteľ prestupu tepla (W.m-2.K-1) – „° ‰ €“";
    EXPECT_EQ(ToWindows1250(mixed), encode(mixed));
}

#endif

} // namespace
} // namespace vortalin
