// Random toolbar files rewritten. The input is copied into an exact-size heap
// buffer so a read past it is caught. The program's lines come out byte for
// byte after exactly two lines of ours, the name token is the file's own (or
// the fallback), and rewriting the result again changes nothing.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "../furniture/toolbar_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    std::unique_ptr<char[]> bytes(new char[size ? size : 1]);
    std::memcpy(bytes.get(), data, size);
    const ToolFileLayout layout{int32_t(size), -1, INT32_MIN, INT32_MAX, 0, 7};

    std::string out;
    if (!rewrite_tool_file(bytes.get(), size, layout, "fall back", &out))
        std::abort();
    // Our two lines, then the input from its third line on.
    const size_t nl1 = out.find('\n');
    const size_t nl2 = nl1 == std::string::npos ? nl1 : out.find('\n', nl1 + 1);
    if (nl2 == std::string::npos)
        std::abort();
    const std::string in(bytes.get(), size);
    const size_t in1 = in.find('\n');
    const size_t in2 = in1 == std::string::npos ? in1 : in.find('\n', in1 + 1);
    const std::string tail = in2 == std::string::npos ? "" : in.substr(in2 + 1);
    if (out.compare(nl2 + 1, std::string::npos, tail) != 0)
        std::abort();

    std::string name, outName;
    if (!tool_file_name(bytes.get(), size, &name))
        name = "fall_back";
    if (!tool_file_name(out.data(), out.size(), &outName) || outName != name)
        std::abort();

    std::string again;
    if (!rewrite_tool_file(out.data(), out.size(), layout, "other", &again) || again != out)
        std::abort();
    return 0;
}
