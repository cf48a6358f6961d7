// The catalogue on the code page this process runs with (CTest runs it on
// 1252, 950 and 936); the texts themselves are checked where the chooser
// shows them (tests/install, tests/shell).
#include "locale/catalogue.h"

#include <gtest/gtest.h>

#include "tests/support/chooser_session.h"

namespace {

TEST(Catalogue, LanguageOfTheCodePageAndLow16BitIds) {
  const bool dbcs = GetSystemMetrics(SM_DBCSENABLED) != 0;
  EXPECT_EQ(dbcs && GetACP() == 950, IsBig5System() == 1);
  EXPECT_EQ(dbcs && GetACP() == 936, IsGbSystem() == 1);
  EXPECT_EQ(dbcs && GetACP() == 1252, IsWesternSystem() == 1);
  EXPECT_EQ(session::Caption(), GetMessageText(MSG_CAPTION));
  for (UINT id : {0x10003u, 0xFFFF0004u, 0x20006u, 0x10001u}) {
    SCOPED_TRACE(id);
    EXPECT_STREQ(GetMessageText(LOWORD(id)), GetMessageText(id));
    EXPECT_NE(nullptr, GetMessageText(id));
  }
  for (UINT id : {0u, 2u, 5u, 7u, 0x10000u}) EXPECT_EQ(nullptr, GetMessageText(id)) << id;
}

}  // namespace
