// The block shared by every process that loads the library.
#include <gtest/gtest.h>

#include "../peer_process.h"

#include <windows.h>

#include <string>

#include "ZEK2.h"
#include "shared_section.h"

namespace {

DWORD run_peer(const std::string &arguments) { return run_peer_program("zek_shared_peer.exe " + arguments); }

TEST(SharedBlock, MainArgStartsWithTheSystemFont)
{
    const LOGFONTA &lf = Get_gMainArg()->lf;
    EXPECT_EQ(Get_gMainArg(), &gMainArg);
    EXPECT_TRUE(lf.lfHeight == 12 && lf.lfWidth == 6 && lf.lfWeight == 400 && lf.lfCharSet == SHIFTJIS_CHARSET &&
                lf.lfQuality == 1 && lf.lfPitchAndFamily == 0x31);
    // "ＭＳ ゴシック" in Shift-JIS.
    EXPECT_STREQ(lf.lfFaceName, "\x82\x6C\x82\x72\x20\x83\x53\x83\x56\x83\x62\x83\x4E");
    LOGFONTA made{};
    ASSERT_EQ(GetObjectA(Get_ghFont(), sizeof made, &made), int(sizeof made));
    EXPECT_TRUE(made.lfHeight == 12 && made.lfCharSet == SHIFTJIS_CHARSET);
    EXPECT_EQ(SetCursorOnFlag(1), 1);  // stored and returned
    EXPECT_EQ(SetCursorOnFlag(0), 0);
}

TEST(SharedBlock, SeenByASecondProcessInBothDirections)
{
    ASSERT_NE(zek_shared_section(), nullptr);
    // Other programs are kept away from this test; count relatively all the same.
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

}  // namespace
