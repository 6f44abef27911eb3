// Paths as text, with no file system: separators, components, normal form and name comparison.
#include "platform/paths/linux/path_text.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace {

struct NormalCase {
    const char* Path;
    const char* Normal;
};

TEST(PathText, LexicallyNormalFoldsDotsAndSeparatorsAsText)
{
    const NormalCase cases[] = {
        {"/a/./b//c/", "/a/b/c"},
        {"/a/b/../c", "/a/c"},
        {"/../a", "/a"},  // ".." above the root stays at the root
        {"a/../../b", "../b"},
        {"a/..", "."},
        {"", "."},
        {"/", "/"},
        {"XEQ/link/../ASME.DLL", "XEQ/ASME.DLL"},  // text only: a link is not followed
    };
    for (const NormalCase& c : cases)
        EXPECT_EQ(LexicallyNormal(c.Path), c.Normal) << c.Path;
}

TEST(PathText, BackslashesBecomeSlashes)
{
    EXPECT_EQ(WithForwardSlashes("C:\\inst\\XEQ\\ASME.DLL"), "C:/inst/XEQ/ASME.DLL");
    EXPECT_EQ(LexicallyNormal(WithForwardSlashes("inst\\\\XEQ\\.\\ASME.DLL")), "inst/XEQ/ASME.DLL");
}

TEST(PathText, SplitsAtTheLastSeparator)
{
    EXPECT_EQ(FileNameOf("/inst/XEQ/QuillSTMech.dll"), "QuillSTMech.dll");
    EXPECT_EQ(FolderOf("/inst/XEQ/QuillSTMech.dll"), "/inst/XEQ/");
    EXPECT_EQ(FileNameOf("QuillSTMech.dll"), "QuillSTMech.dll");
    EXPECT_EQ(FolderOf("QuillSTMech.dll"), "");
    EXPECT_EQ(FileNameOf("/inst/XEQ/"), "");
    EXPECT_EQ(PathComponents("//inst//XEQ/"), (std::vector<std::string_view>{"inst", "XEQ"}));
    EXPECT_EQ(JoinedPath("/inst", "XEQ"), "/inst/XEQ");
    EXPECT_EQ(JoinedPath("/inst/", "XEQ"), "/inst/XEQ");
    EXPECT_EQ(JoinedPath("", "XEQ"), "/XEQ");
}

struct NameCase {
    std::string A;
    std::string B;
    bool Same;
};

TEST(PathText, FileNamesFoldOnlyTheLettersAToZ)
{
    const NameCase cases[] = {
        {"ASME.DLL", "asme.dll", true},
        {"Orvel.Dll", "oRVEL.dLL", true},
        {"ASME.DLL", "ASME.DL", false},
        {"[", "{", false},  // next to the letters, but no letters
        {"@", "`", false},
        // UTF-8 "é" and "É" share their first byte; folding the second as a Windows-1252
        // letter would match them, and so match bytes of other characters too.
        {"\xC3\xA9", "\xC3\x89", false},
        {"\xE9", "\xC9", false},
    };
    for (const NameCase& c : cases)
        EXPECT_EQ(SameNameIgnoringCase(c.A, c.B), c.Same) << c.A << " / " << c.B;
}

}  // namespace
