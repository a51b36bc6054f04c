#include "tavcore/CoreLibrary.h"
#include "tavcore/Boolean.h"
#include "tavcore/ClassOf.h"
#include "tavcore/EventCounter.h"
#include "tavcore/Enumeration.h"
#include "tavcore/ObjectOwnedPointer.h"
#include "tavcore/ObjectOwnedVector.h"
#include "tavcore/ObjectWeakPointer.h"
#include "tavcore/Real.h"
#include "tavcore/String.h"

namespace tav
{

namespace
{
    /** The owning vector class, a root class; instances hold any kind of object. */
    class ObjectOwnedVectorClass : public Class
    {
    public:
        bool isAbstractClass() const override { return false; }

    protected:
        std::unique_ptr<Object> createInstance() const override
        {
            return std::make_unique<ObjectOwnedVector<Object>> ("Object");
        }
    };
}

std::unique_ptr<Library> createCoreLibrary()
{
    auto library = std::make_unique<Library> ("Tav");

    library->addClass ("Object",            std::make_unique<AbstractClass>());
    library->addClass ("String",            std::make_unique<ClassOf<String>> ("Object"));
    library->addClass ("Real",              std::make_unique<ClassOf<Real>> ("Object"));
    library->addClass ("Boolean",           std::make_unique<ClassOf<Boolean>> ("Object"));
    library->addClass ("PositiveInteger",   std::make_unique<ClassOf<PositiveInteger>> ("Object"));
    library->addClass ("EventCounter",      std::make_unique<ClassOf<EventCounter>> ("PositiveInteger"));
    library->addClass ("Enumeration",       std::make_unique<AbstractClass> ("Object"));
    library->addClass ("ObjectWeakPointer", std::make_unique<ClassOf<ObjectWeakPointer>> ("Object"));
    library->addClass ("ObjectOwnedPointer", std::make_unique<ClassOf<ObjectOwnedPointer>> ("Object"));
    library->addClass ("ObjectOwnedVector", std::make_unique<ObjectOwnedVectorClass>());
    library->addClass ("Program",           std::make_unique<AbstractClass> ("Object"));
    library->addClass ("Thread",            std::make_unique<AbstractClass> ("Object"));
    library->addClass ("ServiceLogic",      std::make_unique<AbstractClass> ("Object"));
    library->addClass ("Service",           std::make_unique<TemplateClass> ("Object"));
    library->addClass ("ServiceThread",     std::make_unique<TemplateClass> ("Thread"));

    return library;
}

} // namespace tav
