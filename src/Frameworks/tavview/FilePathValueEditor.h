#pragma once

#include "tavview/TextValueEditor.h"

#include <memory>

namespace gui::tav
{

//==============================================================================
/** Edits a String that holds a file path: a text field and a button that
    lets the user pick the file in the operating system's file chooser. A
    member variable asks for it with the property editor = FilePathEditor. */
class FilePathValueEditor : public TextValueEditor
{
public:
    FilePathValueEditor();

    juce::String getClassName() const override    { return "FilePathEditor"; }

    /** The button that opens the chooser. */
    juce::Button& getBrowseButton() noexcept      { return browseButton; }

    void resized() override;

private:
    void browse();

    juce::TextButton browseButton { "..." };
    std::unique_ptr<juce::FileChooser> chooser;
};

} // namespace gui::tav
