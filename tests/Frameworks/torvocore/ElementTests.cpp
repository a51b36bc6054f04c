#include "TorvoCoreTestClasses.h"
#include <functional>

namespace
{

using torvotest::NamedElement;

/** Remembers what an element told its listeners. */
struct RecordingListener : public torvo::ElementListener
{
    void friendlyNameChanged (torvo::Element& element) override   { names.add (element.getFriendlyName()); }
    void variableVisibilityChanged (torvo::Element&, size_t index) override   { visibilityChanges.push_back (index); }

    juce::StringArray names;
    std::vector<size_t> visibilityChanges;
};

class ElementTest : public testing::Test
{
protected:
    void SetUp() override
    {
        torvotest::registerTestClassesOnce();
        ASSERT_TRUE (element.getClass()->applyDefaults (element).wasOk());
        element.addElementListener (&listener);
    }

    void TearDown() override    { element.removeElementListener (&listener); }

    size_t indexOf (const juce::String& name) const    { return (size_t) element.findMemberVariableIndex (name); }

    bool isVisible (const juce::String& name) const
    {
        torvo::VariableDependencies ignored;
        return element.isVariableVisible (indexOf (name), ignored);
    }

    NamedElement element;
    RecordingListener listener;
};

//==============================================================================
TEST_F (ElementTest, TheFriendlyNameIsRecomputedAndAnnouncedWhenAVariableItDependsOnChanges)
{
    EXPECT_EQ (element.getFriendlyName(), "Named");

    element.title.set ("Main", tav::ChangeCallback::notify());
    element.gain.set (2.0, tav::ChangeCallback::notify());
    element.title.set ("Second", tav::ChangeCallback::notify());

    EXPECT_EQ (element.getFriendlyName(), "Named Second");
    EXPECT_EQ (listener.names, juce::StringArray ({ "Named Main", "Named Second" }));
}

TEST_F (ElementTest, ASilentChangeLeavesTheFriendlyNameAsItWas)
{
    EXPECT_EQ (element.getFriendlyName(), "Named");

    element.title.set ("Quiet", tav::ChangeCallback::none());

    EXPECT_EQ (element.getFriendlyName(), "Named");
    EXPECT_TRUE (listener.names.isEmpty());
}

TEST_F (ElementTest, AVisibilityAnswerIsAnnouncedWhenTheVariableItDependsOnChanges)
{
    EXPECT_TRUE (isVisible ("gain"));

    element.detailed.set (false, tav::ChangeCallback::notify());

    EXPECT_FALSE (isVisible ("gain"));
    EXPECT_NE (std::find (listener.visibilityChanges.begin(), listener.visibilityChanges.end(), indexOf ("gain")),
               listener.visibilityChanges.end());

    listener.visibilityChanges.clear();
    element.gain.set (3.0, tav::ChangeCallback::notify());
    EXPECT_TRUE (listener.visibilityChanges.empty()) << "gain decides no visibility";
}

TEST_F (ElementTest, AVariableDeclaredHiddenIsNotVisibleNorDoesItMoveTheVersion)
{
    const auto before = element.computeVersion();

    element.scratch.set (9.0, tav::ChangeCallback::notify());

    EXPECT_FALSE (isVisible ("scratch"));
    EXPECT_TRUE (isVisible ("title"));
    EXPECT_EQ (element.computeVersion(), before);
}

//==============================================================================
struct VersionCase
{
    const char* change;
    std::function<void (NamedElement&)> apply;
    bool movesVersion;
};

TEST_F (ElementTest, TheVersionMovesWithEveryNotifiedChangeOfACountedVariable)
{
    const VersionCase cases[] = {
        { "title, notified",         [] (NamedElement& e) { e.title.set ("x", tav::ChangeCallback::notify()); },  true },
        { "gain, notified",          [] (NamedElement& e) { e.gain.set (0.5, tav::ChangeCallback::notify()); },   true },
        { "gain, silent",            [] (NamedElement& e) { e.gain.set (0.25, tav::ChangeCallback::none()); },    false },
        { "gain, to its own value",  [] (NamedElement& e) { e.gain.set (0.25, tav::ChangeCallback::notify()); },  false },
        { "inside the selector",     [] (NamedElement& e) { e.device.getDeviceName().set ("d", tav::ChangeCallback::notify()); }, true },
        { "hidden scratch",          [] (NamedElement& e) { e.scratch.set (1.0, tav::ChangeCallback::notify()); }, false },
    };

    for (const auto& c : cases)
    {
        const auto before = element.computeVersion();
        c.apply (element);
        EXPECT_EQ (element.computeVersion() != before, c.movesVersion) << c.change;
    }
}

TEST_F (ElementTest, ConstraintsHearOfAChangeInsideAVariableAsAChangeOfThatVariable)
{
    element.device.getDeviceName().set ("Ambrel", tav::ChangeCallback::notify());
    element.gain.set (4.0, tav::ChangeCallback::notify());

    EXPECT_EQ (element.selectorChanges, 1);
}

TEST_F (ElementTest, WithoutAnEngineOrItsGraphicsAnElementHasNoGraphics)
{
    EXPECT_EQ (element.getGraphics(), nullptr);

    torvo::Engine engine;
    element.setEngine (&engine);

    EXPECT_EQ (element.getEngine(), &engine);
    EXPECT_EQ (element.getGraphics(), nullptr);
}

//==============================================================================
struct SelectorStatusCase
{
    const char* situation;
    juce::String wantedName;
    bool deviceInUse, deviceRunning;
    bool expectedFound, expectedError;
    const char* expectedText;
};

TEST (DeviceSelectorStatus, SaysWhyTheSelectedDeviceCannotBeUsed)
{
    torvotest::registerTestClassesOnce();

    const SelectorStatusCase cases[] = {
        { "no device in use",        {},        false, false, false, true,  "No Device is in use" },
        { "no device of that name",  "Other",   true,  true,  false, true,  "No Device \"Other\" is in use" },
        { "in use but not running",  {},        true,  false, false, false, "is not running" },
        { "in use and running",      {},        true,  true,  true,  false, "" },
    };

    for (const auto& c : cases)
    {
        torvo::Engine engine;
        torvotest::TestDevice device;
        torvo::DeviceSelector selector;
        selector.getDeviceName().set (c.wantedName, tav::ChangeCallback::none());

        if (c.deviceInUse)
            engine.addDevice (device);

        if (c.deviceRunning)
            device.initializeDevice();

        tav::SuccessStatus status;
        EXPECT_EQ (selector.updateStatus (engine, status, true), c.expectedFound) << c.situation;
        EXPECT_EQ (status.isSuccess(), ! c.expectedError) << c.situation;
        EXPECT_TRUE (status.getText().contains (c.expectedText)) << c.situation << ": " << status.getText();
        EXPECT_EQ (status.getText().isEmpty(), juce::String (c.expectedText).isEmpty()) << c.situation;
    }
}

} // namespace
