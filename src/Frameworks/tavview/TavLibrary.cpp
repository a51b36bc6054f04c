#include "tavview/TavLibrary.h"

#include "tavview/DestroyObjectCommand.h"
#include "tavview/DropDownValueButtonWidget.h"
#include "tavview/MainWindow.h"
#include "tavview/ObjectMenu.h"
#include "tavview/ObjectOwnedVectorEditor.h"
#include "tavview/PelloThread.h"
#include "tavview/SimpleOkButtonMainView.h"
#include "tavview/SoftwareVersionMainTitleBar.h"
#include "tavview/SplitLayout.h"
#include "tavview/StackLayout.h"
#include "tavview/ValueEditors.h"
#include "tavview/SetColorLabelItemCommand.h"
#include "tavview/VariablesEditor.h"
#include "tavview/WeakPointerContextualEditor.h"

#include <tavcore/ClassOf.h>

namespace gui::tav
{

namespace
{
    /** A member variable as this library declares it. */
    struct Member
    {
        const char* typeName;
        const char* name;
        const char* defaultText;
    };

    void declareMembers (::tav::Class& c, std::initializer_list<Member> members)
    {
        auto& context = ::tav::ExecutionContext::get();

        for (auto& m : members)
            c.addMemberVariable (context, m.typeName, m.name, false,
                                 ::tav::StateMap ({ { "default", ::tav::State (m.defaultText) } }));
    }

    /** A class of this library with instances and, perhaps, members. */
    template <class ObjectType>
    std::unique_ptr<::tav::Class> makeClass (const char* baseName, std::initializer_list<Member> members = {})
    {
        auto c = std::make_unique<::tav::ClassOf<ObjectType>> (baseName);
        declareMembers (*c, members);
        return c;
    }

    std::unique_ptr<::tav::Class> makeAbstractClass (const char* baseName, std::initializer_list<Member> members = {})
    {
        auto c = std::make_unique<::tav::AbstractClass> (baseName);
        declareMembers (*c, members);
        return c;
    }

    template <class EnumerationType>
    std::unique_ptr<::tav::Class> makeEnumeration (std::initializer_list<::tav::Enumerator> enumerators)
    {
        return std::make_unique<::tav::EnumerationClassOf<EnumerationType>> (enumerators);
    }
}

std::unique_ptr<::tav::Library> createTavLibrary()
{
    auto library = std::make_unique<::tav::Library> ("GuiTav");

    library->addClass ("LayoutOrientation", makeEnumeration<LayoutOrientation> ({ { "horizontal", 0 }, { "vertical", 1 } }));
    library->addClass ("SplitArrangement", makeEnumeration<SplitArrangement> ({ { "firstAbove", 0 }, { "firstLeft", 1 } }));

    library->addClass ("PelloThread", makeAbstractClass ("Thread"));
    library->addClass ("PelloService", makeClass<PelloService> ("Service"));

    library->addClass ("Window", makeClass<Window> ("Object"));
    library->addClass ("TopWindow", makeClass<TopWindow> ("Window"));
    library->addClass ("MainWindow", makeAbstractClass ("TopWindow"));

    library->addClass ("Widget", makeAbstractClass ("Object", { { "Boolean", "flat", "false" } }));
    library->addClass ("VectorLayout", makeClass<VectorLayout> ("Widget", { { "LayoutOrientation", "orientation", "horizontal" } }));
    library->addClass ("StackLayout", makeClass<StackLayout> ("VectorLayout"));
    library->addClass ("SplitLayout", makeClass<SplitLayout> ("Widget", { { "SplitArrangement", "arrangement", "firstAbove" },
                                                                          { "Real", "ratio", "0.5" } }));
    library->addClass ("SimpleOkButtonMainView", makeClass<SimpleOkButtonMainView> ("Widget"));
    library->addClass ("SoftwareVersionMainTitleBar", makeClass<SoftwareVersionMainTitleBar> ("Widget"));

    library->addClass ("ValueWidget", std::make_unique<::tav::TemplateClass> ("Widget"));
    library->addClass ("StringEditor", makeClass<TextValueEditor> ("ValueWidget"));
    library->addClass ("RealEditor", makeClass<NumberValueEditor> ("ValueWidget"));
    library->addClass ("PositiveIntegerEditor", makeClass<WholeNumberValueEditor> ("ValueWidget"));
    library->addClass ("BooleanEditor", makeClass<BooleanValueEditor> ("ValueWidget"));
    library->addClass ("EnumerationEditor", makeClass<EnumerationValueEditor> ("ValueWidget"));
    library->addClass ("FilePathEditor", makeClass<FilePathValueEditor> ("ValueWidget"));
    library->addClass ("VariablesEditor", makeClass<VariablesEditor> ("ValueWidget"));
    library->addClass ("WeakPointerContextualEditor", makeClass<WeakPointerContextualEditor> ("ValueWidget", { { "String", "editorClass", "" } }));
    library->addClass ("Table", makeClass<Table> ("ValueWidget", { { "ObjectWeakPointer", "selection", "" } }));
    library->addClass ("ObjectTableRow", makeClass<ObjectTableRow> ("ValueWidget"));
    library->addClass ("ItemTableRow", makeClass<ItemTableRow> ("ObjectTableRow"));
    library->addClass ("ObjectOwnedVectorEditor", makeClass<ObjectOwnedVectorEditor> ("ValueWidget"));

    library->addClass ("DropDownButtonWidget", makeClass<DropDownButtonWidget> ("ValueWidget"));
    library->addClass ("DropDownValueButtonWidget", makeClass<DropDownValueButtonWidget> ("DropDownButtonWidget"));

    library->addClass ("ObjectMenu", makeClass<ObjectMenu> ("Object"));
    library->addClass ("AbstractCommand", makeAbstractClass ("Object"));
    library->addClass ("SecretCommand", makeAbstractClass ("AbstractCommand"));
    library->addClass ("ObjectCommand", makeClass<ObjectCommand> ("AbstractCommand", { { "Boolean", "enabled", "true" } }));
    library->addClass ("Command", std::make_unique<::tav::TemplateClass> ("ObjectCommand"));
    library->addClass ("SetColorLabelItemCommand", makeClass<SetColorLabelItemCommand> ("ObjectCommand"));
    library->addClass ("DestroyObjectCommand", makeClass<DestroyObjectCommand> ("ObjectCommand"));

    return library;
}

} // namespace gui::tav
