#include "hostsys/TorvoBootConfiguration.h"
#include "WindowsHandles_windows.h"
#include <tavcore/ExecutionContext.h>
#include <aclapi.h>
#include <sddl.h>
#include <vector>

namespace os
{

namespace
{
    /** Frees what the security functions hand out with LocalAlloc. */
    class ScopedLocalMemory
    {
    public:
        ScopedLocalMemory() = default;
        ~ScopedLocalMemory()                 { if (memory != nullptr) ::LocalFree (memory); }

        void** getAddress() noexcept         { return &memory; }
        void* get() const noexcept           { return memory; }

    private:
        void* memory = nullptr;

        JUCE_DECLARE_NON_COPYABLE (ScopedLocalMemory)
    };

    // SYSTEM and Administrators may change the folder and what it holds;
    // ordinary users may only read. "P" keeps looser inherited entries out.
    constexpr const wchar_t* protectedFolderSddl = L"D:P(A;OICI;FA;;;SY)(A;OICI;FA;;;BA)(A;OICI;FRFX;;;BU)";

    constexpr const wchar_t* trustedInstallerSid = L"S-1-5-80-956008885-3418522649-1831038044-1853292631-2271478464";

    constexpr ACCESS_MASK writeAccess = FILE_WRITE_DATA | FILE_APPEND_DATA | WRITE_DAC | WRITE_OWNER
                                      | GENERIC_WRITE | GENERIC_ALL;

    /** The account the process runs as (SYSTEM for the service). */
    std::vector<BYTE> getOwnUser()
    {
        HANDLE token = nullptr;

        if (! ::OpenProcessToken (::GetCurrentProcess(), TOKEN_QUERY, &token))
            return {};

        const detail::ScopedHandle tokenHandle (token);
        DWORD size = 0;
        ::GetTokenInformation (token, TokenUser, nullptr, 0, &size);
        std::vector<BYTE> buffer (size);

        if (size == 0 || ! ::GetTokenInformation (token, TokenUser, buffer.data(), size, &size))
            return {};

        return buffer;
    }

    juce::String toText (PSID sid)
    {
        ScopedLocalMemory text;

        if (! ::ConvertSidToStringSidW (sid, reinterpret_cast<LPWSTR*> (text.getAddress())))
            return "an unknown account";

        return juce::String (static_cast<const wchar_t*> (text.get()));
    }

    bool isTrustedWriter (PSID sid, const std::vector<BYTE>& ownUser)
    {
        if (::IsWellKnownSid (sid, WinLocalSystemSid) || ::IsWellKnownSid (sid, WinBuiltinAdministratorsSid))
            return true;

        if (! ownUser.empty() && ::EqualSid (sid, reinterpret_cast<const TOKEN_USER*> (ownUser.data())->User.Sid))
            return true;

        return toText (sid) == juce::String (trustedInstallerSid);
    }

    /** The first account or group, other than the trusted ones, that the access list lets write. */
    juce::String findForeignWriter (PACL acl)
    {
        if (acl == nullptr)
            return "it has no access list, so everybody may write it";

        const auto ownUser = getOwnUser();

        for (DWORD i = 0; i < acl->AceCount; ++i)
        {
            void* entry = nullptr;

            if (! ::GetAce (acl, i, &entry))
                continue;

            const auto* header = static_cast<const ACE_HEADER*> (entry);

            // Entries that only pass on to children do not apply to the file itself.
            if (header->AceType != ACCESS_ALLOWED_ACE_TYPE || (header->AceFlags & INHERIT_ONLY_ACE) != 0)
                continue;

            auto* allowed = static_cast<ACCESS_ALLOWED_ACE*> (entry);
            auto* sid = reinterpret_cast<PSID> (&allowed->SidStart);

            if ((allowed->Mask & writeAccess) != 0 && ! isTrustedWriter (sid, ownUser))
                return toText (sid) + " may write it";
        }

        return {};
    }
}

juce::File TorvoBootConfiguration::getMachineWideFolder()
{
    // %ProgramData%: readable by every user; the install keeps it writable
    // by administrators only.
    return juce::File::getSpecialLocation (juce::File::commonApplicationDataDirectory).getChildFile ("Torvo");
}

juce::Result TorvoBootConfiguration::checkPersistentFile (const juce::File& file) const
{
    const auto refuse = [&file] (const juce::String& reason)
    {
        return juce::Result::fail ("Refused the boot configuration " + file.getFullPathName() + ": " + reason);
    };

    PACL acl = nullptr;
    ScopedLocalMemory descriptor;
    const auto error = ::GetNamedSecurityInfoW (file.getFullPathName().toWideCharPointer(), SE_FILE_OBJECT,
                                                DACL_SECURITY_INFORMATION, nullptr, nullptr, &acl, nullptr,
                                                reinterpret_cast<PSECURITY_DESCRIPTOR*> (descriptor.getAddress()));

    if (error != ERROR_SUCCESS)
        return refuse ("its access list cannot be read: " + juce::String ((int) error));

    if (const auto reason = findForeignWriter (acl); reason.isNotEmpty())
        return refuse (reason);

    return juce::Result::ok();
}

bool TorvoBootConfiguration::protectConfigurationFolder()
{
    const auto folder = getMachineWideFolder();
    ScopedLocalMemory descriptor;
    BOOL present = FALSE, defaulted = FALSE;
    PACL acl = nullptr;

    bool ok = folder.createDirectory()
           && ::ConvertStringSecurityDescriptorToSecurityDescriptorW (protectedFolderSddl, SDDL_REVISION_1,
                                                                      reinterpret_cast<PSECURITY_DESCRIPTOR*> (descriptor.getAddress()), nullptr)
           && ::GetSecurityDescriptorDacl (descriptor.get(), &present, &acl, &defaulted);

    if (ok)
    {
        // Setting the list on the folder also hands it down to what is already inside.
        const auto error = ::SetNamedSecurityInfoW (const_cast<wchar_t*> (folder.getFullPathName().toWideCharPointer()), SE_FILE_OBJECT,
                                                    DACL_SECURITY_INFORMATION | PROTECTED_DACL_SECURITY_INFORMATION,
                                                    nullptr, nullptr, acl, nullptr);
        ::SetLastError (error);
        ok = error == ERROR_SUCCESS;
    }

    if (! ok)
        tav::ExecutionContext::get().error ("Cannot protect the configuration folder " + folder.getFullPathName() + ": "
                                            + detail::getLastOsErrorText());

    return ok;
}

} // namespace os
