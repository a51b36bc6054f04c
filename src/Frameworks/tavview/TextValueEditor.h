#pragma once

#include "tavview/ValueWidget.h"

namespace gui::tav
{

//==============================================================================
/**
    Edits a value as its saved text in one line: a String, or any value the
    subclasses below restrict the input of. The text is written into the
    value when the user presses Return or leaves the field; a text the value
    refuses is reported on the calling thread's context and the field shows
    the value again.
*/
class TextValueEditor : public ValueWidget
{
public:
    TextValueEditor();

    juce::String getClassName() const override    { return "StringEditor"; }

    /** The text field. */
    juce::TextEditor& getTextEditor() noexcept    { return field; }

    /** Writes the field's text into the value; false when it was refused. */
    bool commit();

    int getDefaultHeight() const override         { return 26; }
    void resized() override;

protected:
    void targetChanged() override;

    /** Limits what can be typed. */
    void restrictInput (const juce::String& allowedCharacters);

    juce::TextEditor field;
};

//==============================================================================
/** Edits a Real: digits, sign, point and exponent only. */
class NumberValueEditor : public TextValueEditor
{
public:
    NumberValueEditor()                           { restrictInput ("0123456789.-+eE"); }
    juce::String getClassName() const override    { return "RealEditor"; }
};

//==============================================================================
/** Edits a PositiveInteger: digits only. */
class WholeNumberValueEditor : public TextValueEditor
{
public:
    WholeNumberValueEditor()                      { restrictInput ("0123456789"); }
    juce::String getClassName() const override    { return "PositiveIntegerEditor"; }
};

} // namespace gui::tav
