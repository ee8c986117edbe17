// Help topics, exception report boxes and the Exec data layout.
#include <atomic>
#include <string>

#include "exec_util.h"

namespace {

// Closes the exception box once it shows, keeping its text.
struct BoxCloser {
    std::string text;
    UINT how;
    HANDLE thread = nullptr;
    explicit BoxCloser(UINT closeWith) : how(closeWith)
    {
        thread = CreateThread(nullptr, 0, run, this, 0, nullptr);
    }
    static DWORD WINAPI run(void *p)
    {
        auto *self = static_cast<BoxCloser *>(p);
        for (int i = 0; i < 1000; ++i, Sleep(10)) {
            HWND box = FindWindowA(nullptr, "例外処理の通知");
            if (!box)
                continue;
            char t[256] = {};
            GetDlgItemTextA(box, 0xFFFF, t, sizeof t);  // the box's text
            self->text = t;
            if (self->how == WM_CLOSE)
                PostMessageA(box, WM_CLOSE, 0, 0);
            else
                PostMessageA(box, WM_COMMAND, IDOK, 0);
            return 0;
        }
        return 1;
    }
    ~BoxCloser()
    {
        WaitForSingleObject(thread, 20000);
        CloseHandle(thread);
    }
};

}  // namespace

TEST(ExceptMsg, ShowsTheCodesTextAndGivesTheBoxResult)
{
    {
        BoxCloser closer(WM_COMMAND);
        EXPECT_EQ(Except_Msg(nullptr, 0xC0000094), IDOK);
        WaitForSingleObject(closer.thread, 20000);
        EXPECT_EQ(closer.text, "整数のゼロでの除算が発生しました");
    }
    {
        BoxCloser closer(WM_CLOSE);
        EXPECT_NE(Except_Msg(nullptr, 0x80000003), 0);
        WaitForSingleObject(closer.thread, 20000);
        EXPECT_EQ(closer.text, "不明なエラーです 80000003 確認が必要です");
    }
    DWORD code = 0;
    EXPECT_EQ(Eval_Exception(0xC00000FD, &code), EXCEPTION_EXECUTE_HANDLER);
    EXPECT_EQ(code, 0xC00000FDu);
}

TEST(HelpHtml, AMissingHelpFileReturnsAtOnce)
{
    const DWORD start = GetTickCount();
    EXPECT_EQ(HelpHtmlURL(nullptr, "Z:\\zek-no-such-dir\\Halvex.chm::/a.htm"), 1);
    OwnExec e(nullptr, 0);
    EXPECT_EQ(Exec_HelpHtml(e, nullptr, ""), 1);
    EXPECT_EQ(Exec_HelpHtml(e, nullptr, std::string(5000, 't').c_str()), 1);  // bounded
    EXPECT_LT(GetTickCount() - start, 10000u);
    pump();
}

TEST(ExecLayout, MembersAtTheirNaturalPlaces)
{
    OwnExec e(nullptr, 0);
    ZEK_layer *l = ZEK_layer_at(e, 1);
    EXPECT_EQ(l->nDataRow, 21);
    EXPECT_EQ(l->nMethodRow, 20);
    EXPECT_EQ(ZEK_NameSearch(l, "SetTssButtonModeEx"), 19);
    const ZEK_member &x = l->pDataRow[ZEK_NameSearch2(l->pDataRow, 21, "bTssMnuX")];
    EXPECT_EQ(x.place % 8, 0u);
    if (sizeof(void *) == 4) {
        EXPECT_EQ(x.place, 80u);
        EXPECT_EQ(l->pDataRow[ZEK_NameSearch2(l->pDataRow, 21, "bTssMnuFlag")].place, 72u);
    }
    ZEK_object *fresh = Exec_ctor2(nullptr), *thread = Thread_ctor2(nullptr);
    EXPECT_EQ(member<int32_t>(fresh, "bPriority"), THREAD_PRIORITY_LOWEST);
    EXPECT_EQ(member<int32_t>(fresh, "bLogOn"), 1);
    EXPECT_EQ(ZEK_NameSearch(ZEK_layer_at(thread, 1), "GetMessage"), 7);
    ZEK_dtorC(fresh), ZEK_dtorC(thread);
}
