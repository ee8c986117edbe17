/* Drives the traverse program from outside, as a person would: it types the
   stations into the table child, chooses menu commands and clicks, waits for
   what each one shows in a window title, takes pictures of the windows and
   closes everything. Every wait is bounded.
   Usage: traverse_demo full DIR   (pictures go to DIR)
          traverse_demo quick      (start, wait for the frame, close) */
#include <stdio.h>
#include <string.h>
#include <windows.h>

/* The program's menu commands (its menu table) and window titles. */
enum { CMD_NEW = 1001, CMD_OPEN = 1002, CMD_SAVE = 1003, CMD_SECOND = 1005, CMD_COMPUTE = 2001,
       CMD_CASCADE = 3001, CMD_TILE = 3002, CMD_CHILD = 50101 };
#define FILE_NAME "demo.trv"
#define FRAME_TITLE "トラバース計算 - " FILE_NAME

/* A closed loop of five stations: name, angle (D.MMSS), distance (m). The
   distance from T2 is mistyped (98.014 for 89.014) and corrected later. */
static const char *const kStations[][3] = {
    {"T1", "104.5442", "96.578"}, {"T2", "120.3529", "98.014"}, {"T3", "108.4310", "90.154"},
    {"T4", "102.1856", "120.938"}, {"T5", "103.2751", "90.544"},
};

static int failures;

static void fail(const char *what)
{
    fprintf(stderr, "traverse_demo: %s\n", what);
    ++failures;
}

typedef struct Search {
    const char *text;
    HWND found;
} Search;

static BOOL CALLBACK match_title(HWND window, LPARAM lParam)
{
    Search *s = (Search *)lParam;
    char title[512];
    if (IsWindowVisible(window) && GetWindowTextA(window, title, sizeof title) &&
        strstr(title, s->text)) {
        s->found = window;
        return FALSE;
    }
    return TRUE;
}

/* A top-level window whose title holds text, within ms milliseconds. */
static HWND wait_title(const char *text, int ms)
{
    for (int waited = 0; waited <= ms; waited += 100) {
        Search s = {text, NULL};
        EnumWindows(match_title, (LPARAM)&s);
        if (s.found)
            return s.found;
        Sleep(100);
    }
    char message[600];
    snprintf(message, sizeof message, "no window titled \"%s\" within %d ms", text, ms);
    fail(message);
    return NULL;
}

static int wait_gone(HWND window, int ms)
{
    for (int waited = 0; waited <= ms; waited += 100) {
        if (!IsWindow(window))
            return 1;
        Sleep(100);
    }
    fail("a window did not close");
    return 0;
}

/* Typing: characters as WM_CHAR, Enter as its key, a little apart. */
static void type_text(HWND window, const char *text)
{
    for (const unsigned char *c = (const unsigned char *)text; *c; ++c)
        PostMessageA(window, WM_CHAR, *c, 1);
    PostMessageA(window, WM_KEYDOWN, VK_RETURN, 1);
    Sleep(60);
}

static void command(HWND frame, int id)
{
    PostMessageA(frame, WM_COMMAND, id, 0);
    Sleep(300);
}

/* The window as it is on the screen, into a 24-bit BMP file. */
static int save_picture(HWND window, const char *path)
{
    SetForegroundWindow(window);
    RedrawWindow(window, NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Sleep(800);
    RECT frame;
    GetWindowRect(window, &frame);
    const int width = frame.right - frame.left, height = frame.bottom - frame.top;
    BITMAPINFOHEADER header = {sizeof header, width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    void *bits = NULL;
    HDC screen = GetDC(NULL);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateDIBSection(screen, (BITMAPINFO *)&header, DIB_RGB_COLORS, &bits, NULL, 0);
    int ok = 0;
    if (bitmap) {
        HGDIOBJ old = SelectObject(memory, bitmap);
        BitBlt(memory, 0, 0, width, height, screen, frame.left, frame.top, SRCCOPY);
        GdiFlush();
        SelectObject(memory, old);
        header.biSizeImage = (((DWORD)width * 3 + 3) & ~3u) * (DWORD)height;
        BITMAPFILEHEADER file = {0x4D42, 0, 0, 0, sizeof file + sizeof header};
        file.bfSize = file.bfOffBits + header.biSizeImage;
        FILE *out = fopen(path, "wb");
        if (out) {
            ok = fwrite(&file, sizeof file, 1, out) == 1 && fwrite(&header, sizeof header, 1, out) == 1 &&
                 fwrite(bits, header.biSizeImage, 1, out) == 1;
            ok = fclose(out) == 0 && ok;
        }
        DeleteObject(bitmap);
    }
    DeleteDC(memory);
    ReleaseDC(NULL, screen);
    printf("picture %s: %s\n", path, ok ? "saved" : "NOT saved");
    if (!ok)
        fail("a picture could not be saved");
    return ok;
}

/* A click on the side menu: on button n stacked from the top, or (n < 0)
   on the one at its bottom. */
static void click_side_button(HWND frame, int n)
{
    HWND side = FindWindowExA(frame, NULL, "SideMenuClass", NULL);
    RECT area;
    if (!side || !GetClientRect(side, &area)) {
        fail("no side menu");
        return;
    }
    const LPARAM at = MAKELPARAM(35, n >= 0 ? 6 + n * 27 + 10 : area.bottom - 16);
    PostMessageA(side, WM_MOUSEMOVE, 0, at);
    PostMessageA(side, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageA(side, WM_LBUTTONUP, 0, at);
    Sleep(400);
}

static void full_demo(HWND frame, const char *dir)
{
    char path[MAX_PATH], title[512];
    HWND client = FindWindowExA(frame, NULL, "MDICLIENT", NULL);
    HWND table = client ? FindWindowExA(client, NULL, "MdiClass", "測点入力") : NULL;
    if (!table) {
        fail("no station table child");
        return;
    }
    /* The stations, typed into the table child row by row. */
    for (size_t i = 0; i < sizeof kStations / sizeof kStations[0]; ++i)
        for (int c = 0; c < 3; ++c)
            type_text(table, kStations[i][c]);
    if (!wait_title("(5 測点)", 20000))
        return;
    /* The mistyped distance: up four rows to T2, Tab to its distance, the
       old value rubbed out, the right one typed. */
    for (int i = 0; i < 4; ++i)
        PostMessageA(table, WM_KEYDOWN, VK_UP, 1);
    PostMessageA(table, WM_KEYDOWN, VK_TAB, 1);
    PostMessageA(table, WM_KEYDOWN, VK_TAB, 1);
    for (int i = 0; i < 12; ++i)
        PostMessageA(table, WM_KEYDOWN, VK_BACK, 1);
    type_text(table, "89.014");
    Sleep(500);
    command(frame, CMD_COMPUTE);
    if (!wait_title("閉合差 0.017 m", 10000))
        return;
    command(frame, CMD_CHILD);
    snprintf(path, sizeof path, "%s\\traverse-table.bmp", dir);
    save_picture(frame, path);

    /* The plan beside the others: the side menu's "並べる", then "平面図". */
    click_side_button(frame, -1);
    click_side_button(frame, 1);
    snprintf(path, sizeof path, "%s\\traverse-plan.bmp", dir);
    save_picture(frame, path);

    /* Saved, cleared and read back: the same closing error again. */
    GetWindowTextA(frame, title, sizeof title);
    command(frame, CMD_SAVE);
    command(frame, CMD_NEW);
    if (!wait_title("(0 測点)", 10000))
        return;
    command(frame, CMD_OPEN);
    HWND again = wait_title("閉合差", 10000);
    char reloaded[512] = "";
    if (again)
        GetWindowTextA(again, reloaded, sizeof reloaded);
    printf("computed: %s\nreloaded: %s\n", title, reloaded);
    if (strcmp(title, reloaded) != 0)
        fail("the reloaded file computes differently");

    /* The second instance asks this one for its stations. */
    command(frame, CMD_SECOND);
    HWND second = wait_title("第二インスタンス (5 測点受信)", 30000);
    if (second) {
        snprintf(path, sizeof path, "%s\\traverse-second.bmp", dir);
        save_picture(second, path);
        PostMessageA(second, WM_SYSCOMMAND, SC_CLOSE, 0);
        wait_gone(second, 10000);
    }
}

int main(int argc, char **argv)
{
    const int full = argc > 2 && strcmp(argv[1], "full") == 0;
    if (!full && !(argc > 1 && strcmp(argv[1], "quick") == 0)) {
        fprintf(stderr, "usage: traverse_demo full DIR | quick\n");
        return 2;
    }
    if (full)
        DeleteFileA(FILE_NAME);
    STARTUPINFOA start;
    memset(&start, 0, sizeof start);
    start.cb = sizeof start;
    PROCESS_INFORMATION process;
    char line[] = "traverse.exe " FILE_NAME;
    if (!CreateProcessA(NULL, line, NULL, NULL, FALSE, 0, NULL, NULL, &start, &process)) {
        fail("traverse.exe could not be started");
        return 1;
    }
    HWND frame = wait_title(FRAME_TITLE, 30000);
    if (frame) {
        Sleep(500);
        if (full)
            full_demo(frame, argv[2]);
        PostMessageA(frame, WM_SYSCOMMAND, SC_CLOSE, 0);
    }
    DWORD code = 1;
    if (WaitForSingleObject(process.hProcess, 20000) != WAIT_OBJECT_0) {
        fail("traverse.exe did not end");
        TerminateProcess(process.hProcess, 1);
    } else if (GetExitCodeProcess(process.hProcess, &code) && code != 0) {
        fail("traverse.exe ended with a failure");
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    printf("traverse_demo %s: %s\n", argv[1], failures ? "FAILED" : "passed");
    return failures ? 1 : 0;
}
