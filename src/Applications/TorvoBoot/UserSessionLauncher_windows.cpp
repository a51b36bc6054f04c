#include "UserSessionLauncher.h"
#include "UserSession.h"
#include <tavcore/ExecutionContext.h>
#include <tavcore/Thread.h>
#include <windows.h>
#include <userenv.h>
#include <wtsapi32.h>

namespace
{
    juce::String getOsErrorText()
    {
        return tav::Thread::getOsErrorCodeString (tav::Thread::getLastOsErrorCode (false));
    }

    tav::ExecutionContext& log()
    {
        return tav::ExecutionContext::get();
    }

    /** Watches a process just created; its thread handle is not needed. */
    juce::uint64 watchCreatedProcess (const PROCESS_INFORMATION& info)
    {
        ::CloseHandle (info.hThread);
        watchProcess (os::ProcessHandle (info.dwProcessId, reinterpret_cast<std::intptr_t> (info.hProcess)));
        return info.dwProcessId;
    }

    /** The user's token for a session; a full administrator's token is
        exchanged for its linked token, as the user's own programs get it. */
    HANDLE queryUserToken (int session)
    {
        HANDLE token = nullptr;

        if (! ::WTSQueryUserToken ((ULONG) session, &token))
        {
            log().error ("WTSQueryUserToken failed for session " + juce::String (session) + ": " + getOsErrorText());
            return nullptr;
        }

        TOKEN_ELEVATION_TYPE elevationType {};
        DWORD size = 0;

        if (::GetTokenInformation (token, TokenElevationType, &elevationType, sizeof (elevationType), &size)
            && elevationType == TokenElevationTypeFull)
        {
            TOKEN_LINKED_TOKEN linked {};

            if (::GetTokenInformation (token, TokenLinkedToken, &linked, sizeof (linked), &size))
            {
                ::CloseHandle (token);
                token = linked.LinkedToken;
            }
        }

        return token;
    }

    juce::uint64 createInUserSession (const juce::String& executable, std::wstring& commandLine, DWORD flags,
                                      const wchar_t* directory, STARTUPINFOW& startup)
    {
        const int session = getActiveSessionId();

        if (session == -1)
        {
            log().warning ("Cannot launch " + executable + ": no user is logged on");
            return 0;
        }

        HANDLE token = queryUserToken (session);

        if (token == nullptr)
            return 0;

        HANDLE primaryToken = nullptr;
        const BOOL duplicated = ::DuplicateTokenEx (token, MAXIMUM_ALLOWED, nullptr, SecurityImpersonation, TokenPrimary, &primaryToken);
        ::CloseHandle (token);

        if (! duplicated)
        {
            log().error ("DuplicateTokenEx failed: " + getOsErrorText());
            return 0;
        }

        void* environment = nullptr;

        if (! ::CreateEnvironmentBlock (&environment, primaryToken, FALSE))
        {
            log().error ("CreateEnvironmentBlock failed: " + getOsErrorText());
            environment = nullptr;
        }

        wchar_t desktop[] = L"winsta0\\default";
        startup.lpDesktop = desktop;
        PROCESS_INFORMATION info {};
        const BOOL created = ::CreateProcessAsUserW (primaryToken, nullptr, commandLine.data(), nullptr, nullptr, FALSE,
                                                     flags, environment, directory, &startup, &info);
        const auto errorCode = (juce::uint32) ::GetLastError();

        if (environment != nullptr)
            ::DestroyEnvironmentBlock (environment);

        ::CloseHandle (primaryToken);

        if (! created)
        {
            log().error ("CreateProcessAsUserW failed: " + tav::Thread::getOsErrorCodeString (errorCode));
            return 0;
        }

        return watchCreatedProcess (info);
    }

    juce::uint64 createAsChild (std::wstring& commandLine, DWORD flags, const wchar_t* directory, STARTUPINFOW& startup)
    {
        PROCESS_INFORMATION info {};

        if (! ::CreateProcessW (nullptr, commandLine.data(), nullptr, nullptr, FALSE, flags, nullptr, directory, &startup, &info))
        {
            log().error ("CreateProcessW failed: " + getOsErrorText());
            return 0;
        }

        return watchCreatedProcess (info);
    }
}

//==============================================================================
juce::uint64 launchProcess (const juce::String& executable, const juce::String& arguments,
                            const juce::String& workingDirectory, bool showConsole)
{
    STARTUPINFOW startup {};
    startup.cb = sizeof (STARTUPINFOW);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;

    const DWORD flags = showConsole ? (CREATE_NEW_CONSOLE | CREATE_UNICODE_ENVIRONMENT)
                                    : (CREATE_NO_WINDOW | CREATE_UNICODE_ENVIRONMENT);
    std::wstring commandLine = buildLaunchCommandLine (executable, arguments).toWideCharPointer();
    const std::wstring directory = workingDirectory.toWideCharPointer();
    const wchar_t* currentDirectory = workingDirectory.isEmpty() ? nullptr : directory.c_str();

    if (isRunningAsService())
        return createInUserSession (executable, commandLine, flags, currentDirectory, startup);

    return createAsChild (commandLine, flags, currentDirectory, startup);
}
