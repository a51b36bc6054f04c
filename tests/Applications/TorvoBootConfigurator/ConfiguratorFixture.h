#pragma once

#include "MessageRecorder.h"
#include "ScopedEnvironment.h"
#include "TavViewFixture.h"
#include "TemporaryFolder.h"

#include <TorvoBootConfigurationEditor.h>
#include <TorvoBootConfiguratorProgram.h>
#include <hostsys/TorvoBootConfiguration.h>
#include <tavcore/ObjectFile.h>
#include <tavview/SimpleOkButtonMainView.h>

#include <gtest/gtest.h>
#include <optional>

namespace configuratortest
{

//==============================================================================
/** The lines of a menu's top level as a person reads them: "---" for a
    separator, "# Title" for a section header, else the text, followed by
    " (greyed)" when disabled; withIds puts the item id in front. */
inline juce::StringArray describeMenu (const juce::PopupMenu& menu, bool withIds)
{
    juce::StringArray lines;

    for (juce::PopupMenu::MenuItemIterator it (menu); it.next();)
    {
        const auto& item = it.getItem();

        if (item.isSeparator)
            lines.add ("---");
        else if (item.isSectionHeader)
            lines.add ("# " + item.text);
        else
            lines.add ((withIds ? juce::String (item.itemID) + " " : juce::String()) + item.text + (item.isEnabled ? "" : " (greyed)"));
    }

    return lines;
}

/** The item id of a top-level entry by its text, 0 when there is none. */
inline int findItemId (const juce::PopupMenu& menu, const juce::String& text)
{
    for (juce::PopupMenu::MenuItemIterator it (menu); it.next();)
        if (it.getItem().text == text)
            return it.getItem().itemID;

    return 0;
}

//==============================================================================
/**
    The configurator's program with its libraries, on the test's (message)
    thread, over a private world: its configuration store in a folder whose
    name holds spaces and non-ASCII letters, a fake systemctl first on PATH
    that records its calls and says the service runs or not as the test
    chooses, a fake xdg-open that records what it was asked to show, the
    service's control socket path and the system user's home folder.
*/
class ConfiguratorFixture : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE (prepared);
        program.addLibraries (tav::Library::getRootLibrary());
    }

    void TearDown() override
    {
        juce::ModifierKeys::currentModifiers = juce::ModifierKeys();

        if (auto* dialog = tavviewtest::findDialog())
            dialog->exitModalState (0);

        program.getGuiThread().stopTavThread (1000);
        program.removeLibraries (tav::Library::getRootLibrary());
    }

    //==============================================================================
    /** Makes systemctl say that TorvoBoot runs (or not). */
    void setServiceRunning (bool running)
    {
        serviceActive.reset();
        serviceActive.emplace ("FAKE_SYSTEMCTL_ACTIVE", juce::String (running ? "0" : "3"));
    }

    /** The systemctl calls so far, separated by "|". */
    juce::String getSystemctlCalls() const
    {
        auto lines = juce::StringArray::fromLines (systemctlCalls.loadFileAsString());
        lines.removeEmptyStrings();
        return lines.joinIntoString ("|");
    }

    /** What the fake xdg-open was last asked to show, or empty. */
    juce::String getShownPath() const             { return shownPaths.loadFileAsString().trimEnd(); }

    /** A configuration of applications with these executable paths (and
        arguments, where given). */
    static std::unique_ptr<os::TorvoBootConfiguration> makeConfiguration (const juce::StringArray& paths,
                                                                          const juce::StringArray& arguments = {})
    {
        auto object = tav::Library::getRootLibrary().createObject (os::TorvoBootConfiguration::className);
        std::unique_ptr<os::TorvoBootConfiguration> configuration (static_cast<os::TorvoBootConfiguration*> (object.release()));

        for (int i = 0; i < paths.size(); ++i)
        {
            auto application = tav::Library::getRootLibrary().createObject (os::ManagedApplication::className);
            auto& managed = static_cast<os::ManagedApplication&> (*application);
            managed.executablePath.set (paths[i], tav::ChangeCallback::none());
            managed.arguments.set (arguments[i], tav::ChangeCallback::none());
            configuration->applications.append (std::move (application), tav::ChangeCallback::none());
        }

        return configuration;
    }

    /** Writes the store with applications of these paths. */
    void writeStore (const juce::StringArray& paths, const juce::StringArray& arguments = {})
    {
        ASSERT_TRUE (tav::ObjectFile::save (*makeConfiguration (paths, arguments), store, {}).wasOk());
    }

    /** The executable paths of the applications in a file. */
    juce::StringArray readPaths (const juce::File& file) const
    {
        auto configuration = makeConfiguration ({});
        EXPECT_TRUE (tav::ObjectFile::load (*configuration, file).wasOk()) << file.getFullPathName();
        return pathsOf (*configuration);
    }

    static juce::StringArray pathsOf (const os::TorvoBootConfiguration& configuration)
    {
        juce::StringArray paths;

        for (size_t i = 0; i < configuration.applications.size(); ++i)
            paths.add (configuration.applications.get (i)->executablePath.get());

        return paths;
    }

    //==============================================================================
    /** Starts the GUI thread as the program does. */
    void startGui()
    {
        ASSERT_TRUE (program.getGuiThread().startTavThread (true));
    }

    gui::tav::TorvoBootConfiguratorPelloThread& thread()    { return program.getGuiThread(); }
    os::TorvoBootConfiguration& configuration()             { return program.getGuiThread().configuration; }

    /** The main view, or nullptr. */
    gui::tav::SimpleOkButtonMainView* mainView()
    {
        auto* window = thread().getMainWindow();
        return window != nullptr ? dynamic_cast<gui::tav::SimpleOkButtonMainView*> (window->getContent()) : nullptr;
    }

    /** The configuration editor of the main view, or nullptr. */
    gui::tav::TorvoBootConfigurationEditor* editor()
    {
        auto* view = mainView();
        return view != nullptr ? dynamic_cast<gui::tav::TorvoBootConfigurationEditor*> (view->getMainWidget()) : nullptr;
    }

    //==============================================================================
    TemporaryFolder folder;
    juce::File bin = folder.get().getChildFile ("bin");
    juce::File store = folder.get().getChildFile ("Boot Configuration \xc3\xa9t\xc3\xa9").getChildFile ("TorvoBoot.configuration");
    juce::File systemctlCalls = folder.get().getChildFile ("systemctl calls");
    juce::File shownPaths = folder.get().getChildFile ("shown");
    juce::File controlSocket = folder.get().getChildFile ("control");
    juce::File systemHome = folder.get().getChildFile ("system home");

    bool prepared = makeFakePrograms();
    ScopedEnvironment path { "PATH", bin.getFullPathName() + pathSeparator() + juce::SystemStats::getEnvironmentVariable ("PATH", {}) };
    ScopedEnvironment storeFile { "TORVO_BOOT_CONFIGURATION", store.getFullPathName() };
    ScopedEnvironment socketFile { "TORVO_BOOT_CONTROL_SOCKET", controlSocket.getFullPathName() };
    ScopedEnvironment systemUser { "TORVO_SYSTEM_USER_DIRECTORY", systemHome.getFullPathName() };
    ScopedEnvironment callLog { "FAKE_SYSTEMCTL_LOG", systemctlCalls.getFullPathName() };
    ScopedEnvironment openerLog { "FAKE_OPENER_LOG", shownPaths.getFullPathName() };
    std::optional<ScopedEnvironment> serviceActive;

    StandaloneApplication standalone;
    juce::ScopedJuceInitialiser_GUI gui;
    gui::tav::TorvoBootConfiguratorProgram program;

private:
    static bool isWindows()
    {
        return (juce::SystemStats::getOperatingSystemType() & juce::SystemStats::Windows) != 0;
    }

    static juce::String pathSeparator()       { return isWindows() ? ";" : ":"; }

    bool makeFakePrograms()
    {
        // The fakes are shell scripts; the Windows tests need none.
        if (! bin.createDirectory() || isWindows())
            return bin.isDirectory();

        // systemctl records each call; is-active answers as the test chose
        // (3: inactive); every other verb succeeds, unless the test made it
        // fail with a message as systemd's own (exit code 5: no such unit).
        const juce::String systemctl = "#!/bin/sh\necho \"$*\" >> \"$FAKE_SYSTEMCTL_LOG\"\n"
                                       "if [ \"$1\" = is-active ]; then exit \"${FAKE_SYSTEMCTL_ACTIVE:-3}\"; fi\n"
                                       "if [ -n \"$FAKE_SYSTEMCTL_FAIL\" ]; then echo \"$FAKE_SYSTEMCTL_FAIL\" >&2; exit 5; fi\nexit 0\n";
        const juce::String opener = "#!/bin/sh\necho \"$*\" > \"$FAKE_OPENER_LOG\"\n";

        for (const auto& [name, script] : { std::pair (juce::String ("systemctl"), systemctl), std::pair (juce::String ("xdg-open"), opener) })
            if (! bin.getChildFile (name).replaceWithText (script, false, false, "\n") || ! bin.getChildFile (name).setExecutePermission (true))
                return false;

        return true;
    }
};

} // namespace configuratortest
