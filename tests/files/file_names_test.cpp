// Splitting and joining Shift-JIS file names; no file-system access.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "zek2/filenames.h"

namespace {

// Two-byte characters whose trail byte is 0x5C ('\'): 表, ソ, 能.
#define HYO "\x95\x5C"
#define SO "\x83\x5C"
#define NOU "\x94\x5C"

std::string pathOf(const char *name)
{
    char out[1024] = "garbage";
    GetFileNameToPathName(name, out);
    return out;
}

// Output of a name function whose result is the output's length.
template <typename Fn>
std::string lengthOut(Fn fn, const char *name)
{
    char out[1024] = "garbage";
    const int n = fn(name, out);
    EXPECT_EQ(n, int(std::strlen(out))) << name;
    return out;
}
std::string fileOf(const char *name) { return lengthOut(GetFileNameToFileName, name); }
std::string keyOf(const char *name) { return lengthOut(GetFileNameToKeyName, name); }
std::string outputName(const char *text) { return lengthOut(SetOutputFileName, text); }

std::string withExtension(const char *name, const char *extension)
{
    char buffer[1024];
    std::strcpy(buffer, name);
    EXPECT_EQ(SetFileNameToCheck(buffer, extension), 1) << name;
    return buffer;
}

TEST(FileNames, PartsAndExtensionsWithTrailByte5CNeverASeparator)
{
    const struct { std::string (*part)(const char *); const char *name, *want; } cases[] = {
        {pathOf, "C:\\a\\b.txt", "C:\\a"}, {pathOf, "C:\\b.txt", "C:"}, {pathOf, "C:b.txt", "C:"},
        {pathOf, "b.txt", "b.txt"}, {pathOf, "", ""}, {fileOf, "C:b.txt", "b.txt"}, {fileOf, "C:\\a\\", ""},
        {keyOf, "C:\\a.b\\c.txt", "c"}, {keyOf, "C:\\a\\.txt", ""}, {keyOf, "a.tar.gz", "a.tar"},
        {keyOf, "C:\\a.b\\c", "c"},  // a full stop of a directory is not the extension
        {pathOf, "C:\\" HYO SO, "C:"}, {pathOf, "C:\\" HYO "\\" SO ".dat", "C:\\" HYO},
        {fileOf, "C:\\" HYO "\\" SO ".dat", SO ".dat"}, {keyOf, "C:\\x\\" NOU HYO ".dat", NOU HYO},
        {pathOf, NOU, NOU}, {fileOf, "C:\\a\\b\x95", "b\x95"},  // a lead byte at the end stands alone
    };
    for (const auto &c : cases)
        EXPECT_EQ(c.part(c.name), c.want) << c.name;

    const char *name = "a.tar.gz";
    EXPECT_EQ(GetFileNameToFileType(name), name + 6);
    EXPECT_EQ(GetFileNameToFileType(name + 6), name + 8) << "the empty end of a name without '.'";
    EXPECT_STREQ(GetFileNameToFileType("C:\\a.b\\c"), "b\\c") << "searched over the whole name";
    EXPECT_STREQ(GetFileNameToFileType("D:\\" HYO ".csv"), "csv");
    EXPECT_EQ(GetFileNameToFileType(""), nullptr);

    // The extension is replaced and the directory kept.
    const char *const extended[][2] = {
        {"C:\\x\\y.dat", "C:\\x\\y.bak"}, {"y.dat", "y.bak"}, {"C:y.dat", "C:y.bak"},
        {"C:\\a.b\\c", "C:\\a.b\\c.bak"}, {"C:\\" HYO "\\" SO ".dat", "C:\\" HYO "\\" SO ".bak"}};
    for (const auto &e : extended)
        EXPECT_EQ(withExtension(e[0], "bak"), e[1]);
    EXPECT_EQ(withExtension("C:\\x\\y.dat", ""), "C:\\x\\y");
}

TEST(FileNames, OverlongNamesRefusedNotCutAndOutputNamesMadeSafe)
{
    char out[2048];
    const std::string fits = "C:\\" + std::string(ZEK_NAME_MAX_BYTES - 7, 'a') + ".txt";
    EXPECT_EQ(GetFileNameToFileName(fits.c_str(), out), ZEK_NAME_MAX_BYTES - 3);
    EXPECT_EQ(GetFileNameToPathName((fits + "x").c_str(), out), nullptr);
    EXPECT_STREQ(out, "");

    std::string wide = "a";  // the limit counts bytes: 129 characters here fit, 130 do not
    for (int i = 0; i < ZEK_NAME_MAX_BYTES / 2; ++i)
        wide += HYO;
    EXPECT_EQ(GetFileNameToFileName(wide.c_str(), out), ZEK_NAME_MAX_BYTES);
    EXPECT_EQ(GetFileNameToKeyName((wide.substr(1) + HYO).c_str(), out), 0);
    EXPECT_STREQ(out, "");

    std::strcpy(out, fits.c_str());
    EXPECT_EQ(SetFileNameToCheck(out, "text"), 0) << "the longer result would not fit";
    EXPECT_EQ(std::string(out), fits);

    // Null arguments give the failure result.
    EXPECT_EQ(GetFileNameToPathName("a\\b", nullptr), nullptr);
    EXPECT_EQ(GetFileNameToKeyName("a", nullptr) | SetOutputFileName("a", nullptr), 0);
    EXPECT_EQ(SetFileNameToCheck(nullptr, "bak") | SetFileNameToCheck(out, nullptr), 0);
    EXPECT_EQ(std::string(out), fits);
    EXPECT_EQ(GetFileNameToFileName(nullptr, out), 0);
    EXPECT_STREQ(out, "");

    // Output names: forbidden characters become full width, other bytes underscores.
    EXPECT_EQ(outputName("a/b:c"), "a\x81\x5E" "b\x81\x46" "c");
    EXPECT_EQ(outputName("\"*./:;<>?\\|"),
              "\x81\x68\x81\x96\x81\x44\x81\x5E\x81\x46\x81\x47\x81\x83\x81\x84\x81\x48\x81\x8F"
              "\x81\x62");
    EXPECT_EQ(outputName(HYO "\xB1\xDF" "A z~"), HYO "\xB1\xDF" "A z~");
    EXPECT_EQ(outputName("a\tb\x7F\x80\xA0\xFD"), "a_b____");
    EXPECT_EQ(outputName("\x95\x0A" "b\x95"), "__b_") << "lead bytes without a valid trail byte";
}

}  // namespace
