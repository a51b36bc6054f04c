#include <gtest/gtest.h>
#include "LogindSessions.h"
#include "ScopedEnvironment.h"
#include "StoppableProcess.h"
#include "TemporaryFolder.h"
#include "TestPrograms.h"
#include "TestProcesses.h"
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

//==============================================================================
/** A process standing for a session's leader, started with XAUTHORITY set
    (or not) in its environment. */
class FakeSessionLeader
{
public:
    FakeSessionLeader (const juce::File& folder, const juce::String& xauthority)
        : executable (programs::copyTestChild (folder))
    {
        ScopedEnvironment variable ("XAUTHORITY", xauthority);
        process = std::make_unique<StoppableProcess> (executable, juce::StringArray { "-", "60000", "0" },
                                                      folder.getChildFile ("leader.txt"));

        for (int i = 0; i < 300 && processId == 0; ++i, juce::Thread::sleep (10))
            if (const auto ids = programs::findAllOf (executable); ! ids.empty())
                processId = ids.front();
    }

    juce::File executable;
    std::unique_ptr<StoppableProcess> process;
    juce::uint64 processId = 0;
};

TEST_F (LogindSessionFiles, XAuthorityIsTheSessionLeadersElseTheUsersOwnFile)
{
    const auto home = folder.get().getChildFile ("home");
    home.createDirectory();

    // A user no process belongs to, so only the leader and the home count.
    LogindSessions::Session session;
    session.id = 7;
    session.userId = 3999999999u;

    const FakeSessionLeader leader (folder.get(), "/run/user/1000/gdm/Xauthority");
    ASSERT_NE (leader.processId, 0u);
    session.leaderProcessId = leader.processId;
    EXPECT_EQ (LogindSessions::findXAuthority (session, home.getFullPathName()), "/run/user/1000/gdm/Xauthority");

    session.leaderProcessId = 0;
    EXPECT_EQ (LogindSessions::findXAuthority (session, home.getFullPathName()), "") << "no file in the home";

    ASSERT_TRUE (home.getChildFile (".Xauthority").replaceWithText ("cookie"));
    EXPECT_EQ (LogindSessions::findXAuthority (session, home.getFullPathName()), home.getChildFile (".Xauthority").getFullPathName());
}

TEST_F (LogindSessionFiles, TheLeaderIsReadFromTheSessionFile)
{
    write ("sessions/4", "UID=1000\nUSER=alice\nSTATE=active\nLEADER=1234\n");
    const auto session = LogindSessions::findSession (4);
    ASSERT_TRUE (session.has_value());
    EXPECT_EQ (session->leaderProcessId, 1234u);
}
