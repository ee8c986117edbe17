// Exception codes and their Japanese report texts.
#include "exception_text.h"

#include <cstdio>

const char kExceptionCaption[] = "例外処理の通知";

namespace {

struct Row {
    uint32_t code;
    const char *text;
};

const Row kRows[] = {
    {0xC0000005u, "不正なメモリーアクセスが発生しました"},
    {0xC000001Du, "無効な命令が実行されました"},
    {0xC000008Eu, "浮動小数点数の０での除算が発生しました"},
    {0xC0000091u, "浮動小数点数の指数桁があふれました"},
    {0xC0000093u, "浮動小数点数の指数下位が桁があふれました"},
    {0xC0000094u, "整数のゼロでの除算が発生しました"},
    {0xC0000095u, "整数の桁あふれが発生しました"},
    {0xC0000096u, "特権命令が実行されました"},
    {0xC00000FDu, "スタックのオーバーフロウです"},
};

}  // namespace

void exception_text(uint32_t code, char *out, size_t size)
{
    if (!out || size == 0)
        return;
    for (const Row &row : kRows)
        if (row.code == code) {
            std::snprintf(out, size, "%s", row.text);
            return;
        }
    std::snprintf(out, size, "不明なエラーです %x 確認が必要です", unsigned(code));
}
