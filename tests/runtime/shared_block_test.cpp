// The block shared by every process that loads the library.
#include <gtest/gtest.h>

#include "../peer_process.h"

#include <windows.h>

#include <string>

#include "ZEK2.h"
#include "shared_section.h"

namespace {

DWORD run_peer(const std::string &arguments)
{
    return run_peer_program("zek_shared_peer.exe " + arguments);
}

TEST(SharedBlock, MainArgStartsWithTheSystemFont)
{
    const LOGFONTA &lf = Get_gMainArg()->lf;
    EXPECT_EQ(Get_gMainArg(), &gMainArg);
    const long want[] = {12, 6, 0, 0, 400, 0, 0, 0, SHIFTJIS_CHARSET, 3, 2, 1, 0x31};
    const long got[] = {lf.lfHeight, lf.lfWidth, lf.lfEscapement, lf.lfOrientation, lf.lfWeight,
                        lf.lfItalic, lf.lfUnderline, lf.lfStrikeOut, lf.lfCharSet,
                        lf.lfOutPrecision, lf.lfClipPrecision, lf.lfQuality, lf.lfPitchAndFamily};
    for (size_t i = 0; i < sizeof want / sizeof *want; ++i)
        EXPECT_EQ(got[i], want[i]) << "field " << i;
    // "ＭＳ ゴシック" in Shift-JIS.
    EXPECT_STREQ(lf.lfFaceName, "\x82\x6C\x82\x72\x20\x83\x53\x83\x56\x83\x62\x83\x4E");
    LOGFONTA made{};
    ASSERT_NE(Get_ghFont(), nullptr);
    ASSERT_EQ(GetObjectA(Get_ghFont(), sizeof made, &made), int(sizeof made));
    EXPECT_EQ(made.lfHeight, 12);
    EXPECT_EQ(made.lfCharSet, SHIFTJIS_CHARSET);
}

TEST(SharedBlock, SeenByASecondProcessInBothDirections)
{
    ASSERT_NE(zek_shared_section(), nullptr);
    // Other programs of the run are kept away from this test; count relatively
    // all the same.
    unsigned before = zek_attach_count();
    EXPECT_GE(before, 1u);
    EXPECT_EQ(run_peer("count"), before + 1) << "the peer counts itself and this process";
    EXPECT_EQ(zek_attach_count(), before) << "the peer's detach uncounts it";

    LOGFONTA saved = gMainArg.lf;
    std::string face = "Face" + std::to_string(GetCurrentProcessId());
    lstrcpynA(gMainArg.lf.lfFaceName, face.c_str(), LF_FACESIZE);
    EXPECT_EQ(run_peer("face " + face), 0u);

    std::string back = "Back" + std::to_string(GetCurrentProcessId());
    EXPECT_EQ(run_peer("setface " + back), 0u);
    EXPECT_STREQ(gMainArg.lf.lfFaceName, back.c_str());
    gMainArg.lf = saved;
}

TEST(SharedBlock, CursorFlagIsStoredAndReturned)
{
    EXPECT_EQ(SetCursorOnFlag(1), 1);
    EXPECT_EQ(SetCursorOnFlag(0), 0);
}

}  // namespace
