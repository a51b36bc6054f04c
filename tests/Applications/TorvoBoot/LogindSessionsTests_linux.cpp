#include <gtest/gtest.h>
#include "LogindSessions.h"
#include "ScopedEnvironment.h"
#include "TemporaryFolder.h"
#include "UserSession.h"

// Who is logged on, read from logind's published session files.

class LogindSessionFiles : public testing::Test
{
protected:
    void SetUp() override
    {
        folder.get().getChildFile ("seats").createDirectory();
        folder.get().getChildFile ("sessions").createDirectory();
    }

    void write (const juce::String& path, const juce::String& text)
    {
        folder.get().getChildFile (path).replaceWithText (text);
    }

    TemporaryFolder folder;
    ScopedEnvironment runtime { "TORVO_LOGIND_RUNTIME_DIR", folder.get().getFullPathName() };
};

TEST_F (LogindSessionFiles, TheActiveSessionOfSeat0IsTheLoggedOnUser)
{
    write ("seats/seat0", "ACTIVE=4\nACTIVE_UID=1000\n");
    write ("sessions/4", "# comment\nUID=1000\nUSER=alice\nSTATE=active\nDISPLAY=:0\n");

    EXPECT_EQ (getActiveConsoleSessionWithUser(), 4);
    EXPECT_TRUE (sessionHasUserToken (4));
    const auto session = LogindSessions::findSession (4);
    ASSERT_TRUE (session.has_value());
    EXPECT_EQ (session->userName, "alice");
    EXPECT_EQ (session->userId, 1000u);
    EXPECT_EQ (session->display, ":0");
}

struct SessionCase
{
    const char* seat;
    const char* session;
    int expected;
};

class LogindNobodyCases : public LogindSessionFiles,
                          public testing::WithParamInterface<SessionCase> {};

TEST_P (LogindNobodyCases, MeanNobodyIsLoggedOn)
{
    write ("seats/seat0", GetParam().seat);
    write ("sessions/4", GetParam().session);
    write ("sessions/c1", "UID=120\nUSER=greeter\nSTATE=active\n");
    EXPECT_EQ (getActiveConsoleSessionWithUser(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P (Cases, LogindNobodyCases, testing::Values (
    SessionCase { "ACTIVE=c1\n", "UID=1000\nSTATE=online\n", -1 },          // a greeter's session is nobody's
    SessionCase { "", "UID=1000\nSTATE=active\n", -1 },                     // an idle seat
    SessionCase { "ACTIVE=4\n", "UID=1000\nSTATE=closing\n", -1 },          // logging out
    SessionCase { "ACTIVE=4\n", "USER=alice\nSTATE=active\n", -1 },         // no user id
    SessionCase { "ACTIVE=5\n", "UID=1000\nSTATE=active\n", -1 }));         // a session without a file

TEST_F (LogindSessionFiles, ASessionSwitchedAwayFromLosesItsToken)
{
    write ("sessions/4", "UID=1000\nUSER=alice\nSTATE=online\nACTIVE=0\n");
    EXPECT_FALSE (sessionHasUserToken (4));
    EXPECT_FALSE (sessionHasUserToken (-1));
}
