#pragma once

#include <juce_core/juce_core.h>
#include <functional>

// Bounded waits for something that another process or thread brings about.
// The bounds are generous: they only end a test whose fault never shows up.

/** Checks condition every pollIntervalMs until it holds (true) or timeoutMs
    have passed (false). */
bool waitUntil (const std::function<bool()>& condition, int timeoutMs, int pollIntervalMs = 10);

/** Waits until a file exists. */
bool waitForFile (const juce::File& file, int timeoutMs = 15000);

/** Waits until a file's text contains text. */
bool waitForText (const juce::File& file, const juce::String& text, int timeoutMs = 15000, int pollIntervalMs = 20);
