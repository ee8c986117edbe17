// The font cache, the face attributes it applies, vertical writing and the
// shared system font names.
#include <gtest/gtest.h>

#include "../peer_process.h"

#include <cstring>
#include <set>
#include <string>

#include "ZEK2.h"

namespace {

const char kGothic[] = "ＭＳ ゴシック";

DWORD run_peer(const std::string &arguments) { return run_peer_program("zek_font_peer.exe " + arguments); }

bool alive(HFONT font) { return font && GetObjectType(font) == OBJ_FONT; }

LOGFONTA record(HFONT font)
{
    LOGFONTA lf{};
    EXPECT_EQ(GetObjectA(font, sizeof lf, &lf), int(sizeof lf));
    return lf;
}

struct FontCache : ::testing::Test {
    void SetUp() override { SetFontInit2(); }
    void TearDown() override { SetFontInit2(); }
};  // emptied before and after

TEST_F(FontCache, EachKeyFieldMakesAFontAndTheLeastRecentlyUsedGoesFirst)
{
    HFONT base = GetFont2(kGothic, 0, 6, 12, 0, 400);
    ASSERT_TRUE(alive(base));
    EXPECT_EQ(GetFont2(kGothic, 0, 6, 12, 0, 400), base);
    const std::set<HFONT> distinct = {
        base, GetFont2(kGothic, 1, 6, 12, 0, 400), GetFont2(kGothic, 0, 7, 12, 0, 400),
        GetFont2(kGothic, 0, 6, 13, 0, 400), GetFont2(kGothic, 0, 6, 12, 900, 400),
        GetFont2(kGothic, 0, 6, 12, 0, 700), GetFont2("ＭＳ 明朝", 0, 6, 12, 0, 400)};
    EXPECT_TRUE(distinct.size() == 7u && !distinct.count(nullptr));
    EXPECT_EQ(GetFont2(kGothic, 0, 6, 12, 0, 400), base);  // still cached

    SetFontInit2();
    EXPECT_FALSE(alive(base)) << "a reset deletes what the cache holds";
    HFONT fonts[20];
    for (int i = 0; i < 20; ++i)
        fonts[i] = GetFont2(kGothic, 0, 0, 10 + i, 0, 400);
    EXPECT_EQ(GetFont2(kGothic, 0, 0, 10, 0, 400), fonts[0]);  // now the newest
    ASSERT_TRUE(alive(GetFont2(kGothic, 0, 0, 40, 0, 400)));
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(alive(fonts[i]), i != 1) << i;
    // The evicted key is a miss that evicts the next oldest.
    EXPECT_TRUE(alive(GetFont2(kGothic, 0, 0, 11, 0, 400)) && !alive(fonts[2]));
    EXPECT_EQ(GetFont2(kGothic, 0, 0, 10, 0, 400), fonts[0]);
}

TEST_F(FontCache, FacesGetTheirDefaultsAndTheRequestedGeometryVerticalOnes)
{
    LOGFONTA mincho = record(GetFont2("ＭＳ 明朝", 1, 8, 20, 450, 700));
    EXPECT_STREQ(mincho.lfFaceName, "ＭＳ 明朝");
    EXPECT_TRUE(mincho.lfCharSet == SHIFTJIS_CHARSET && mincho.lfPitchAndFamily == (FIXED_PITCH | FF_ROMAN));
    // Positive angles turn clockwise.
    EXPECT_TRUE(mincho.lfHeight == 20 && mincho.lfWidth == 8 && mincho.lfEscapement == -450 &&
                mincho.lfItalic == 1 && mincho.lfWeight == 700);
    LOGFONTA vertical = record(GetFont2("@ＭＳ Ｐゴシック", 0, 0, 16, 0, 400));
    EXPECT_STREQ(vertical.lfFaceName, "@ＭＳ Ｐゴシック");
    EXPECT_TRUE(vertical.lfCharSet == SHIFTJIS_CHARSET && vertical.lfPitchAndFamily == (VARIABLE_PITCH | FF_SWISS));

    // A face listed in several character sets takes its first record.
    EXPECT_EQ(record(GetFont2("Arial", 0, 0, 16, 0, 400)).lfCharSet, ANSI_CHARSET);
    EXPECT_EQ(record(GetFont2("Symbol", 0, 0, 16, 0, 400)).lfCharSet, SYMBOL_CHARSET);

    // An unknown face is cached under its own name.
    HFONT unknown = GetFont2("IPAGothic", 0, 0, 14, 0, 400);
    EXPECT_STREQ(record(unknown).lfFaceName, "IPAGothic");
    EXPECT_EQ(GetFont2("IPAGothic", 0, 0, 14, 0, 400), unknown);

    // 41 bytes of face: the first 31 are kept; a cut never splits a character.
    const std::string longName = std::string(30, 'x') + "ＭＳ ゴシック";
    HFONT cut = GetFont2(longName.c_str(), 0, 0, 14, 0, 400);
    EXPECT_EQ(std::string(record(cut).lfFaceName), std::string(30, 'x'));
    EXPECT_EQ(GetFont2(longName.c_str(), 0, 0, 14, 0, 400), cut);
    EXPECT_NE(GetFont2(nullptr, 0, 0, 14, 0, 400), nullptr);

    // Vertical writing: the ends of the turned ranges, and vertical faces.
    for (int32_t code : {0x0028, 0x00B0, 0x8150, 0x8175, 0x817C, 0x81AC})
        EXPECT_EQ(GetTategakiFlag(code), 1) << std::hex << code;
    for (int32_t code : {0, 0x0041, 0x817B, 0x81AD, 0x18175, -1})
        EXPECT_EQ(GetTategakiFlag(code), 0) << std::hex << code;
    EXPECT_EQ(GetFontType("@ＭＳ 明朝"), 1);
    EXPECT_EQ(GetFontType("ＭＳ 明朝") | GetFontType("") | GetFontType(nullptr), 0);
}

struct SystemFontNames : ::testing::Test {
    char saved[4][32];
    void SetUp() override
    {
        for (int n = 0; n < 4; ++n)
            ASSERT_GT(GetSystemFontName(n, saved[n]), 0);
    }
    void TearDown() override
    {
        for (int n = 0; n < 4; ++n)
            SetSystemFontName(n, saved[n]);
    }
};

TEST_F(SystemFontNames, RoundTripRefuseWhatDoesNotFitAndAreShared)
{
    // Other programs may have changed them; a fresh machine has the defaults.
    if (std::strcmp(saved[0], kGothic) == 0)
        EXPECT_TRUE(saved[1] == std::string("ＭＳ 明朝") && saved[2] == std::string(kGothic) &&
                    saved[3] == std::string("ＭＳ 明朝"));
    const std::string mincho = "HG明朝B", fits(31, 'a'), tooLong(32, 'b');
    EXPECT_EQ(SetSystemFontName(2, mincho.c_str()), int32_t(mincho.size() + 1));
    EXPECT_EQ(SetSystemFontName(1, fits.c_str()), 32);
    for (auto [n, name] : {std::pair{1, tooLong.c_str()}, {4, "Arial"}, {-1, "Arial"}, {0, nullptr}})
        EXPECT_EQ(SetSystemFontName(n, name), 0) << n;
    char out[32];
    for (auto [n, want] : {std::pair{2, mincho}, {1, fits}, {3, std::string(saved[3])}}) {
        EXPECT_EQ(GetSystemFontName(n, out), int32_t(want.size() + 1)) << n;
        EXPECT_EQ(out, want);
    }
    EXPECT_EQ(GetSystemFontName(4, out) | GetSystemFontName(-1, out), 0);
    EXPECT_EQ(GetSystemFontName(0, nullptr), 0);

    // They are shared with other processes.
    ASSERT_GT(SetSystemFontName(3, "Courier New"), 0);
    EXPECT_EQ(run_peer("get 3 \"Courier New\""), 0u);
    EXPECT_EQ(run_peer("set 1 Tahoma"), 0u);
    GetSystemFontName(1, out);
    EXPECT_STREQ(out, "Tahoma");
    EXPECT_EQ(run_peer("set 5 Tahoma"), 1u);
}

}  // namespace
