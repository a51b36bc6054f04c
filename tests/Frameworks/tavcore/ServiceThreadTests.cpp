#include "MessageRecorder.h"
#include "TestClasses.h"

using namespace tavtest;

namespace
{
    juce::File storeFile;
    juce::String storeRefusal;      // why the store refuses its file; empty: it accepts it

    /** A configuration object with a file of its own, as the boot configuration has. */
    class Store : public Scene, public tav::PersistentObject
    {
    public:
        juce::String getClassName() const override { return "TestStore"; }
        juce::File getPersistentFile() const override { return storeFile; }

        juce::Result checkPersistentFile (const juce::File&) const override
        {
            return storeRefusal.isEmpty() ? juce::Result::ok() : juce::Result::fail (storeRefusal);
        }
    };

    class TestService : public tav::Service
    {
    public:
        static constexpr const char* className = "TestService";
        TestService()                                 { addMemberVariableObject (store, "store"); }
        juce::String getClassName() const override    { return className; }

        Store store;
    };

    class TestLogic : public tav::ServiceLogic
    {
    public:
        juce::String getClassName() const override    { return "TestLogic"; }

        bool initializeItem (tav::SuccessStatus& status) override
        {
            auto& service = static_cast<TestService&> (getService());
            tav::ExecutionContext::get().information ("shapes: " + juce::String ((int) service.store.shapes.size()));
            status.setSuccess ({}, tav::ChangeCallback::notify());
            return true;
        }

        bool canItemBeUpdated() override              { return true; }
        void updateItem() override                    { tav::ExecutionContext::get().information ("update"); }
    };

    class TestServiceClass : public tav::ClassOf<TestService>
    {
    public:
        TestServiceClass() : ClassOf ("Service(TestLogic)")
        {
            auto& context = tav::ExecutionContext::get();
            setAttribute (context, "readOnlyConfiguration", tav::State ("true"));
            addMemberVariable (context, "TestStore", "store", false, {});
        }
    };
}

class ServiceThreads : public TestLibraryFixture
{
protected:
    void SetUp() override
    {
        TestLibraryFixture::SetUp();
        auto* library = tav::Library::getRootLibrary().findLibrary ("TavTest");
        library->addClass ("TestStore", std::make_unique<tav::ClassOf<Store>> ("TestScene"));
        library->addClass ("TestLogic", std::make_unique<tav::ClassOf<TestLogic>> ("ServiceLogic"));
        library->addClass ("TestService", std::make_unique<TestServiceClass>());
        storeFile = temporary.getFile();
        storeRefusal = {};
    }

    juce::TemporaryFile temporary { ".configuration" };
};

TEST_F (ServiceThreads, CreateTheServiceAndItsLogicByClassAndLoadTheConfiguration)
{
    ASSERT_TRUE (storeFile.replaceWithText ("TestStore {shapes = [TestShape {}, TestCircle {}]}"));

    tav::ServiceThread<TestService> thread ("svc", nullptr);
    EXPECT_EQ (thread.getClassName(), "ServiceThread(TestService)");
    EXPECT_EQ (thread.getServiceClass()->getName(), "TestService");
    const MessageRecorder recorder (thread.getExecutionContext());

    ASSERT_TRUE (thread.startTavThread (true));
    ASSERT_NE (thread.getService(), nullptr);
    EXPECT_EQ (thread.getService()->store.shapes.size(), 2u);
    thread.callThreadUpdate (false);
    EXPECT_TRUE (thread.stopTavThread (1000));
    EXPECT_EQ (thread.getService(), nullptr);

    EXPECT_EQ (recorder.getLines(), juce::StringArray ({ "shapes: 2", "update" }));
}

TEST_F (ServiceThreads, AFaultyConfigurationIsReportedAndTheDefaultsKept)
{
    ASSERT_TRUE (storeFile.replaceWithText ("TestStore {\n  shapes = [TestShape {visible = perhaps}]\n}"));

    tav::ServiceThread<TestService> thread ("svc", nullptr);
    const MessageRecorder recorder (thread.getExecutionContext());

    ASSERT_TRUE (thread.startTavThread (true));
    EXPECT_EQ (recorder.getLines(),
               juce::StringArray (juce::String ("Error: " + storeFile.getFullPathName() + ":2:34: expected true or false, found \"perhaps\" - none of it is applied"),
                                    juce::String ("shapes: 0")));
    EXPECT_TRUE (thread.getService()->getConfigurationLoadResult().failed());
    thread.stopTavThread (1000);
}

TEST_F (ServiceThreads, AFileItsObjectRefusesIsNotLoadedAndTheLoadCountsAsFailed)
{
    ASSERT_TRUE (storeFile.replaceWithText ("TestStore {shapes = [TestShape {}]}"));
    storeRefusal = "anyone may write it";

    tav::ServiceThread<TestService> thread ("svc", nullptr);
    auto& recorder = *new tav::RecordingExecutionContextView();
    thread.getExecutionContext().addView (std::unique_ptr<tav::ExecutionContextView> (&recorder));

    ASSERT_TRUE (thread.startTavThread (true));
    EXPECT_EQ (recorder.getLines(), juce::StringArray ({ "Error: anyone may write it - none of it is applied", "shapes: 0" }));
    EXPECT_EQ (thread.getService()->getConfigurationLoadResult().getErrorMessage(), "anyone may write it");
    thread.stopTavThread (1000);
}

TEST_F (ServiceThreads, AMissingFileKeepsTheDefaultsAndIsNoFailure)
{
    storeFile.deleteFile();
    tav::ServiceThread<TestService> thread ("svc", nullptr);
    ASSERT_TRUE (thread.startTavThread (true));
    EXPECT_TRUE (thread.getService()->getConfigurationLoadResult().wasOk());
    thread.stopTavThread (1000);
}

TEST_F (ServiceThreads, ReadOnlyConfigurationsAreNeverSaved)
{
    TestService service;
    EXPECT_TRUE (service.saveConfiguration().failed());
}
