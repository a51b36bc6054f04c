// Build-time tool: packs one file into an LZ4 block and writes a C++ source
// that defines it, so that the library carries the file compressed and
// unpacks it when it installs it.
//
//   ambrel_lz4_pack <input> <output.cpp> <namespace> <symbol>
//
// The source defines, in the namespace,
//   extern const unsigned char <symbol>[];        the packed block
//   extern const std::size_t <symbol>PackedSize;
//   extern const std::size_t <symbol>FullSize;    the size of the file

#include <lz4.h>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace
{
    bool readFile (const char* path, std::string& content)
    {
        std::ifstream in (path, std::ios::binary);

        if (! in)
            return false;

        content.assign (std::istreambuf_iterator<char> (in), std::istreambuf_iterator<char>());
        return true;
    }

    std::string formatBytes (const std::vector<char>& bytes, size_t count)
    {
        std::string text;
        char hex[8];

        for (size_t i = 0; i < count; ++i)
        {
            std::snprintf (hex, sizeof (hex), "0x%02x,", (unsigned char) bytes[i]);
            text += hex;
            text += (i % 16 == 15) ? "\n    " : " ";
        }

        return text;
    }

    std::string makeSource (const std::string& ns, const std::string& symbol,
                            const std::vector<char>& packed, size_t packedSize, size_t fullSize)
    {
        return "// Generated at build time from a packed file; edit that file instead.\n"
               "#include <cstddef>\n\n"
               "namespace " + ns + "\n{\n"
               "extern const unsigned char " + symbol + "[];\n"
               "extern const std::size_t " + symbol + "PackedSize;\n"
               "extern const std::size_t " + symbol + "FullSize;\n\n"
               "const unsigned char " + symbol + "[] = {\n    " + formatBytes (packed, packedSize) + "0x00 };\n"
               "const std::size_t " + symbol + "PackedSize = " + std::to_string (packedSize) + ";\n"
               "const std::size_t " + symbol + "FullSize = " + std::to_string (fullSize) + ";\n"
               "}\n";
    }
}

int main (int argc, char** argv)
{
    if (argc != 5)
    {
        std::fprintf (stderr, "usage: %s <input> <output.cpp> <namespace> <symbol>\n", argv[0]);
        return 2;
    }

    std::string content;

    if (! readFile (argv[1], content))
    {
        std::fprintf (stderr, "cannot read %s\n", argv[1]);
        return 1;
    }

    std::vector<char> packed ((size_t) LZ4_compressBound ((int) content.size()) + 1);
    const int packedSize = LZ4_compress_default (content.data(), packed.data(), (int) content.size(), (int) packed.size());

    if (packedSize <= 0)
    {
        std::fprintf (stderr, "cannot pack %s\n", argv[1]);
        return 1;
    }

    std::ofstream out (argv[2], std::ios::binary);
    out << makeSource (argv[3], argv[4], packed, (size_t) packedSize, content.size());
    return out ? 0 : 1;
}
