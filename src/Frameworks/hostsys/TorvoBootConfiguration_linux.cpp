#include "hostsys/TorvoBootConfiguration.h"
#include <tavcore/ExecutionContext.h>
#include <tavcore/Thread.h>
#include <sys/stat.h>
#include <unistd.h>

namespace os
{

namespace
{
    /** Why a file or folder could be changed by others than root; empty when it cannot. */
    juce::String findForeignWriter (const juce::File& item, bool isFolder)
    {
        struct stat status {};

        if (::stat (item.getFullPathName().toRawUTF8(), &status) != 0)
            return item.getFullPathName() + " cannot be examined: "
                 + tav::Thread::getOsErrorCodeString (tav::Thread::getLastOsErrorCode (false));

        if (status.st_uid != 0)
            return item.getFullPathName() + " belongs to user " + juce::String ((juce::uint64) status.st_uid) + ", not root";

        // In a folder with the sticky bit (like /tmp) others cannot replace root's files.
        const bool sticky = isFolder && (status.st_mode & S_ISVTX) != 0;

        if ((status.st_mode & S_IWOTH) != 0 && ! sticky)
            return item.getFullPathName() + " may be written by every user";

        if ((status.st_mode & S_IWGRP) != 0 && status.st_gid != 0 && ! sticky)
            return item.getFullPathName() + " may be written by group " + juce::String ((juce::uint64) status.st_gid);

        return {};
    }
}

juce::File TorvoBootConfiguration::getMachineWideFolder()
{
    return juce::File ("/etc/torvo");
}

juce::Result TorvoBootConfiguration::checkPersistentFile (const juce::File& file) const
{
    // Only a service running as root can be made to do more than its user could.
    if (::geteuid() != 0)
        return juce::Result::ok();

    for (auto [item, isFolder] : { std::pair (file, false), std::pair (file.getParentDirectory(), true) })
        if (const auto reason = findForeignWriter (item, isFolder); reason.isNotEmpty())
            return juce::Result::fail ("Refused the boot configuration " + file.getFullPathName() + ": " + reason);

    return juce::Result::ok();
}

bool TorvoBootConfiguration::protectConfigurationFolder()
{
    const auto folder = getMachineWideFolder();
    const auto path = folder.getFullPathName().toRawUTF8();

    if (! folder.createDirectory()
         || (::geteuid() == 0 && ::chown (path, 0, 0) != 0)
         || ::chmod (path, 0755) != 0)
    {
        tav::ExecutionContext::get().error ("Cannot protect the configuration folder " + folder.getFullPathName() + ": "
                                            + tav::Thread::getOsErrorCodeString (tav::Thread::getLastOsErrorCode (false)));
        return false;
    }

    return true;
}

} // namespace os
