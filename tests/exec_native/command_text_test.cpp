// Command texts: what names nothing, where the module name ends, the bound.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "../../process/command_text.h"

TEST(CommandText, EmptyOrSpaceLedTextsNameNothing)
{
    for (const char *text : {static_cast<const char *>(nullptr), "", " Proc", " a\\b"})
        EXPECT_FALSE(split_command_text(text).names) << (text ? text : "null");
}

TEST(CommandText, TheFirstBackslashEndsTheModuleName)
{
    CommandText c = split_command_text("Proc");
    EXPECT_TRUE(c.names && !c.inModule);
    EXPECT_STREQ(c.procedure, "Proc");
    c = split_command_text("tool.dll\\Run\\More");
    EXPECT_TRUE(c.inModule);
    EXPECT_STREQ(c.module, "tool.dll");
    EXPECT_STREQ(c.procedure, "Run\\More");
    c = split_command_text("tool.dll\\");
    EXPECT_TRUE(c.inModule);
    EXPECT_STREQ(c.procedure, "");
    // 0x5C as the second byte of a two-byte character is no separator.
    c = split_command_text("\x95\x5C" "a.dll\\P");
    EXPECT_STREQ(c.module, "\x95\x5C" "a.dll");
    EXPECT_STREQ(c.procedure, "P");
}

TEST(CommandText, OnlyThe127FirstBytesCountCutBetweenCharacters)
{
    const std::string name(200, 'n');
    EXPECT_EQ(std::strlen(split_command_text(name.c_str()).procedure), 127u);
    const std::string kanji = std::string(126, 'n') + "\x95\x5C" + "x";
    EXPECT_EQ(std::strlen(split_command_text(kanji.c_str()).procedure), 126u);
    const std::string lateSlash = std::string(127, 'm') + "\\P";
    EXPECT_FALSE(split_command_text(lateSlash.c_str()).inModule);
}
