// The message catalogue on the code page this process runs with. CTest runs
// this program three times: on 1252, 950 and 936.
#include "locale/catalogue.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const char kBig5NoTool[] =
    "\xa8t\xb2\xce\xa9|\xa5\xbc\xa6w\xb8\xcb Palm Desktop\xa1" "A\xbd\xd0\xad\xab\xb7s\xa6w"
    "\xb8\xcb\xa6" "A\xb0\xf5\xa6\xe6\xa5\xbb\xb5{\xa6\xa1\xa1" "C";
const char kBig5TooLong[] =
    "\xa6w\xb8\xcb\xc0\xc9\xae\xd7\xb2M\xb3\xe6\xb9L\xaa\xf8\xa1" "A\xb6W\xa5X Palm Desktop "
    "\xa6w\xb8\xcb\xa4u\xa8\xe3\xaa\xba\xa9R\xa5O\xa6" "C\xaa\xf8\xab\xd7\xa1" "A\xa5\xbc"
    "\xa6w\xb8\xcb\xa5\xf4\xa6\xf3\xc0\xc9\xae\xd7\xa1" "C";
const char kTooLong[] =
    "The list of files to install is too long for the Palm Desktop install tool's command line. "
    "Nothing has been installed.";
const char kBig5NothingSelected[] =
    "\xbd\xd0\xbf\xef\xbe\xdc\xa9\xd2\xbb\xdd\xa6w\xb8\xcb\xaa\xba\xb3n\xa5\xf3\xa1" "C";

std::string Text(UINT id) {
  const char *text = GetMessageText(id);
  return text ? text : "<null>";
}

TEST(CodePageChecks, FollowTheSystemCodePage) {
  const bool dbcs = GetSystemMetrics(SM_DBCSENABLED) != 0;
  EXPECT_EQ(dbcs && GetACP() == 950, IsBig5System() == 1);
  EXPECT_EQ(dbcs && GetACP() == 936, IsGbSystem() == 1);
  EXPECT_EQ(dbcs && GetACP() == 1252, IsWesternSystem() == 1);
}

TEST(GetMessageText, SpeaksTheSystemsLanguage) {
  const UINT acp = GetACP();
  ASSERT_TRUE(acp == 950 || acp == 936 || acp == 1252) << "unexpected code page " << acp;
  struct Case {
    UINT id;
    std::string big5, english;
  } cases[] = {
      {1, "Kivo2000", "Kivo"},
      {3, kBig5NoTool,
       "Palm Desktop has not installed yet, please install it and run this program again."},
      {4, kBig5NothingSelected, "Please select software to install."},
      {6, kBig5TooLong, kTooLong},
      {0x20006, kBig5TooLong, kTooLong},
      {0x10003, kBig5NoTool,  // only the low 16 bits count
       "Palm Desktop has not installed yet, please install it and run this program again."},
      {0xFFFF0001, "Kivo2000", "Kivo"},
      {0, "<null>", "<null>"},
      {2, "<null>", "<null>"},
      {5, "<null>", "<null>"},
      {7, "<null>", "<null>"},
      {0x10000, "<null>", "<null>"},
  };
  const bool big5 = acp == 950;
  for (const Case &c : cases) {
    SCOPED_TRACE(testing::Message() << "id " << std::hex << c.id);
    EXPECT_EQ(big5 ? c.big5 : c.english, Text(c.id));
  }
  EXPECT_EQ(1, g_Locale.decided);
  EXPECT_EQ(big5 ? 1 : 0, g_Locale.big5);
}

TEST(GetMessageTextIn, BothColumnsAreComplete) {
  for (UINT id : {1u, 3u, 4u, 6u}) {
    SCOPED_TRACE(id);
    ASSERT_NE(nullptr, GetMessageTextIn(1, id));
    ASSERT_NE(nullptr, GetMessageTextIn(0, id));
  }
  EXPECT_STREQ(kBig5NoTool, GetMessageTextIn(1, MSG_NO_INSTALL_TOOL));
  EXPECT_STREQ("Please select software to install.", GetMessageTextIn(0, MSG_NOTHING_SELECTED));
}

}  // namespace
