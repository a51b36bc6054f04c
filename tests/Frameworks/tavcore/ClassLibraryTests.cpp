#include "TestClasses.h"
#include <tavcore/RecordingExecutionContextView.h>

using namespace tavtest;

class ClassesAndLibraries : public TestLibraryFixture {};

TEST_F (ClassesAndLibraries, NestedLibrariesAreSearchedAndRemovedByName)
{
    auto& root = tav::Library::getRootLibrary();
    ASSERT_NE (root.findClass ("TestCircle"), nullptr);
    EXPECT_NE (root.findLibrary ("TavTest"), nullptr);

    auto inner = std::make_unique<tav::Library> ("Inner");
    inner->addClass ("InnerShape", std::make_unique<tav::ClassOf<Shape>> ("TestShape"));
    root.findLibrary ("TavTest")->addLibrary (std::move (inner));

    const auto* innerShape = root.findClass ("InnerShape");
    ASSERT_NE (innerShape, nullptr);
    EXPECT_TRUE (innerShape->inheritsFrom (root.findClass ("TestShape")));
    EXPECT_EQ (innerShape->getLibrary()->getName(), "Inner");

    EXPECT_TRUE (root.findLibrary ("TavTest")->removeLibrary ("Inner"));
    EXPECT_EQ (root.findClass ("InnerShape"), nullptr);
    EXPECT_FALSE (root.findLibrary ("TavTest")->removeLibrary ("Inner"));
}

TEST_F (ClassesAndLibraries, ClassesAreRegisteredOnceAndRemovedByName)
{
    auto* library = tav::Library::getRootLibrary().findLibrary ("TavTest");
    EXPECT_FALSE (library->addClass ("TestShape", std::make_unique<tav::ClassOf<Shape>> ("Object")));
    EXPECT_FALSE (library->addClass ("", std::make_unique<tav::ClassOf<Shape>> ("Object")));
    EXPECT_TRUE (library->removeClass ("TestCircle"));
    EXPECT_EQ (tav::Library::getRootLibrary().createObject ("TestCircle"), nullptr);
    EXPECT_FALSE (library->removeClass ("TestCircle"));
}

TEST_F (ClassesAndLibraries, BaseClassesAreNamedAsTextAndMembersInherited)
{
    const auto* circle = tav::Library::getRootLibrary().findClass ("TestCircle");
    ASSERT_NE (circle, nullptr);
    EXPECT_EQ (circle->getBaseClass()->getName(), "TestShape");
    EXPECT_TRUE (circle->inheritsFrom (circle->getClassRelativeToThis ("Object", false)));
    EXPECT_EQ (circle->findMemberVariable ("name"), 0);
    EXPECT_EQ (circle->findMemberVariable ("radius"), 4);
    EXPECT_EQ (circle->findMemberVariable ("none"), -1);

    auto object = circle->createObject();
    EXPECT_TRUE (object->isInstanceOf (circle->getBaseClass()));
    EXPECT_FALSE (object->isInstanceOf (circle->getClassRelativeToThis ("TestVector4", false)));
}

TEST_F (ClassesAndLibraries, AbstractClassesHaveNoInstances)
{
    const auto* objectClass = tav::Library::getRootLibrary().findClass ("Object");
    ASSERT_NE (objectClass, nullptr);
    EXPECT_TRUE (objectClass->isAbstractClass());
    EXPECT_EQ (objectClass->createObject(), nullptr);
    EXPECT_FALSE (tav::Library::getRootLibrary().findClass ("TestShape")->isAbstractClass());
}

TEST_F (ClassesAndLibraries, TemplateNamesGiveOneClassPerArgument)
{
    const auto* shape = tav::Library::getRootLibrary().findClass ("TestShape");
    const auto* serviceOfShape = shape->getClassRelativeToThis ("Service(TestShape)", false);
    ASSERT_NE (serviceOfShape, nullptr);
    EXPECT_EQ (serviceOfShape->getName(), "Service(TestShape)");
    EXPECT_EQ (serviceOfShape, tav::getTemplateClass ("Service", *shape));
    EXPECT_EQ (tav::TemplateClass::getTemplateArgument (*serviceOfShape), shape);
    EXPECT_TRUE (serviceOfShape->inheritsFrom (shape->getClassRelativeToThis ("Service", false)));
    EXPECT_EQ (shape->getClassRelativeToThis ("Service(NoSuchClass)", false), nullptr);
    EXPECT_EQ (shape->getClassRelativeToThis ("NoSuchTemplate(TestShape)", false), nullptr);
}

TEST_F (ClassesAndLibraries, AttributesAreStatesInheritedByDerivedClasses)
{
    auto& root = tav::Library::getRootLibrary();
    auto* shape = const_cast<tav::Class*> (root.findClass ("TestShape"));
    shape->setAttribute (tav::ExecutionContext::get(), "friendlyName", tav::State ("Shape"));
    const auto* attribute = root.findClass ("TestCircle")->getAttribute ("friendlyName");
    ASSERT_NE (attribute, nullptr);
    EXPECT_EQ (attribute->getText(), "Shape");
    EXPECT_EQ (root.findClass ("TestVector4")->getAttribute ("friendlyName"), nullptr);
}

TEST_F (ClassesAndLibraries, BufferAttributesGiveTheUnpackedBytesAndReportWhatIsMissing)
{
    const std::string picture ("\x89PNG\r\n\x1a\n not really a picture", 29);
    const auto block = tav::State::createLz4Block (picture.data(), picture.size());
    tav::State unpacked;
    ASSERT_TRUE (tav::State::fromLz4Block (block.getData(), block.getSize(), picture.size(), unpacked).wasOk());

    auto& root = tav::Library::getRootLibrary();
    auto* shape = const_cast<tav::Class*> (root.findClass ("TestShape"));
    tav::ExecutionContext context;
    shape->setAttribute (context, "picture", unpacked);
    shape->setAttribute (context, "friendlyName", tav::State ("Shape"));

    const auto buffer = root.findClass ("TestCircle")->getBufferAttribute ("picture", nullptr);
    ASSERT_EQ (buffer.size, picture.size());
    EXPECT_EQ (std::string (static_cast<const char*> (buffer.data), buffer.size), picture);

    auto& recorder = *new tav::RecordingExecutionContextView();
    context.addView (std::unique_ptr<tav::ExecutionContextView> (&recorder));

    for (const auto* name : { "friendlyName", "noSuchPicture" })
    {
        const auto none = shape->getBufferAttribute (name, &context);
        EXPECT_EQ (none.size, 0u) << name;
        EXPECT_EQ (none.data, nullptr) << name;
    }

    EXPECT_EQ (recorder.getLines().size(), 2);
    EXPECT_TRUE (recorder.getLines()[1].contains ("noSuchPicture")) << recorder.getLines().joinIntoString ("\n");
}

TEST_F (ClassesAndLibraries, MemberVariablesMustBeNamedOnce)
{
    tav::ClassOf<Shape> shape ("Object");
    tav::ExecutionContext context;
    EXPECT_TRUE (shape.addMemberVariable (context, "String", "name", false, {}));
    EXPECT_FALSE (shape.addMemberVariable (context, "String", "name", false, {}));
    EXPECT_FALSE (shape.addMemberVariable (context, "", "other", false, {}));
}
