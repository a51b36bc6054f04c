#pragma once

#include <juce_core/juce_core.h>
#include <utility>
#include <vector>

namespace tav
{

class State;
class ExecutionContext;

//==============================================================================
/** Named states in the order they were added. */
class StateMap
{
public:
    StateMap() = default;
    StateMap (std::initializer_list<std::pair<juce::String, State>> entries);

    /** Replaces the state under a name, or appends it when the name is new. */
    void set (const juce::String& name, const State& state);

    /** The state under a name, or nullptr. */
    const State* find (const juce::String& name) const;

    /** True when no state is held. */
    bool isEmpty() const noexcept;

    /** The number of states held. */
    size_t size() const noexcept;

    using Entry = std::pair<juce::String, State>;
    using const_iterator = std::vector<Entry>::const_iterator;

    const_iterator begin() const noexcept;
    const_iterator end() const noexcept;

    bool operator== (const StateMap& other) const;

private:
    std::vector<Entry> entries;
};

//==============================================================================
/**
    The saved form of an object or value: a text, a map of named states or a
    list of states. A map may carry the name of the class it was saved from,
    so that owned objects of derived classes are recreated as what they were.

    States are read from and written to the state text format, and can be
    unpacked from LZ4 blocks, as embedded texts and images are.
*/
class State
{
public:
    enum class Kind { text, map, list };

    /** An empty text. */
    State() = default;

    /** A text state. Quoted texts are always written in double quotes. */
    State (const juce::String& text, bool quoted = false);
    State (const char* text);

    /** An empty map, optionally tagged with a class name. */
    static State makeMap (const juce::String& className = {});

    /** An empty list. */
    static State makeList();

    /** Reads a state text. On failure the result names the source, the line
        and the column of the fault. */
    static juce::Result parse (const juce::String& text, const juce::String& sourceName, State& result);

    /** Reads a state text written in code, such as a default "{x=1, y=1, z=1, w=1}".
        A text that does not read is reported as an error on the context,
        naming contextName, and kept as a plain text state. */
    static State createFromStateString (ExecutionContext& context, const juce::String& text, const juce::String& contextName);

    /** Unpacks an LZ4 block of fullSize bytes into a text state whose bytes
        are also available as data. Fails on a damaged block. */
    static juce::Result fromLz4Block (const void* packedData, size_t packedSize, size_t fullSize, State& result);

    /** Packs bytes into an LZ4 block, as resources are embedded. */
    static juce::MemoryBlock createLz4Block (const void* data, size_t size);

    //==============================================================================
    Kind getKind() const noexcept                 { return kind; }
    bool isText() const noexcept                  { return kind == Kind::text; }
    bool isMap() const noexcept                   { return kind == Kind::map; }
    bool isList() const noexcept                  { return kind == Kind::list; }

    /** The text of a text state. */
    const juce::String& getText() const noexcept  { return text; }

    /** True for texts written in quotes. */
    bool isQuoted() const noexcept                { return quoted; }

    /** The raw bytes of a state unpacked from a block (empty otherwise). */
    const juce::MemoryBlock& getData() const noexcept { return data; }

    /** The class name a map was tagged with. */
    const juce::String& getClassName() const noexcept { return className; }

    /** Tags a map with a class name (empty: untagged). */
    void setClassName (const juce::String& newClassName) { className = newClassName; }

    /** The named children of a map. */
    const StateMap& getChildren() const noexcept  { return children; }

    /** Sets a named child of a map. */
    void setChild (const juce::String& name, const State& child);

    /** A named child of a map, or nullptr. */
    const State* getChild (const juce::String& name) const  { return children.find (name); }

    /** The items of a list. */
    const std::vector<State>& getItems() const noexcept { return items; }

    /** Appends an item to a list. */
    void addItem (const State& item);

    /** Where the state began in the text it was read from (1-based; 0 when
        it was not read from a text). */
    int getLine() const noexcept                  { return line; }
    int getColumn() const noexcept                { return column; }
    void setPosition (int newLine, int newColumn) noexcept { line = newLine; column = newColumn; }

    /** "source:line:column" for messages about this state. */
    juce::String describePosition (const juce::String& sourceName) const;

    //==============================================================================
    /** Writes the state text. Pretty text puts the entries of larger maps and
        lists on lines of their own; compact text is one line, as in
        "{x=1, y=1, z=1, w=1}". */
    juce::String toText (bool pretty) const;

    /** Equal kind, class name, text and children; positions and quoting do not count. */
    bool operator== (const State& other) const;
    bool operator!= (const State& other) const    { return ! operator== (other); }

private:
    Kind kind = Kind::text;
    juce::String text;
    bool quoted = false;
    juce::MemoryBlock data;
    juce::String className;
    StateMap children;
    std::vector<State> items;
    int line = 0, column = 0;
};

} // namespace tav
