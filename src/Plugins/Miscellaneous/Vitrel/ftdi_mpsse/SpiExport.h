#pragma once

// Marks the channel API that the plug-in library publishes under plain C
// names; everything else in the plug-in stays hidden.
#if defined(_WIN32)
 #define VITREL_SPI_EXPORT __declspec(dllexport)
#else
 #define VITREL_SPI_EXPORT __attribute__((visibility ("default")))
#endif
