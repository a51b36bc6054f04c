#include "NetConfiguratorFixture.h"

#include <TorvoNetConfiguratorLibrary.h>
#include <TorvoNetConfiguratorLogo.h>
#include <tavcore/ObjectFile.h>

using namespace netconfiguratortest;

namespace
{
    using NetConfigurator = NetConfiguratorFixture;

    constexpr auto unreadable = gui::tav::TorvoNetConfiguratorPelloThread::unreadableFileError;
}

//==============================================================================
TEST_F (NetConfigurator, RegistersItsClassesInOrderWithTheirBasesAndAttributes)
{
    struct Case { const char* name; const char* base; const char* attribute; const char* value; };
    const Case cases[] = { { "TorvoNetConfiguratorMainView", "SimpleOkButtonMainView", nullptr, nullptr },
                           { "TorvoNetConfiguratorMainWindow", "MainWindow", "mainViewWidget", "TorvoNetConfiguratorMainView" },
                           { "TorvoNetConfiguratorService", "PelloService", nullptr, nullptr },
                           { "TorvoNetConfiguratorPelloThread", "PelloThread", "service", "TorvoNetConfiguratorService" },
                           { "TorvoNetConfiguratorPelloThread", "PelloThread", "mainWindowClass", "TorvoNetConfiguratorMainWindow" },
                           { "TorvoNetConfiguratorProgram", "TorvoNetProgram", nullptr, nullptr } };

    EXPECT_EQ (gui::tav::TorvoNetConfiguratorLibrary::getClassNames(),
               juce::StringArray ({ "TorvoNetConfiguratorMainView", "TorvoNetConfiguratorMainWindow", "TorvoNetConfiguratorService",
                                    "TorvoNetConfiguratorPelloThread", "TorvoNetConfiguratorProgram" }));

    for (const auto& c : cases)
    {
        const auto* registered = tav::getClass (c.name);
        ASSERT_NE (registered, nullptr) << c.name;
        EXPECT_FALSE (registered->isAbstractClass()) << c.name;
        EXPECT_TRUE (registered->inheritsFrom (tav::getClass (c.base))) << c.name << " from " << c.base;

        if (c.attribute != nullptr)
        {
            const auto* attribute = registered->getAttribute (c.attribute);
            ASSERT_NE (attribute, nullptr) << c.name << "::" << c.attribute;
            EXPECT_EQ (attribute->getText(), c.value) << c.name << "::" << c.attribute;
        }
    }

    EXPECT_TRUE (tav::getClass ("TorvoNetProgram")->inheritsFrom (tav::getClass ("Program")));
    const auto* thread = tav::getClass ("TorvoNetConfiguratorPelloThread");
    ASSERT_GE (thread->findMemberVariable ("configuration"), 0);
    EXPECT_EQ (thread->getMemberVariables()[(size_t) thread->findMemberVariable ("configuration")]->typeName, "TorvoNetConfiguration");
}

TEST_F (NetConfigurator, TheToolbarLogoIsAPngOf74By18GreyPixelsWithAlpha)
{
    const auto logo = tav::getClass ("TorvoNetConfiguratorProgram")->getBufferAttribute ("toolbarLogo", nullptr);
    ASSERT_GT (logo.size, 8u);
    EXPECT_EQ (logo.size, gui::tav::getToolbarLogoFullSize());
    EXPECT_LT (gui::tav::getToolbarLogoPackedSize(), gui::tav::getToolbarLogoFullSize() + 64);

    const auto* bytes = static_cast<const juce::uint8*> (logo.data);
    EXPECT_EQ (juce::String::fromUTF8 (reinterpret_cast<const char*> (bytes + 1), 3), "PNG");
    // IHDR: width and height (big-endian) at 16 and 20, bit depth at 24, colour type at 25 (4: grey with alpha).
    EXPECT_EQ (juce::ByteOrder::bigEndianInt (bytes + 16), 74u);
    EXPECT_EQ (juce::ByteOrder::bigEndianInt (bytes + 20), 18u);
    EXPECT_EQ (bytes[24], 8);
    EXPECT_EQ (bytes[25], 4);

    const auto image = juce::ImageFileFormat::loadFrom (logo.data, logo.size);
    ASSERT_TRUE (image.isValid());
    int transparent = 0, opaque = 0;

    for (int y = 0; y < image.getHeight(); ++y)
        for (int x = 0; x < image.getWidth(); ++x)
            (image.getPixelAt (x, y).getAlpha() == 0 ? transparent : opaque) += 1;

    EXPECT_GT (transparent, 0) << "the logo lies on a transparent ground";
    EXPECT_GT (opaque, 100) << "and draws something";
}

TEST_F (NetConfigurator, WithoutAFileTheWindowShowsTheDefaultsAndSaysNothing)
{
    MessageRecorder messages (thread().getExecutionContext());
    startGui();
    closeDialogs();

    EXPECT_EQ (messages.getText(), "");
    ASSERT_NE (editor(), nullptr) << "the framework's default editor of the configuration";
    EXPECT_EQ (editor()->getNumLines(), 3u);
    EXPECT_EQ (fieldOf ("statusPort")->getTextEditor().getText(), "8090");
    EXPECT_EQ (fieldOf ("statusAddress")->getTextEditor().getText(), "127.0.0.1");
    EXPECT_EQ (fieldOf ("machineName")->getTextEditor().getText(), "");

    const auto& logo = mainView()->getToolbarLogo();
    EXPECT_EQ (logo.getBounds(), juce::Rectangle<int> (74, 18)) << "the tool bar shows the program's logo";
    EXPECT_TRUE (mainView()->getLocalBounds().contains (mainView()->getToolbarLogoBounds()));
    EXPECT_FALSE (file.exists()) << "opening writes nothing";
}

TEST_F (NetConfigurator, AFileThatCannotBeReadIsReportedOnceAndTheEditorOpensAnyway)
{
    struct Case { const char* what; std::function<bool (const juce::File&)> make; };
    const Case cases[] = {
        { "another class", [] (const juce::File& f) { return f.replaceWithText ("TorvoBootConfiguration { applications = [] }"); } },
        { "faulty text",   [] (const juce::File& f) { return f.replaceWithText ("TorvoNetConfiguration { statusPort = 9000"); } },
        { "not UTF-8",     [] (const juce::File& f) { const unsigned char bad[] = { 0xff, 0xfe, 0x00, 0x41 }; return f.replaceWithData (bad, sizeof (bad)); } },
        { "a folder",      [] (const juce::File& f) { return f.createDirectory().wasOk(); } },
    };

    for (const auto& c : cases)
    {
        ASSERT_TRUE (file.getParentDirectory().createDirectory());
        ASSERT_TRUE (c.make (file)) << c.what;
        {
            MessageRecorder messages (thread().getExecutionContext());
            startGui();
            dispatchUntil ([] { return tavviewtest::findDialog() != nullptr; }, 5000);

            EXPECT_EQ (messages.getText(), unreadable) << c.what;
            EXPECT_EQ (messages.countErrors(), 1) << c.what;
            ASSERT_NE (tavviewtest::findDialog(), nullptr) << c.what;
            EXPECT_EQ (tavviewtest::findDialog()->getDescription(), unreadable) << c.what;
            ASSERT_NE (editor(), nullptr) << c.what << ": the editor opens anyway";
            EXPECT_EQ (fieldOf ("statusPort")->getTextEditor().getText(), "8090") << c.what;
        }
        stopGui();
        file.deleteRecursively();
    }
}

TEST_F (NetConfigurator, AReadableFileIsShownAndARefusedSettingIsReportedByName)
{
    writeFile ("TorvoNetConfiguration {\n  machineName = \"Stage Left\"\n  statusPort = 70000\n}\n");
    MessageRecorder messages (thread().getExecutionContext());
    startGui();

    EXPECT_EQ (fieldOf ("machineName")->getTextEditor().getText(), "Stage Left");
    EXPECT_EQ (fieldOf ("statusPort")->getTextEditor().getText(), "8090");
    EXPECT_EQ (messages.countErrors(), 1);
    EXPECT_TRUE (messages.getText().contains ("statusPort = 70000 is refused")) << messages.getText();
    EXPECT_FALSE (messages.getText().contains (unreadable)) << "the file itself was read";
}

TEST_F (NetConfigurator, ATypedPortOutOfRangeIsRefusedAndTheSettingKeepsItsValue)
{
    startGui();
    MessageRecorder messages;

    for (auto* typed : { "0", "70000" })
    {
        EXPECT_FALSE (typeInto ("statusPort", typed)) << typed;
        EXPECT_EQ (configuration().statusPort.getPort(), 8090) << typed;
        EXPECT_EQ (fieldOf ("statusPort")->getTextEditor().getText(), "8090") << typed << ": the field shows the value again";
    }

    EXPECT_EQ (messages.countErrors(), 2);
    EXPECT_TRUE (messages.getText().contains ("a port is a whole number from 1 to 65535, not \"70000\"")) << messages.getText();
}

//==============================================================================
TEST_F (NetConfigurator, QuitWithASuccessfulSaveAsksNothingAndQuits)
{
    startGui();
    ASSERT_TRUE (typeInto ("statusPort", "9100"));
    DialogAnswerer answerer ("No");

    EXPECT_EQ (requestQuit (true), std::optional<bool> (true));
    EXPECT_EQ (answerer.dialogs, 0);

    torvo::TorvoNetConfiguration saved;
    ASSERT_TRUE (saved.loadFromFile (file).wasOk()) << file.loadFileAsString();
    EXPECT_EQ (saved.statusPort.getPort(), 9100);
}

TEST_F (NetConfigurator, QuitWithAFailedSaveAsksAndQuitsOnlyOnYes)
{
    // A file standing where the configuration's folder should be.
    const auto blocker = folder.get().getChildFile ("blocker");
    ASSERT_TRUE (blocker.replaceWithText ("x"));
    const ScopedEnvironment unwritable ("TORVO_NET_CONFIGURATION", blocker.getChildFile ("TorvoNet.configuration").getFullPathName());
    startGui();
    ASSERT_TRUE (typeInto ("statusPort", "9100"));

    struct Case { const char* answer; bool quits; };

    for (const auto& c : { Case { "No", false }, Case { "Yes", true } })
    {
        DialogAnswerer answerer (c.answer);
        EXPECT_EQ (requestQuit (true), std::optional<bool> (c.quits)) << c.answer;

        EXPECT_EQ (answerer.dialogs, 1) << c.answer;
        EXPECT_EQ (answerer.question, "Unable to save configuration, check file access privileges or disk space.\nExit anyway?");
        EXPECT_EQ (answerer.buttons, juce::StringArray ({ "Yes", "No" }));
        EXPECT_EQ (configuration().statusPort.getPort(), 9100) << c.answer << ": nothing is lost in memory";
        EXPECT_NE (thread().getMainWindow(), nullptr) << c.answer;
    }
}

TEST_F (NetConfigurator, QuitWithAFailedSaveAndNoPermissionToAskQuitsWithoutAQuestion)
{
    const auto blocker = folder.get().getChildFile ("blocker");
    ASSERT_TRUE (blocker.replaceWithText ("x"));
    const ScopedEnvironment unwritable ("TORVO_NET_CONFIGURATION", blocker.getChildFile ("TorvoNet.configuration").getFullPathName());
    startGui();
    ASSERT_TRUE (typeInto ("statusPort", "9100"));
    DialogAnswerer answerer ("No");

    EXPECT_EQ (requestQuit (false), std::optional<bool> (true));
    EXPECT_EQ (answerer.dialogs, 0);
}

TEST_F (NetConfigurator, QuitWithoutChangesLeavesAnUnreadableFileAsItWas)
{
    writeFile ("TorvoNetConfiguration { statusPort = 9000");
    startGui();
    closeDialogs();

    EXPECT_EQ (requestQuit (true), std::optional<bool> (true));
    EXPECT_EQ (file.loadFileAsString(), "TorvoNetConfiguration { statusPort = 9000");
}
