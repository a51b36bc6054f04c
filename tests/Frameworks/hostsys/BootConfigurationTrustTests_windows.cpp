#include <gtest/gtest.h>
#include "TemporaryFolder.h"
#include <hostsys/TorvoBootConfiguration.h>
#include <windows.h>
#include <aclapi.h>
#include <sddl.h>

// The service runs as LocalSystem: a configuration others may write is
// refused, and the install closes the configuration folder to them.

namespace
{
    /** Gives a file or folder exactly the access list of an SDDL text. */
    bool setAccessList (const juce::File& item, const wchar_t* sddl)
    {
        PSECURITY_DESCRIPTOR descriptor = nullptr;
        BOOL present = FALSE, defaulted = FALSE;
        PACL acl = nullptr;

        if (! ::ConvertStringSecurityDescriptorToSecurityDescriptorW (sddl, SDDL_REVISION_1, &descriptor, nullptr))
            return false;

        const bool set = ::GetSecurityDescriptorDacl (descriptor, &present, &acl, &defaulted)
                      && ::SetNamedSecurityInfoW (const_cast<wchar_t*> (item.getFullPathName().toWideCharPointer()), SE_FILE_OBJECT,
                                                  DACL_SECURITY_INFORMATION | PROTECTED_DACL_SECURITY_INFORMATION,
                                                  nullptr, nullptr, acl, nullptr) == ERROR_SUCCESS;
        ::LocalFree (descriptor);
        return set;
    }

    /** Wine keeps no access lists of files: it makes them up from the Unix
        mode bits (owner, SYSTEM, Everyone), so entries for other groups and
        the protected flag are lost there. */
    bool isWine()
    {
        return ::GetProcAddress (::GetModuleHandleW (L"ntdll.dll"), "wine_get_version") != nullptr;
    }

    /** The access list of a file or folder as SDDL text. */
    juce::String getAccessList (const juce::File& item)
    {
        PSECURITY_DESCRIPTOR descriptor = nullptr;
        PACL acl = nullptr;

        if (::GetNamedSecurityInfoW (item.getFullPathName().toWideCharPointer(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION,
                                     nullptr, nullptr, &acl, nullptr, &descriptor) != ERROR_SUCCESS)
            return {};

        LPWSTR text = nullptr;
        juce::String result;

        if (::ConvertSecurityDescriptorToStringSecurityDescriptorW (descriptor, SDDL_REVISION_1, DACL_SECURITY_INFORMATION, &text, nullptr))
        {
            result = juce::String (text);
            ::LocalFree (text);
        }

        ::LocalFree (descriptor);
        return result;
    }
}

struct AccessListCase
{
    const wchar_t* sddl;
    const char* refusal;          // the end of the refusal, or nullptr when accepted
    const char* writer;           // the SDDL entry that lets someone else write, if any
};

class BootConfigurationTrust : public testing::TestWithParam<AccessListCase> {};

TEST_P (BootConfigurationTrust, AcceptsOnlyFilesNobodyButAdministratorsMayWrite)
{
    TemporaryFolder folder;
    const auto file = folder.get().getChildFile ("TorvoBoot.configuration");
    ASSERT_TRUE (file.replaceWithText ("TorvoBootConfiguration {}\n"));
    ASSERT_TRUE (setAccessList (file, GetParam().sddl));

    if (GetParam().writer != nullptr && ! getAccessList (file).contains (GetParam().writer))
        GTEST_SKIP() << "the file system keeps no such entry: " << getAccessList (file);

    const auto result = os::TorvoBootConfiguration().checkPersistentFile (file);

    if (GetParam().refusal == nullptr)
    {
        EXPECT_TRUE (result.wasOk()) << result.getErrorMessage() << "\n" << getAccessList (file);
    }
    else
    {
        EXPECT_TRUE (result.getErrorMessage().startsWith ("Refused the boot configuration " + file.getFullPathName() + ": "))
            << result.getErrorMessage();
        EXPECT_TRUE (result.getErrorMessage().endsWith (GetParam().refusal)) << result.getErrorMessage() << "\n" << getAccessList (file);
    }
}

INSTANTIATE_TEST_SUITE_P (Cases, BootConfigurationTrust, testing::Values (
    AccessListCase { L"D:P(A;;FA;;;SY)(A;;FA;;;BA)(A;;FRFX;;;BU)", nullptr, nullptr },
    AccessListCase { L"D:P(A;;FA;;;SY)(A;OICIIO;FA;;;BU)", nullptr, nullptr },             // passed on to children only
    AccessListCase { L"D:P(A;;FA;;;SY)(A;;FA;;;WD)", "S-1-1-0 may write it", ";WD)" },     // Everyone
    AccessListCase { L"D:P(A;;FA;;;SY)(A;;FW;;;BU)", "S-1-5-32-545 may write it", ";BU)" },
    AccessListCase { L"D:P(A;;FA;;;SY)(A;;GA;;;AU)", "S-1-5-11 may write it", ";AU)" }));

TEST (BootConfigurationFolder, IsClosedToOrdinaryUsersAtInstall)
{
    const auto folder = os::TorvoBootConfiguration::getConfigurationFile().getParentDirectory();
    folder.createDirectory();
    ASSERT_TRUE (setAccessList (folder, L"D:(A;OICI;FA;;;WD)")) << "a folder anyone may write, as a careless copy leaves it";
    ASSERT_TRUE (os::TorvoBootConfiguration().checkPersistentFile (folder).failed()) << getAccessList (folder);

    ASSERT_TRUE (os::TorvoBootConfiguration::protectConfigurationFolder());
    const auto acl = getAccessList (folder);
    EXPECT_TRUE (os::TorvoBootConfiguration().checkPersistentFile (folder).wasOk()) << acl;

    if (! isWine())
    {
        EXPECT_TRUE (acl.startsWith ("D:P")) << acl << ": inherited entries are kept out";
        EXPECT_TRUE (acl.contains ("(A;OICI;FA;;;BA)")) << acl;
    }

    // What is saved there afterwards passes the service's check.
    const auto file = folder.getChildFile ("trust-test.configuration");
    ASSERT_TRUE (file.replaceWithText ("TorvoBootConfiguration {}\n"));
    const auto result = os::TorvoBootConfiguration().checkPersistentFile (file);
    EXPECT_TRUE (result.wasOk()) << result.getErrorMessage() << "\n" << getAccessList (file);
    file.deleteFile();
}
