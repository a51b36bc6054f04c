#include "MessageRecorder.h"
#include "TestClasses.h"

using namespace tavtest;

namespace
{
    const char* const sceneText =
        "TestScene {\n"
        "    shapes = [\n"
        "        TestShape {\n"
        "            name = \"plain \\\"one\\\"\"\n"
        "            visible = false\n"
        "            position = {x=0.1, y=-2, z=1e+300, w=1}\n"
        "            colour = red\n"
        "        }\n"
        "        TestCircle {\n"
        "            name = \"round\"\n"
        "            visible = true\n"
        "            position = {x=1, y=1, z=1, w=1}\n"
        "            colour = green\n"
        "            radius = 2.25\n"
        "        }\n"
        "    ]\n"
        "    highlight = TestCircle {\n"
        "        name = \"\"\n"
        "        visible = true\n"
        "        position = {x=1, y=1, z=1, w=1}\n"
        "        colour = blue\n"
        "        radius = 0.5\n"
        "    }\n"
        "    saves = 7\n"
        "}\n";
}

class ObjectState : public TestLibraryFixture {};

TEST_F (ObjectState, NewObjectsStartFromTheDeclaredDefaults)
{
    auto shape = create<Circle> ("TestCircle");
    ASSERT_NE (shape, nullptr);
    EXPECT_TRUE (shape->visible.get());
    EXPECT_EQ (shape->position.w.get(), 1.0);
    EXPECT_EQ (shape->colour.get(), 2);
    EXPECT_EQ (shape->radius.get(), 0.5);
}

TEST_F (ObjectState, SavedTextLoadsBackLosslesslyByteForByte)
{
    auto scene = create<Scene> ("TestScene");
    ASSERT_TRUE (tav::ObjectFile::loadFromText (*scene, sceneText, "scene").wasOk());

    ASSERT_EQ (scene->shapes.size(), 2u);
    EXPECT_EQ (scene->shapes.get (0)->name.get(), "plain \"one\"");
    EXPECT_EQ (scene->shapes.get (0)->position.z.get(), 1e300);
    EXPECT_EQ (scene->shapes.get (0)->position.x.get(), 0.1);
    auto* circle = dynamic_cast<Circle*> (scene->shapes.get (1));
    ASSERT_NE (circle, nullptr) << "a derived element must come back as its own class";
    EXPECT_EQ (circle->radius.get(), 2.25);
    EXPECT_EQ (scene->saves.get(), 7u);
    ASSERT_NE (dynamic_cast<Circle*> (scene->highlight.get()), nullptr);

    EXPECT_EQ (tav::ObjectFile::toText (*scene, {}), juce::String (sceneText));
}

TEST_F (ObjectState, FileRoundTripKeepsHeaderAndBytes)
{
    auto scene = create<Scene> ("TestScene");
    ASSERT_TRUE (tav::ObjectFile::loadFromText (*scene, sceneText, "scene").wasOk());

    juce::TemporaryFile temporary (".configuration");
    const auto file = temporary.getFile();
    ASSERT_TRUE (tav::ObjectFile::save (*scene, file, "A test scene\nsecond line").wasOk());
    const auto firstBytes = file.loadFileAsString();
    EXPECT_TRUE (firstBytes.startsWith ("# A test scene\n# second line\nTestScene {"));

    auto reloaded = create<Scene> ("TestScene");
    ASSERT_TRUE (tav::ObjectFile::load (*reloaded, file).wasOk());
    ASSERT_TRUE (tav::ObjectFile::save (*reloaded, file, "A test scene\nsecond line").wasOk());
    EXPECT_EQ (file.loadFileAsString(), firstBytes);
}

TEST_F (ObjectState, AFaultyTextLeavesTheObjectUntouched)
{
    auto scene = create<Scene> ("TestScene");
    ASSERT_TRUE (tav::ObjectFile::loadFromText (*scene, sceneText, "scene").wasOk());
    const auto before = tav::ObjectFile::toText (*scene, {});

    // The first shape is fine, the second holds a bad boolean: nothing of it may land.
    const auto r = tav::ObjectFile::loadFromText (*scene,
        "TestScene {\n  shapes = [TestShape {name=\"new\"}, TestShape {visible=maybe}]\n}", "bad.configuration");
    EXPECT_EQ (r.getErrorMessage(), "bad.configuration:2:56: expected true or false, found \"maybe\"");
    EXPECT_EQ (tav::ObjectFile::toText (*scene, {}), before);
}

struct LoadErrorCase
{
    const char* text;
    const char* message;
};

class ObjectLoadErrors : public TestLibraryFixture,
                         public testing::WithParamInterface<LoadErrorCase> {};

TEST_P (ObjectLoadErrors, AreReportedWithTheirPlace)
{
    auto scene = create<Scene> ("TestScene");
    EXPECT_EQ (tav::ObjectFile::loadFromText (*scene, GetParam().text, "f").getErrorMessage(),
               juce::String (GetParam().message));
}

INSTANTIATE_TEST_SUITE_P (Cases, ObjectLoadErrors, testing::Values (
    LoadErrorCase { "TestScene {shapes = [Nothing {}]}", "f:1:22: unknown class \"Nothing\"" },
    LoadErrorCase { "TestScene {shapes = [TestVector4 {}]}", "f:1:22: the class TestVector4 is not a kind of TestShape" },
    LoadErrorCase { "TestScene {shapes = {}}", "f:1:21: expected a list [...] of TestShape" },
    LoadErrorCase { "TestScene {saves = -1}", "f:1:20: expected a whole number of 0 or more, found \"-1\"" },
    LoadErrorCase { "TestScene {saves = 18446744073709551616}", "f:1:20: the number 18446744073709551616 is too large" },
    LoadErrorCase { "TestScene {shapes = [TestShape {colour = purple}]}", "f:1:42: \"purple\" is not one of red, green, blue" },
    LoadErrorCase { "TestScene {shapes = [TestShape {position = {x = abc}}]}", "f:1:49: expected a number, found \"abc\"" },
    LoadErrorCase { "[1]", "f:1:1: expected {...} for TestScene" }));

TEST_F (ObjectState, UnknownNamesAreWarnedAboutAndSkipped)
{
    tav::ExecutionContext context;
    const MessageRecorder recorder (context);
    tav::ExecutionContext::ScopedCurrent current (context);

    auto scene = create<Scene> ("TestScene");
    ASSERT_TRUE (tav::ObjectFile::loadFromText (*scene, "TestScene {\n  colour = red\n  saves = 3\n}", "f").wasOk());
    EXPECT_EQ (scene->saves.get(), 3u);
    EXPECT_EQ (recorder.getLines(), juce::StringArray ("Warning: f:2:12: TestScene has no variable \"colour\"; it is ignored"));
}

TEST_F (ObjectState, TransientAndWeakMembersAreNotSaved)
{
    auto scene = create<Scene> ("TestScene");
    Circle other;
    scene->owner.set (&other, tav::ChangeCallback::none());
    EXPECT_EQ (scene->saveState().getChild ("owner"), nullptr);
}

TEST_F (ObjectState, SavingOverAnExistingFileReplacesItWhole)
{
    juce::TemporaryFile temporary (".configuration");
    const auto file = temporary.getFile();
    ASSERT_TRUE (file.replaceWithText ("old content"));

    auto scene = create<Scene> ("TestScene");
    ASSERT_TRUE (tav::ObjectFile::save (*scene, file, {}).wasOk());
    EXPECT_EQ (file.loadFileAsString(), tav::ObjectFile::toText (*scene, {}));
    EXPECT_EQ (file.getParentDirectory().findChildFiles (juce::File::findFiles, false, "*" + file.getFileName() + "*").size(), 1)
        << "no temporary file may be left behind";
}

TEST_F (ObjectState, MissingFileIsReportedByName)
{
    auto scene = create<Scene> ("TestScene");
    const auto missing = juce::File::getSpecialLocation (juce::File::tempDirectory).getChildFile ("no-such-dir/none.configuration");
    EXPECT_EQ (tav::ObjectFile::load (*scene, missing).getErrorMessage(),
               "The file " + missing.getFullPathName() + " does not exist");
}
