// Exception report boxes, help topics and the Exec data layout.
#include "exec_util.h"

namespace {

// Closes the exception box once it shows (with OK, or with WM_CLOSE), and
// keeps its text.
struct BoxCloser {
    std::string text;
    bool ok;
    HANDLE thread = CreateThread(nullptr, 0, run, this, 0, nullptr);
    static DWORD WINAPI run(void *p)
    {
        auto *self = static_cast<BoxCloser *>(p);
        HWND box = nullptr;
        for (int i = 0; i < 1000 && !box; ++i)
            Sleep(10), box = FindWindowA(nullptr, "例外処理の通知");
        char t[256] = {};
        GetDlgItemTextA(box, 0xFFFF, t, sizeof t);
        self->text = t;
        PostMessageA(box, self->ok ? WM_COMMAND : WM_CLOSE, IDOK, 0);
        return 0;
    }
    std::string closed() { return WaitForSingleObject(thread, 20000), CloseHandle(thread), text; }
};

}  // namespace

TEST(ExceptMsg, ShowsTheCodesTextAndGivesTheBoxResult)
{
    BoxCloser ok{"", true};
    EXPECT_EQ(Except_Msg(nullptr, 0xC0000094), IDOK);
    EXPECT_EQ(ok.closed(), "整数のゼロでの除算が発生しました");
    BoxCloser closed{"", false};
    EXPECT_NE(Except_Msg(nullptr, 0x80000003), 0);
    EXPECT_EQ(closed.closed(), "不明なエラーです 80000003 確認が必要です");
    DWORD code = 0;
    EXPECT_EQ(Eval_Exception(0xC00000FD, &code), EXCEPTION_EXECUTE_HANDLER);
    EXPECT_EQ(code, 0xC00000FDu);
}

TEST(HelpHtml, AMissingHelpFileReturnsAtOnce)
{
    const DWORD start = GetTickCount();
    EXPECT_EQ(HelpHtmlURL(nullptr, "Z:\\zek-no-such-dir\\Halvex.chm::/a.htm"), 1);
    OwnExec e;
    EXPECT_EQ(Exec_HelpHtml(e, nullptr, ""), 1);
    EXPECT_EQ(Exec_HelpHtml(e, nullptr, std::string(5000, 't').c_str()), 1);  // bounded
    EXPECT_LT(GetTickCount() - start, 10000u);
    pump();
}

TEST(ExecLayout, DoublesAtTheirNaturalPlaceTheDefaultsAndTheHooks)
{
    ZEK_object *fresh = Exec_ctor2(nullptr), *thread = Thread_ctor2(nullptr);
    ZEK_layer *l = ZEK_layer_at(fresh, 1);
    EXPECT_EQ(l->nDataRow + l->nMethodRow, 41);
    EXPECT_EQ(ZEK_NameSearch(l, "SetTssButtonModeEx"), 19);
    EXPECT_EQ(l->pDataRow[ZEK_NameSearch2(l->pDataRow, 21, "bTssMnuY")].place,
              sizeof(void *) == 4 ? 88u : 120u);
    EXPECT_EQ(member<int32_t>(fresh, "bPriority"), THREAD_PRIORITY_LOWEST);
    EXPECT_EQ(member<int32_t>(fresh, "bLogOn"), 1);
    EXPECT_EQ(ZEK_NameSearch(ZEK_layer_at(thread, 1), "GetMessage"), 7);
    // The instrument hooks: set by the setters, null gives the empty one back.
    Exec_hook_fn job = +[](ZEK_object *) -> int32_t { return 5; };
    Exec_SetTssProc(fresh, job, nullptr, job);
    Exec_SetTssEndJob(fresh, job);
    EXPECT_EQ(slot(fresh, "TssAngle"), reinterpret_cast<ZEK_method_fn>(job));
    EXPECT_EQ(reinterpret_cast<Exec_hook_fn>(slot(fresh, "TssDist"))(fresh), 0);
    EXPECT_EQ(reinterpret_cast<Exec_hook_fn>(slot(fresh, "TssEndJob"))(fresh), 5);
    ZEK_dtorC(fresh), ZEK_dtorC(thread);
}
