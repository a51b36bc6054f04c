#include "tavview/Icons.h"

namespace gui::tav
{

namespace
{
    struct IconSource
    {
        const char* name;
        const char* svg;
    };

    // 24 x 24 outlines in white, so that replaceColour() tints them.
    constexpr IconSource icons[] = {
        { "home.svg",
          R"(<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 24 24" width="24" height="24">
               <path d="M3 11.5 L12 3.5 L21 11.5" fill="none" stroke="#ffffff" stroke-width="2" stroke-linecap="round" stroke-linejoin="round"/>
               <path d="M5.5 10 V20.5 H10 V14.5 H14 V20.5 H18.5 V10" fill="none" stroke="#ffffff" stroke-width="2" stroke-linejoin="round"/>
             </svg>)" },
        { "menu.svg",
          R"(<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 24 24" width="24" height="24">
               <path d="M6 9 L12 15 L18 9" fill="none" stroke="#ffffff" stroke-width="2.5" stroke-linecap="round" stroke-linejoin="round"/>
             </svg>)" },
        { "add.svg",
          R"(<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 24 24" width="24" height="24">
               <path d="M12 5 V19 M5 12 H19" fill="none" stroke="#ffffff" stroke-width="2.5" stroke-linecap="round"/>
             </svg>)" },
        { "remove.svg",
          R"(<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 24 24" width="24" height="24">
               <path d="M5 12 H19" fill="none" stroke="#ffffff" stroke-width="2.5" stroke-linecap="round"/>
             </svg>)" },
    };
}

std::unique_ptr<juce::Drawable> createIcon (const juce::String& iconName)
{
    for (const auto& icon : icons)
        if (iconName == icon.name)
            if (const auto xml = juce::parseXML (juce::String (icon.svg)))
                return juce::Drawable::createFromSVG (*xml);

    return nullptr;
}

} // namespace gui::tav
