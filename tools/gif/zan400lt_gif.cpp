// zan400lt-gif FILE [--rgba OUT]
// Loads a turret picture the way the simulator does and prints one line:
// "accepted WIDTH HEIGHT FRAMES" or "refused MESSAGE". With --rgba, the first
// frame is also written as raw RGBA bytes (frame width x height, rows in
// stream order, alpha 255) for inspection or comparison.
// Exit status: 0 accepted, 1 refused, 2 usage, 3 the RGBA file could not be written.

#include <cstdio>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/files/data_folders.h"
#include "core/files/gif_reader.h"
#include "core/text/program_info.h"

namespace {

constexpr const char* kProgram = "zan400lt-gif";
constexpr int kExitUsage = 2;

constexpr const char* kHelp =
    "Usage: zan400lt-gif FILE [--rgba OUT]\n"
    "Load the GIF picture FILE with the ZAN 400LT trainer's own reader (the one the\n"
    "turret frames go through) and print one line: \"accepted WIDTH HEIGHT FRAMES\"\n"
    "or \"refused MESSAGE\".\n"
    "\n"
    "      --rgba OUT   also write the first frame to OUT as raw RGBA bytes (width x\n"
    "                   height, rows in stream order, alpha 255)\n"
    "      --help       display this help and exit\n"
    "      --version    output version information and exit\n"
    "\n"
    "Exit status: 0 accepted, 1 refused, 2 usage error, 3 OUT could not be written.\n";

struct Arguments {
    std::string file;
    std::optional<std::string> rgba;
    bool help = false;
    bool version = false;
};

// Empty on success, else the reason the command line is wrong.
std::string Parse(int argc, char** argv, Arguments& args)
{
    bool haveFile = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help") {
            args.help = true;
        } else if (arg == "--version") {
            args.version = true;
        } else if (arg == "--rgba") {
            if (i + 1 >= argc || args.rgba) return "--rgba wants one file";
            args.rgba = argv[++i];
        } else if (arg.starts_with("-")) {
            return "unknown option " + std::string(arg);
        } else if (haveFile) {
            return "one FILE at a time";
        } else {
            args.file = arg;
            haveFile = true;
        }
    }
    if (!haveFile && !args.help && !args.version) return "no FILE given";
    return {};
}

// Palette lookup: the frame's own table if it has one, else the global one;
// an index past the table's end is black.
std::vector<std::uint8_t> FirstFrameRgba(const zan::GifPicture& picture)
{
    const zan::GifImage& frame = picture.frames.front();
    const auto& table = frame.localTable ? frame.localColours : picture.globalColours;
    std::vector<std::uint8_t> rgba;
    rgba.reserve(frame.indices.size() * 4);
    for (const std::uint8_t index : frame.indices) {
        const std::size_t at = std::size_t{index} * 3;
        const bool known = at + 3 <= table.size();
        for (std::size_t c = 0; c < 3; ++c) rgba.push_back(known ? table[at + c] : 0);
        rgba.push_back(255);
    }
    return rgba;
}

bool WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    return !out.fail();
}

}  // namespace

int main(int argc, char** argv)
{
    Arguments parsed;
    if (const std::string error = Parse(argc, argv, parsed); !error.empty()) {
        std::cerr << zan::UsageErrorText(kProgram, error);
        return kExitUsage;
    }
    if (parsed.help || parsed.version) {
        std::cout << (parsed.help ? std::string(kHelp) : zan::VersionText(kProgram));
        return 0;
    }
    // Every program of the trainer makes the user's program folder on its
    // first start; this one only reads, so a failure is no reason to stop.
    std::string problem;
    zan::DataFoldersOfProcess(std::nullopt, problem);
    const Arguments* args = &parsed;
    const zan::GifResult result = zan::LoadGif(args->file);
    if (!result.ok()) {
        std::cout << "refused " << result.message << '\n';
        return 1;
    }
    const zan::GifPicture& picture = *result.picture;
    std::cout << "accepted " << picture.width << ' ' << picture.height << ' ' << picture.frames.size() << '\n';
    if (args->rgba && !WriteFile(*args->rgba, FirstFrameRgba(picture))) {
        std::cerr << "zan400lt-gif: cannot write " << *args->rgba << '\n';
        return 3;
    }
    return 0;
}
