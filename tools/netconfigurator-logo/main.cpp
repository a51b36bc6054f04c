// Draws the network configurator's tool bar logo, 74 by 18 pixels, and
// writes it as a PNG of 8-bit grey with alpha to the file named on the
// command line.
#include <juce_gui_basics/juce_gui_basics.h>
#include <png.h>

#include <cstdio>
#include <vector>

namespace
{
    constexpr int width = 74, height = 18;

    /** The logo: a rounded frame with "TORVO" in heavy letters and "NET" in
        lighter ones, in one grey, on a transparent ground. */
    juce::Image drawLogo()
    {
        juce::Image image (juce::Image::ARGB, width, height, true);
        juce::Graphics g (image);
        const auto grey = juce::Colour (0xffb4b4b4);
        const auto frame = juce::Rectangle<float> (0.5f, 0.5f, (float) width - 1.0f, (float) height - 1.0f);

        g.setColour (grey.withAlpha (0.35f));
        g.fillRoundedRectangle (frame.withWidth (44.0f), 3.0f);
        g.setColour (grey);
        g.drawRoundedRectangle (frame, 3.0f, 1.0f);

        g.setFont (juce::Font (12.5f, juce::Font::bold));
        g.setColour (juce::Colours::white.withAlpha (0.9f));
        g.drawText ("TORVO", juce::Rectangle<int> (0, 0, 44, height), juce::Justification::centred, false);

        g.setFont (juce::Font (12.0f, juce::Font::plain));
        g.setColour (grey);
        g.drawText ("NET", juce::Rectangle<int> (44, 0, width - 44, height), juce::Justification::centred, false);
        return image;
    }

    /** Writes an image as 8-bit grey with alpha: each pixel's grey is the
        mean of its colour channels. */
    bool writeGreyAlphaPng (const juce::Image& image, const char* path)
    {
        auto* file = std::fopen (path, "wb");

        if (file == nullptr)
            return false;

        auto* png = png_create_write_struct (PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
        auto* info = png != nullptr ? png_create_info_struct (png) : nullptr;
        bool written = false;

        if (info != nullptr && setjmp (png_jmpbuf (png)) == 0)
        {
            png_init_io (png, file);
            png_set_IHDR (png, info, (png_uint_32) image.getWidth(), (png_uint_32) image.getHeight(), 8,
                          PNG_COLOR_TYPE_GRAY_ALPHA, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
            png_write_info (png, info);
            std::vector<png_byte> row ((size_t) image.getWidth() * 2);

            for (int y = 0; y < image.getHeight(); ++y)
            {
                for (int x = 0; x < image.getWidth(); ++x)
                {
                    const auto colour = image.getPixelAt (x, y);
                    row[(size_t) x * 2] = (png_byte) ((colour.getRed() + colour.getGreen() + colour.getBlue()) / 3);
                    row[(size_t) x * 2 + 1] = colour.getAlpha();
                }

                png_write_row (png, row.data());
            }

            png_write_end (png, nullptr);
            written = true;
        }

        png_destroy_write_struct (&png, &info);
        return std::fclose (file) == 0 && written;
    }
}

int main (int argc, char* argv[])
{
    if (argc != 2)
    {
        std::fprintf (stderr, "usage: netconfigurator-logo <output.png>\n");
        return 2;
    }

    juce::ScopedJuceInitialiser_GUI juce;

    if (! writeGreyAlphaPng (drawLogo(), argv[1]))
    {
        std::fprintf (stderr, "cannot write %s\n", argv[1]);
        return 1;
    }

    std::printf ("%s %d x %d, 8-bit grey with alpha\n", argv[1], width, height);
    return 0;
}
