#include "ConfiguratorFixture.h"
#include "ControlSocket_linux.h"
#include "TestProcesses.h"
#include "TestPrograms.h"
#include "Waiting.h"

#include <ManagedApplicationMenu.h>
#include <ManagedApplicationTableRow.h>
#include <hostsys/ConsoleProcess.h>
#include <tavview/MenuBuilder.h>
#include <tavview/WidgetCreation.h>

using namespace configuratortest;

namespace
{
    class RowMenu : public ConfiguratorFixture
    {
    protected:
        /** The menu of an application's row, built as a right-click builds it. */
        std::unique_ptr<gui::tav::MenuBuilder> buildRowMenu (size_t position, bool secret)
        {
            juce::ModifierKeys::currentModifiers = secret ? juce::ModifierKeys (juce::ModifierKeys::shiftModifier) : juce::ModifierKeys();
            auto row = gui::tav::createWidget (gui::tav::ManagedApplicationTableRow::getStaticClass(),
                                               configuration().applications.get (position), nullptr);
            auto menu = static_cast<gui::tav::ManagedApplicationTableRow&> (*row).createMenu();
            return menu != nullptr ? menu->build() : nullptr;
        }

        /** Performs a row menu's entry by its text, as choosing it does. */
        bool choose (gui::tav::MenuBuilder& builder, const juce::String& text)
        {
            const auto id = findItemId (builder.getPopupMenu(), text);
            return id != 0 && builder.perform (id, tav::ExecutionContext::get());
        }

        void setApplications (const juce::StringArray& paths, const juce::StringArray& arguments = {})
        {
            configuration().loadState (makeConfiguration (paths, arguments)->saveState(), "test");
        }

        /** The test child running with these arguments, as a managed
            application's process. */
        juce::uint64 startChild (const juce::File& child, const juce::String& arguments)
        {
            const auto process = os::ConsoleProcess::create (child.getFullPathName(), arguments, folder.get(), true);

            if (process == nullptr)
                return 0;

            reaper.add (process->getProcessId());
            return waitForFile (report) ? process->getProcessId() : 0;
        }

        juce::File report = folder.get().getChildFile ("child report");
        programs::ProcessReaper reaper;
    };
}

TEST_F (RowMenu, TheOrdinaryMenuOffersTheColourLabelRevealAndDeleteOnly)
{
    startGui();
    setApplications ({ "/opt/torvo/Torvo" });

    auto builder = buildRowMenu (0, false);
    ASSERT_NE (builder, nullptr);
    EXPECT_EQ (describeMenu (builder->getPopupMenu(), false),
               juce::StringArray ({ "Color label", "---", "Reveal in explorer", "---", "Delete" }));
}

TEST_F (RowMenu, TheServiceCommandsFollowWhetherTheApplicationsProcessRuns)
{
    startGui();
    const auto child = programs::copyTestChild (folder.get(), "Player");
    const ScopedEnvironment showsFolder ("TORVO_TEST_SHOWS", folder.get().getFullPathName());
    const auto token = juce::Uuid().toString();
    const auto runningArguments = programs::childArguments (report, "30000", 0, token);
    // As configured: the arguments name the report through an environment variable.
    const auto configuredArguments = runningArguments.replace (folder.get().getFullPathName(), "${TORVO_TEST_SHOWS}");
    ASSERT_NE (configuredArguments, runningArguments);
    setApplications ({ "%TORVO_TEST_SHOWS%/Player" }, { configuredArguments });

    struct Case { const char* state; juce::StringArray expected; };
    const Case notRunning { "not running", { "Color label", "---", "Reveal in explorer", "Start application",
                                             "Prepare to stop application (greyed)", "Kill application (greyed)", "---", "Delete" } };
    const Case running { "running", { "Color label", "---", "Reveal in explorer", "Start application (greyed)",
                                      "Prepare to stop application", "Kill application", "---", "Delete" } };

    EXPECT_EQ (describeMenu (buildRowMenu (0, true)->getPopupMenu(), false), notRunning.expected) << notRunning.state;

    // Same executable, other arguments: another program as far as the service knows.
    ASSERT_NE (startChild (child, programs::childArguments (report, "30000", 0, "other")), 0u);
    report.deleteFile();
    EXPECT_EQ (describeMenu (buildRowMenu (0, true)->getPopupMenu(), false), notRunning.expected) << "other arguments";

    ASSERT_NE (startChild (child, runningArguments), 0u);
    EXPECT_EQ (describeMenu (buildRowMenu (0, true)->getPopupMenu(), false), running.expected) << running.state;
}

TEST_F (RowMenu, KillOnTheThirdRowSendsCode226ToTheService)
{
    const ControlSocket service (controlSocket);
    ASSERT_TRUE (service.bound);
    startGui();
    const auto child = programs::copyTestChild (folder.get(), "Player");
    const auto arguments = programs::childArguments (report, "30000", 0, juce::Uuid().toString());
    setApplications ({ "/opt/a", "/opt/b", child.getFullPathName() }, { "", "", arguments });
    ASSERT_NE (startChild (child, arguments), 0u);

    auto builder = buildRowMenu (2, true);
    ASSERT_TRUE (choose (*builder, "Kill application")) << describeMenu (builder->getPopupMenu(), false).joinIntoString ("|");
    EXPECT_EQ (service.receive(), std::vector<juce::uint8> { 226 });

    auto start = buildRowMenu (0, true);
    ASSERT_TRUE (choose (*start, "Start application"));
    EXPECT_EQ (service.receive(), std::vector<juce::uint8> { 128 + 64 + 0 }) << "startApplication for index 0";
}

TEST_F (RowMenu, RowsTheServiceCannotAddressAloneHaveTheirCommandsGreyedOutAndSendNothing)
{
    const ControlSocket service (controlSocket);
    ASSERT_TRUE (service.bound);
    startGui();
    juce::StringArray paths;

    for (int i = 0; i < 40; ++i)
        paths.add ("/opt/app" + juce::String (i));

    setApplications (paths);

    for (const auto& [position, addressable] : { std::pair (30, true), std::pair (31, false), std::pair (32, false), std::pair (39, false) })
    {
        auto builder = buildRowMenu ((size_t) position, true);
        const auto lines = describeMenu (builder->getPopupMenu(), false);
        EXPECT_EQ (lines.contains ("Start application"), addressable) << "row " << position << ": " << lines.joinIntoString ("|");
        EXPECT_TRUE (lines.contains ("Start application (greyed)") != addressable) << "row " << position;
        EXPECT_EQ (choose (*builder, "Start application"), addressable) << "row " << position;
        EXPECT_EQ (service.receive (addressable ? 2000 : 200),
                   addressable ? std::vector<juce::uint8> { (juce::uint8) (128 + 64 + position) } : std::vector<juce::uint8>())
            << "row " << position << " reached the service";
    }
}

TEST_F (RowMenu, RevealExpandsThePathAndReportsOneThatIsNotAbsolute)
{
    startGui();
    const auto program = folder.get().getChildFile ("Torvo \xc3\xa9t\xc3\xa9").getChildFile ("Torvo");
    ASSERT_TRUE (program.create());
    const ScopedEnvironment installFolder ("TORVO_TEST_INSTALL", program.getParentDirectory().getFullPathName());
    setApplications ({ "${TORVO_TEST_INSTALL}/Torvo", "Torvo.exe", "" });
    MessageRecorder recorder;

    auto revealed = buildRowMenu (0, false);
    ASSERT_TRUE (choose (*revealed, "Reveal in explorer"));
    ASSERT_TRUE (waitUntil ([this] { return getShownPath().isNotEmpty(); }, 10000));
    EXPECT_EQ (getShownPath(), program.getParentDirectory().getFullPathName()) << "the program's folder opens";

    ASSERT_TRUE (choose (*buildRowMenu (1, false), "Reveal in explorer"));
    ASSERT_TRUE (choose (*buildRowMenu (2, false), "Reveal in explorer"));
    EXPECT_EQ (recorder.getLines(), juce::StringArray ({ "Error: \"Torvo.exe\" is not an absolute path",
                                                         "Error: \"\" is not an absolute path" }));
}

TEST_F (RowMenu, DeleteRemovesTheApplicationFromTheList)
{
    startGui();
    setApplications ({ "/opt/a", "/opt/b" });

    ASSERT_TRUE (choose (*buildRowMenu (0, false), "Delete"));
    EXPECT_EQ (pathsOf (configuration()), juce::StringArray ({ "/opt/b" }));
}
