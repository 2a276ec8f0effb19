// vortel-resgen: builds every stock image of the resource library and writes the library's
// table source. Run by the build; the output is the same on every run.
#include <exception>
#include <iostream>

#include "reslib/generator/Producers.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: vortel-resgen OUTPUT.cpp\n";
        return 2;
    }
    try {
        vortel::resgen::ResourceSet set;
        vortel::resgen::addTextures(set);
        vortel::resgen::addImprints(set);
        vortel::resgen::addGradientPreviews(set);
        vortel::resgen::addColorMap(set);
        vortel::resgen::addLogo(set);
        vortel::resgen::addIcon(set);
        vortel::resgen::addPresetPreviews(set);
        vortel::resgen::writeTableFile(set, argv[1]);
    } catch (const std::exception& e) {
        std::cerr << "vortel-resgen: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
