#include "tavview/MainWindow.h"

#include "tavview/WidgetCreation.h"

namespace gui::tav
{

std::unique_ptr<Widget> MainWindow::createContent()
{
    const auto* windowClass = getClass();
    const auto* viewName = windowClass != nullptr ? windowClass->getAttribute ("mainViewWidget") : nullptr;

    if (viewName == nullptr)
    {
        ::tav::ExecutionContext::get().error ("Class \"" + getClassName() + "\" names no mainViewWidget");
        return nullptr;
    }

    return createObjectOfClass<Widget> (viewName->getText(), "a main view");
}

} // namespace gui::tav
