// Command texts: what names nothing, where the module name ends, the bound.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "../../process/command_text.h"

TEST(CommandText, TheFirstBackslashOfItsOwnEndsTheModuleName)
{
    for (const char *text : {static_cast<const char *>(nullptr), "", " Proc", " a\\b"})
        EXPECT_FALSE(split_command_text(text).names);
    CommandText c = split_command_text("Proc");
    EXPECT_TRUE(c.names && !c.inModule && !std::strcmp(c.procedure, "Proc"));
    c = split_command_text("tool.dll\\Run\\More");
    EXPECT_TRUE(c.inModule && !std::strcmp(c.module, "tool.dll") && !std::strcmp(c.procedure, "Run\\More"));
    // 0x5C as the second byte of a two-byte character is no separator.
    c = split_command_text("\x95\x5C" "a.dll\\P");
    EXPECT_STREQ(c.module, "\x95\x5C" "a.dll");
    EXPECT_STREQ(c.procedure, "P");
}

TEST(CommandText, OnlyThe127FirstBytesCountCutBetweenCharacters)
{
    EXPECT_EQ(std::strlen(split_command_text(std::string(200, 'n').c_str()).procedure), 127u);
    const std::string kanji = std::string(126, 'n') + "\x95\x5C" + "x";
    EXPECT_EQ(std::strlen(split_command_text(kanji.c_str()).procedure), 126u);
    EXPECT_FALSE(split_command_text((std::string(127, 'm') + "\\P").c_str()).inModule);
}
