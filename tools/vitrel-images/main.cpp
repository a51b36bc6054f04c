// Writes the front panel's pictures as 8-bit RGBA PNG files into the folder
// named on the command line.
#include "PanelImages.h"

#include <cstdio>

int main (int argc, char* argv[])
{
    if (argc != 2)
    {
        std::fprintf (stderr, "usage: vitrel-images <output folder>\n");
        return 2;
    }

    juce::ScopedJuceInitialiser_GUI juce;
    const juce::File folder (juce::File::getCurrentWorkingDirectory().getChildFile (argv[1]));

    if (! folder.createDirectory())
    {
        std::fprintf (stderr, "cannot create %s\n", folder.getFullPathName().toRawUTF8());
        return 1;
    }

    for (const auto& picture : vitrel::images::makePanelImages())
    {
        const auto file = folder.getChildFile (picture.fileName);
        file.deleteFile();
        juce::FileOutputStream stream (file);
        juce::PNGImageFormat png;

        if (! stream.openedOk() || ! png.writeImageToStream (vitrel::images::renderPanelImage (picture), stream))
        {
            std::fprintf (stderr, "cannot write %s\n", file.getFullPathName().toRawUTF8());
            return 1;
        }

        std::printf ("%s %d x %d\n", picture.fileName.toRawUTF8(), picture.width, picture.height);
    }

    return 0;
}
