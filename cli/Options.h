#pragma once
// The command line every verb shares: `vortel-cli VERB [options]`.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vortel::cli {

enum class Quality { Draft, Normal, Smooth };

// An image for one fill surface: 1 the text, 0 the background.
struct TextureOption {
    int surface = 0;
    std::string file;
};

// Job K of every N (K from 1): the jobs K, K+N, K+2N, ... of a job list.
struct Shard {
    int index = 1;
    int count = 1;
};

struct Options {
    std::string verb;
    std::vector<std::string> inputs;      // documents and style files, applied in the order given
    bool help = false;
    bool json = false;
    std::optional<std::string> text;
    int32_t width = 450;
    int32_t height = 200;
    bool sizeGiven = false;               // --size overrides the size a document brings
    std::vector<std::string> settings;  // KEY=JSON, applied in the order given
    std::optional<std::string> output;
    std::optional<Quality> quality;       // render; unset keeps the engine's own smoothing
    std::vector<TextureOption> textures;  // render, applied in the order given
    std::optional<std::string> imprint;   // render
    std::optional<std::string> sheet;     // resources: contact sheet image
    int jpegQuality = 80;                 // render to .jpg
    bool transparent = false;             // render to .png with a transparent background
    bool fastPng = false;                 // render to .png: --png-effort fast
    bool pngEffortGiven = false;          // --png-effort was given at all
    std::optional<int> workers;           // batch: render threads, default one a core
    std::optional<int> memoryMiB;         // batch: the memory the running jobs may take together
    std::optional<Shard> shard;           // batch: only every Nth job
    std::optional<std::string> failedList;  // batch: where the failing jobs are written as a job list
    // Presets, applied in this order after the inputs and before the --set values.
    std::optional<int> style;             // main style, 0 .. 45
    bool random = false;                  // a random effect ...
    std::optional<uint32_t> randomSeed;   // ... from this seed, else a fresh one
    std::optional<int> guidePreset;       // 0 .. 29
    std::optional<int> bevelPreset;       // 0 .. 17
    std::optional<int> outlinePreset;     // 0 .. 12
    std::optional<int> shadowPreset;      // 0 .. 11
    std::optional<int> framePreset;       // 0 .. 17
    std::optional<int> gradientPreset;    // 1 .. 15, on the text
    bool anyPreset() const {
        return style || random || guidePreset || bevelPreset || outlinePreset || shadowPreset || framePreset ||
               gradientPreset;
    }
};

// The largest image side accepted, the same as a document allows.
inline constexpr int32_t MaxImageSide = 10000;

// Parses the arguments after the program name; throws UsageError. A help flag anywhere wins,
// so `vortel-cli outline --help` works without the options outline requires.
Options parseOptions(const std::vector<std::string>& args);

std::string usageText();

// The engine separates lines with CR LF; a user types plain newlines.
std::string toEngineLineBreaks(const std::string& text);

}  // namespace vortel::cli
