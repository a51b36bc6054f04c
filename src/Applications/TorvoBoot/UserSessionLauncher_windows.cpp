#include "UserSessionLauncher.h"
#include "UserSession.h"
#include <hostsys/Process.h>
#include <tavcore/ExecutionContext.h>
#include <tavcore/Thread.h>
#include <map>
#include <windows.h>
#include <userenv.h>
#include <wtsapi32.h>

namespace
{
    // One open handle per watched process; used only on the service thread.
    std::map<juce::uint64, HANDLE> processHandles;

    juce::String getOsErrorText()
    {
        return tav::Thread::getOsErrorCodeString (tav::Thread::getLastOsErrorCode (false));
    }

    tav::ExecutionContext& log()
    {
        return tav::ExecutionContext::get();
    }

    void storeHandle (juce::uint64 processId, HANDLE handle)
    {
        auto& stored = processHandles[processId];

        if (stored != nullptr && stored != handle)
            ::CloseHandle (stored);

        stored = handle;
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

        ::CloseHandle (info.hThread);
        storeHandle (info.dwProcessId, info.hProcess);
        return info.dwProcessId;
    }

    juce::uint64 createAsChild (std::wstring& commandLine, DWORD flags, const wchar_t* directory, STARTUPINFOW& startup)
    {
        PROCESS_INFORMATION info {};

        if (! ::CreateProcessW (nullptr, commandLine.data(), nullptr, nullptr, FALSE, flags, nullptr, directory, &startup, &info))
        {
            log().error ("CreateProcessW failed: " + getOsErrorText());
            return 0;
        }

        ::CloseHandle (info.hThread);
        storeHandle (info.dwProcessId, info.hProcess);
        return info.dwProcessId;
    }
}

//==============================================================================
juce::uint64 findRunningProcess (const juce::String& executable, const juce::String& arguments, bool ignoreDebugPostfix)
{
    std::vector<juce::uint64> handles;
    const auto options = os::Process::Options().withArguments (arguments)
                                               .withProcessHandles (&handles)
                                               .withIgnoreDebugPostfix (ignoreDebugPostfix);
    const auto ids = os::Process::findRunningProcessIds (executable, options);

    for (size_t i = 0; i < ids.size() && i < handles.size(); ++i)
        storeHandle (ids[i], reinterpret_cast<HANDLE> (handles[i]));

    return ids.empty() ? 0 : ids.front();
}

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

void trackProcessHandle (juce::uint64 processId)
{
    if (processHandles.count (processId) != 0)
        return;

    if (HANDLE handle = ::OpenProcess (SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, (DWORD) processId))
        processHandles[processId] = handle;
}

bool isProcessRunning (juce::uint64 processId)
{
    const auto it = processHandles.find (processId);

    if (it == processHandles.end())
        return false;

    // A failing query leaves the preset code, so the process counts as running.
    DWORD exitCode = STILL_ACTIVE;
    ::GetExitCodeProcess (it->second, &exitCode);

    if (exitCode == STILL_ACTIVE)
        return true;

    ::CloseHandle (it->second);
    processHandles.erase (it);
    return false;
}
