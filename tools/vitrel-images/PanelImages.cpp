#include "PanelImages.h"

namespace vitrel::images
{
namespace
{

const juce::Colour darkRed (0xff7a0c0c);
const juce::Colour brightRed (0xffd21e1e);
const juce::Colour darkField (0xff1c2430);

juce::Font boldFont (float height)
{
    return juce::Font (juce::Font::getDefaultSansSerifFontName(), height, juce::Font::bold);
}

//==============================================================================
/** The logo: a black shield with a red band and the product's name across it. */
void paintLogo (juce::Graphics& g, juce::Rectangle<float> area)
{
    auto emblem = area.reduced (4.0f);
    g.setColour (juce::Colours::black);
    g.fillRoundedRectangle (emblem, 14.0f);
    g.setColour (brightRed);
    g.drawRoundedRectangle (emblem.reduced (1.5f), 13.0f, 3.0f);

    juce::Path band;
    band.addTriangle (emblem.getX() + 8.0f, emblem.getBottom() - 8.0f,
                      emblem.getRight() - 8.0f, emblem.getY() + 8.0f,
                      emblem.getRight() - 8.0f, emblem.getBottom() - 8.0f);
    g.setColour (darkRed);
    g.fillPath (band);

    g.setColour (juce::Colours::white);
    g.setFont (boldFont (34.0f));
    g.drawText ("TORVO", emblem.withTrimmedBottom (emblem.getHeight() * 0.4f), juce::Justification::centredBottom);
    g.setFont (boldFont (20.0f));
    g.drawText ("LIVE", emblem.withTrimmedTop (emblem.getHeight() * 0.6f), juce::Justification::centredTop);
}

//==============================================================================
/** The page icons' ground: a dark red disc inside a white ring. */
void paintIconDisc (juce::Graphics& g, juce::Rectangle<float> area)
{
    const auto disc = area.reduced (1.0f);
    g.setColour (darkRed);
    g.fillEllipse (disc);
    g.setColour (juce::Colours::white);
    g.drawEllipse (disc.reduced (1.0f), 2.0f);
}

void paintMonitor (juce::Graphics& g, juce::Rectangle<float> area)
{
    paintIconDisc (g, area);
    const auto c = area.getCentre();
    g.setColour (juce::Colours::white);
    g.drawRect (juce::Rectangle<float> (c.x - 9.0f, c.y - 8.0f, 18.0f, 12.0f), 2.0f);
    g.fillRect (juce::Rectangle<float> (c.x - 1.5f, c.y + 4.0f, 3.0f, 4.0f));
    g.fillRect (juce::Rectangle<float> (c.x - 6.0f, c.y + 7.0f, 12.0f, 2.0f));
}

void paintGauge (juce::Graphics& g, juce::Rectangle<float> area)
{
    paintIconDisc (g, area);
    const auto c = area.getCentre().translated (0.0f, 3.0f);
    juce::Path arc;
    arc.addCentredArc (c.x, c.y, 10.0f, 10.0f, 0.0f, -juce::MathConstants<float>::halfPi * 1.2f,
                       juce::MathConstants<float>::halfPi * 1.2f, true);
    g.setColour (juce::Colours::white);
    g.strokePath (arc, juce::PathStrokeType (2.0f));
    g.drawLine (c.x, c.y, c.x + 6.0f, c.y - 7.0f, 2.0f);
    g.fillEllipse (c.x - 2.0f, c.y - 2.0f, 4.0f, 4.0f);
}

void paintFolder (juce::Graphics& g, juce::Rectangle<float> area)
{
    paintIconDisc (g, area);
    const auto c = area.getCentre();
    juce::Path folder;
    folder.startNewSubPath (c.x - 10.0f, c.y - 7.0f);
    folder.lineTo (c.x - 3.0f, c.y - 7.0f);
    folder.lineTo (c.x - 1.0f, c.y - 4.0f);
    folder.lineTo (c.x + 10.0f, c.y - 4.0f);
    folder.lineTo (c.x + 10.0f, c.y + 8.0f);
    folder.lineTo (c.x - 10.0f, c.y + 8.0f);
    folder.closeSubPath();
    g.setColour (juce::Colours::white);
    g.fillPath (folder);
}

void paintGear (juce::Graphics& g, juce::Rectangle<float> area)
{
    paintIconDisc (g, area);
    const auto c = area.getCentre();
    juce::Path gear;

    for (int tooth = 0; tooth < 8; ++tooth)
    {
        juce::Path t;
        t.addRectangle (-2.0f, -11.0f, 4.0f, 6.0f);
        gear.addPath (t, juce::AffineTransform::rotation (tooth * juce::MathConstants<float>::pi / 4.0f)
                             .translated (c.x, c.y));
    }

    gear.addEllipse (c.x - 7.5f, c.y - 7.5f, 15.0f, 15.0f);
    g.setColour (juce::Colours::white);
    g.fillPath (gear);
    g.setColour (darkRed);
    g.fillEllipse (c.x - 3.0f, c.y - 3.0f, 6.0f, 6.0f);
}

//==============================================================================
/** A white chevron, pointing up or down, on transparent ground. */
void paintChevron (juce::Graphics& g, juce::Rectangle<float> area, bool up)
{
    const auto c = area.getCentre();
    const float tip = up ? -6.0f : 6.0f;
    juce::Path chevron;
    chevron.startNewSubPath (c.x - 11.0f, c.y - tip);
    chevron.lineTo (c.x, c.y + tip);
    chevron.lineTo (c.x + 11.0f, c.y - tip);
    g.setColour (juce::Colours::white);
    g.strokePath (chevron, juce::PathStrokeType (4.0f, juce::PathStrokeType::curved, juce::PathStrokeType::rounded));
}

//==============================================================================
/** A rounded badge with a word across it. */
void paintBadge (juce::Graphics& g, juce::Rectangle<float> area, const juce::String& word,
                 juce::Colour field, juce::Colour border, juce::Colour lettering)
{
    const auto badge = area.reduced (0.5f);
    g.setColour (field);
    g.fillRoundedRectangle (badge, 4.0f);
    g.setColour (border);
    g.drawRoundedRectangle (badge.reduced (0.5f), 4.0f, 1.0f);
    g.setColour (lettering);
    g.setFont (boldFont (14.0f));
    g.drawText (word, badge, juce::Justification::centred);
}

PanelImage badge (const char* fileName, int width, const char* word, juce::Colour field, juce::Colour border,
                  juce::Colour lettering)
{
    return { fileName, width, 22, [=] (juce::Graphics& g, juce::Rectangle<float> area)
             { paintBadge (g, area, word, field, border, lettering); } };
}

PanelImage icon (const char* fileName, void (*paint) (juce::Graphics&, juce::Rectangle<float>))
{
    return { fileName, 34, 34, paint };
}

} // namespace

//==============================================================================
std::vector<PanelImage> makePanelImages()
{
    const juce::Colour grey (0xff5a5a5a), lightGrey (0xffa0a0a0), darkGrey (0xff333333);

    return {
        { "torvoLive.png", 150, 84, paintLogo },
        icon ("ip.png", paintMonitor),
        icon ("performances.png", paintGauge),
        icon ("project.png", paintFolder),
        icon ("system.png", paintGear),
        { "arrowUp.png", 34, 34, [] (juce::Graphics& g, juce::Rectangle<float> a) { paintChevron (g, a, true); } },
        { "arrowDown.png", 34, 34, [] (juce::Graphics& g, juce::Rectangle<float> a) { paintChevron (g, a, false); } },
        badge ("onAirActivated.png", 63, "ON AIR", brightRed, juce::Colours::white, juce::Colours::white),
        badge ("onAirDeactivated.png", 63, "ON AIR", darkGrey, grey, lightGrey),
        badge ("outputActive.png", 66, "OUTPUT", darkField, juce::Colours::white, juce::Colours::white),
        badge ("outputDisabled.png", 66, "OUTPUT", darkGrey, grey, lightGrey),
    };
}

juce::Image renderPanelImage (const PanelImage& image)
{
    juce::Image picture (juce::Image::ARGB, image.width, image.height, true, juce::SoftwareImageType());
    juce::Graphics g (picture);
    image.paint (g, picture.getBounds().toFloat());
    return picture;
}

} // namespace vitrel::images
