#include "TavViewFixture.h"

#include <tavview/DropDownValueButtonWidget.h>
#include <tavview/Icons.h>
#include <tavview/WidgetCreation.h>

using namespace tavviewtest;

namespace
{

class DropDowns : public TavViewFixture
{
protected:
    void SetUp() override
    {
        TavViewFixture::SetUp();
        colour.set (1, tav::ChangeCallback::none());
        const auto* buttonClass = tav::Library::getRootLibrary().findClass ("DropDownValueButtonWidget");
        button.reset (dynamic_cast<gui::tav::DropDownValueButtonWidget*> (gui::tav::createValueWidget (buttonClass, colour, nullptr).release()));
        ASSERT_NE (button, nullptr);
        button->callInitializeWidget();
        window = std::make_unique<ContentWindow> ("tavview button", *button, juce::Rectangle<int> (40, 40, 160, 28));
        ASSERT_TRUE (dispatchUntil ([&] { return window->isShowing(); }));
    }

    void TearDown() override
    {
        juce::PopupMenu::dismissAllActiveMenus();
        dispatchUntil ([] { return findMenuWindow() == nullptr; });
        window = nullptr;
        button = nullptr;
        TavViewFixture::TearDown();
    }

    Colour colour;
    std::unique_ptr<gui::tav::DropDownValueButtonWidget> button;
    std::unique_ptr<ContentWindow> window;
};

} // namespace

//==============================================================================
TEST_F (DropDowns, AClickOpensTheEnumeratorsAndTheChoiceSetsTheValue)
{
    EXPECT_EQ (button->getText(), "red");

    button->mouseDown (makeMouseEvent (*button, { 10.0f, 10.0f }));
    ASSERT_TRUE (dispatchUntil ([] { return findMenuWindow() != nullptr; })) << "no menu";
    EXPECT_TRUE (button->isPopupOpen());
    auto* menuWindow = findMenuWindow();
    ASSERT_TRUE (saveScreenshot (*menuWindow, "tavview-drop-down-menu.png"));

    menuWindow->keyPressed (juce::KeyPress (juce::KeyPress::downKey));
    menuWindow->keyPressed (juce::KeyPress (juce::KeyPress::downKey));
    menuWindow->keyPressed (juce::KeyPress (juce::KeyPress::returnKey));

    ASSERT_TRUE (dispatchUntil ([&] { return colour.get() == 2; })) << "green was not chosen";
    EXPECT_FALSE (button->isPopupOpen());
    EXPECT_EQ (button->getText(), "green");
}

TEST_F (DropDowns, ARightClickOrADismissedMenuChangesNothing)
{
    button->mouseDown (makeMouseEvent (*button, { 10.0f, 10.0f }, juce::ModifierKeys (juce::ModifierKeys::rightButtonModifier)));
    juce::MessageManager::getInstance()->runDispatchLoopUntil (100);
    EXPECT_EQ (findMenuWindow(), nullptr) << "a right-click opened the menu";

    button->mouseDown (makeMouseEvent (*button, { 10.0f, 10.0f }));
    ASSERT_TRUE (dispatchUntil ([] { return findMenuWindow() != nullptr; }));
    juce::PopupMenu::dismissAllActiveMenus();
    ASSERT_TRUE (dispatchUntil ([&] { return ! button->isPopupOpen(); }));
    EXPECT_EQ (colour.get(), 1);
}

TEST_F (DropDowns, TheHomeIconIsDrawnInTheButton)
{
    gui::tav::DropDownButtonWidget home;
    home.setFlat (true, tav::ChangeCallback::none());
    home.updateDisplay ("home.svg", {});
    ASSERT_TRUE (home.hasIcon());
    home.setSize (home.getDefaultWidth(), home.getDefaultHeight());
    EXPECT_EQ (home.getWidth(), 28 + 14 + 4) << "an icon square and a chevron, no text";

    const auto image = home.createComponentSnapshot (home.getLocalBounds());
    int iconPixels = 0;

    for (int y = 0; y < 28; ++y)
        for (int x = 0; x < 28; ++x)
            iconPixels += image.getPixelAt (x, y).getBrightness() > 0.8f && image.getPixelAt (x, y).getAlpha() > 200 ? 1 : 0;

    EXPECT_GT (iconPixels, 40) << "no house drawn";
    EXPECT_LT (iconPixels, 28 * 28 / 2) << "a filled square is no house";

    EXPECT_TRUE (saveScreenshot (home, "tavview-home-button.png"));
}

TEST_F (DropDowns, EveryIconOfTheLayerIsDrawable)
{
    for (const auto* name : { "home.svg", "menu.svg", "add.svg", "remove.svg" })
    {
        const auto icon = gui::tav::createIcon (name);
        ASSERT_NE (icon, nullptr) << name;
        EXPECT_FALSE (icon->getDrawableBounds().isEmpty()) << name;
    }

    EXPECT_EQ (gui::tav::createIcon ("nothing.svg"), nullptr);
}
