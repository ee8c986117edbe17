// setArgv on arbitrary lines, with the buffer and array sized exactly as documented
// (strlen + 1 bytes, strlen + 2 entries) so that any overrun reaches a redzone.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "zek2/args.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const std::string line(reinterpret_cast<const char *>(data),
                           strnlen(reinterpret_cast<const char *>(data), size));
    const size_t len = line.size();
    std::vector<char> text(line.begin(), line.end());
    text.push_back('\0');
    std::vector<char> buf(len + 1);
    std::vector<char *> argv(len + 2, nullptr);
    int argc = -1;
    const int r = setArgv(text.data(), &argc, argv.data(), buf.data());
    if (argc < 1 || static_cast<size_t>(argc) > len + 2 || r != argc) std::abort();
    size_t total = 0;
    for (int i = 1; i < argc; ++i) {
        const char *a = argv[i];
        if (a < buf.data() || a > buf.data() + len) std::abort();
        if (i > 1 && a <= argv[i - 1]) std::abort();
        total += std::strlen(a);
    }
    if (total > len) std::abort();
    // The line itself is left as it was.
    if (std::memcmp(text.data(), line.data(), len) != 0) std::abort();
    return 0;
}
