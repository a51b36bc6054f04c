#include "TestClasses.h"

using namespace tavtest;

//==============================================================================
struct RealCase
{
    double value;
    const char* text;
};

class RealText : public testing::TestWithParam<RealCase> {};

TEST_P (RealText, IsTheShortestExactForm)
{
    tav::Real real (GetParam().value);
    EXPECT_EQ (real.saveState().getText(), juce::String (GetParam().text));

    tav::Real loaded;
    ASSERT_TRUE (loaded.loadState (real.saveState(), "t").wasOk());
    EXPECT_EQ (loaded.get(), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P (Cases, RealText, testing::Values (
    RealCase { 0.1, "0.1" }, RealCase { 5.0, "5" }, RealCase { -2.5, "-2.5" },
    RealCase { 1e300, "1e+300" }, RealCase { 1.0 / 3.0, "0.3333333333333333" }));

TEST (RealText, RefusesWhatIsNotAFiniteNumber)
{
    for (auto* text : { "", "abc", "1.5x", "nan", "inf", "1e999" })
        EXPECT_TRUE (tav::Real().loadState (tav::State (text), "t").failed()) << text;

    tav::Real plus;
    EXPECT_TRUE (plus.loadState (tav::State ("+3"), "t").wasOk());
    EXPECT_EQ (plus.get(), 3.0);
}

//==============================================================================
TEST (EnvironmentExpansion, ReplacesBothFormsAndKeepsUnknownReferences)
{
    const auto path = juce::SystemStats::getEnvironmentVariable ("PATH", {});
    ASSERT_TRUE (path.isNotEmpty());

    EXPECT_EQ (tav::String::expandEnvironmentVariables ("a %PATH% b"), "a " + path + " b");
    EXPECT_EQ (tav::String::expandEnvironmentVariables ("${PATH}/x"), path + "/x");
    EXPECT_EQ (tav::String::expandEnvironmentVariables ("%NO_SUCH_TORVO_VAR%"), "%NO_SUCH_TORVO_VAR%");
    EXPECT_EQ (tav::String::expandEnvironmentVariables ("${NO_SUCH_TORVO_VAR}"), "${NO_SUCH_TORVO_VAR}");
    EXPECT_EQ (tav::String::expandEnvironmentVariables ("100% sure, 50%"), "100% sure, 50%");
    EXPECT_EQ (tav::String::expandEnvironmentVariables ("$HOME-less"), "$HOME-less");
    EXPECT_EQ (tav::String::expandEnvironmentVariables (""), "");
}

//==============================================================================
class Enumerations : public TestLibraryFixture {};

TEST_F (Enumerations, AreFoundByNameAndSavedByName)
{
    Colour colour;
    const auto* enumerationClass = colour.getEnumerationClass();
    ASSERT_NE (enumerationClass, nullptr);
    ASSERT_NE (enumerationClass->findEnumeratorByName ("blue"), nullptr);
    EXPECT_EQ (enumerationClass->findEnumeratorByName ("blue")->value, 3);
    EXPECT_EQ (enumerationClass->findEnumeratorByName ("Blue"), nullptr);
    EXPECT_EQ (enumerationClass->findEnumeratorByName (""), nullptr);

    colour.set (3, tav::ChangeCallback::notify());
    EXPECT_EQ (colour.saveState().getText(), "blue");

    // A value outside the enumerators (such as "none") survives as its number.
    colour.set (0, tav::ChangeCallback::none());
    EXPECT_EQ (colour.saveState().getText(), "0");
    ASSERT_TRUE (colour.loadState (tav::State ("2"), "t").wasOk());
    EXPECT_EQ (colour.get(), 2);
}

//==============================================================================
class ChangeNotifications : public TestLibraryFixture {};

TEST_F (ChangeNotifications, ReachTheListenersOfEveryParentOnlyWhenAskedFor)
{
    struct Counter : tav::ChangeListener
    {
        void objectChanged (tav::Object& changed) override { ++count; last = &changed; }
        int count = 0;
        tav::Object* last = nullptr;
    };

    auto scene = create<Scene> ("TestScene");
    scene->shapes.append (create<Shape> ("TestShape"), tav::ChangeCallback::none());
    Counter counter;
    scene->addChangeListener (&counter);

    auto& name = scene->shapes.get (0)->name;
    name.set ("quiet", tav::ChangeCallback::none());
    EXPECT_EQ (counter.count, 0);

    name.set ("loud", tav::ChangeCallback::notify());
    EXPECT_EQ (counter.count, 1);
    EXPECT_EQ (counter.last, &name);

    name.set ("loud", tav::ChangeCallback::notify());
    EXPECT_EQ (counter.count, 1) << "setting the same value is no change";

    scene->saves.increment (tav::ChangeCallback::notify());
    EXPECT_EQ (counter.count, 2);
    scene->removeChangeListener (&counter);
}

TEST_F (ChangeNotifications, WeakPointersForgetDestroyedObjects)
{
    tav::ObjectWeakPointer pointer;
    {
        Circle circle;
        pointer.set (&circle, tav::ChangeCallback::none());
        EXPECT_EQ (pointer.get(), &circle);
    }
    EXPECT_EQ (pointer.get(), nullptr);
}

TEST (SuccessStatusTest, HoldsTheLastOutcome)
{
    tav::SuccessStatus status;
    EXPECT_TRUE (status.isSuccess());
    status.setError ("broken", tav::ChangeCallback::none());
    EXPECT_FALSE (status.isSuccess());
    EXPECT_EQ (status.getText(), "broken");
    status.setSuccess ("", tav::ChangeCallback::notify());
    EXPECT_TRUE (status.isSuccess());
}
