#include "tavview/FilePathValueEditor.h"

namespace gui::tav
{

FilePathValueEditor::FilePathValueEditor()
{
    browseButton.onClick = [this] { browse(); };
    addAndMakeVisible (browseButton);
}

void FilePathValueEditor::browse()
{
    const juce::File current (field.getText());
    chooser = std::make_unique<juce::FileChooser> ("Choose a file",
                                                   juce::File::isAbsolutePath (field.getText()) ? current : juce::File());

    const auto flags = juce::FileBrowserComponent::openMode | juce::FileBrowserComponent::canSelectFiles;
    chooser->launchAsync (flags, [safe = juce::Component::SafePointer<FilePathValueEditor> (this)] (const juce::FileChooser& c)
    {
        if (safe == nullptr || c.getResult() == juce::File())
            return;

        safe->field.setText (c.getResult().getFullPathName(), juce::dontSendNotification);
        safe->commit();
    });
}

void FilePathValueEditor::resized()
{
    auto area = getLocalBounds();
    browseButton.setBounds (area.removeFromRight (30));
    field.setBounds (area.withTrimmedRight (2));
}

} // namespace gui::tav
