#include "ImageCodecs.h"

#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>

namespace codedimages::codecs
{

namespace
{
    using graphics::reference::FloatImage;

    /** libjpeg's error manager with the way back out of a failed decode. */
    struct ErrorManager
    {
        jpeg_error_mgr library;     // first: libjpeg's pointer to it is a pointer to this
        std::jmp_buf escape;
        char message[JMSG_LENGTH_MAX] = {};
    };

    ErrorManager& errorsOf (j_common_ptr info)
    {
        return *reinterpret_cast<ErrorManager*> (info->err);
    }

    void keepMessage (j_common_ptr info)
    {
        info->err->format_message (info, errorsOf (info).message);
    }

    // libjpeg requires error_exit not to return; it leaves for the setjmp of
    // the phase that called the library.
    [[noreturn]] void leaveDecode (j_common_ptr info)
    {
        keepMessage (info);
        std::longjmp (errorsOf (info).escape, 1);
    }

    /** Destroys the decompressor however the decode ends. */
    struct Decompressor
    {
        jpeg_decompress_struct info {};
        ErrorManager errors;

        Decompressor()
        {
            info.err = jpeg_std_error (&errors.library);
            errors.library.error_exit = leaveDecode;
            errors.library.output_message = keepMessage;
            jpeg_create_decompress (&info);
        }

        ~Decompressor()     { jpeg_destroy_decompress (&info); }
    };

    // The two phases below hold only trivially destructible objects between
    // their setjmp and any library call, so the jump back skips nothing that
    // needs destroying.
    bool startDecompress (Decompressor& d, const juce::MemoryBlock& bytes)
    {
        if (setjmp (d.errors.escape) != 0)
            return false;

        jpeg_mem_src (&d.info, static_cast<const unsigned char*> (bytes.getData()), (unsigned long) bytes.getSize());
        jpeg_read_header (&d.info, TRUE);
        d.info.out_color_space = JCS_RGB;
        jpeg_start_decompress (&d.info);
        return true;
    }

    bool readScanlines (Decompressor& d, unsigned char* rgb, size_t rowBytes)
    {
        if (setjmp (d.errors.escape) != 0)
            return false;

        while (d.info.output_scanline < d.info.output_height)
        {
            JSAMPROW row = rgb + (size_t) d.info.output_scanline * rowBytes;
            jpeg_read_scanlines (&d.info, &row, 1);
        }

        jpeg_finish_decompress (&d.info);
        return true;
    }

    juce::Result failure (const Decompressor& d)
    {
        return juce::Result::fail ("not a readable JPEG image (" + juce::String (d.errors.message) + ")");
    }
}

bool isJpeg (const juce::MemoryBlock& bytes)
{
    return bytes.getSize() >= 3 && bytes[0] == (char) 0xff && bytes[1] == (char) 0xd8 && bytes[2] == (char) 0xff;
}

juce::Result decodeJpeg (const juce::MemoryBlock& bytes, FloatImage& image)
{
    Decompressor d;

    if (! startDecompress (d, bytes))
        return failure (d);

    const auto sized = checkSize (d.info.output_width, d.info.output_height);

    if (sized.failed())
        return sized;

    const auto rowBytes = (size_t) d.info.output_width * 3;
    std::vector<unsigned char> rgb (rowBytes * d.info.output_height);

    // A damaged stream decodes with warnings (and grey where data is missing): refused too.
    if (! readScanlines (d, rgb.data(), rowBytes) || d.errors.library.num_warnings > 0)
        return failure (d);

    FloatImage decoded ((int) d.info.output_width, (int) d.info.output_height);

    for (int y = 0; y < decoded.getHeight(); ++y)
        setRowFromEightBits (decoded, y, rgb.data() + (size_t) y * rowBytes, 3);

    image = std::move (decoded);
    return juce::Result::ok();
}

} // namespace codedimages::codecs
