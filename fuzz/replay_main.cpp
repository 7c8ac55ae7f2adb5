// Feeds every file of the folders given (or the files themselves) to the fuzz target once, as
// the ordinary and sanitizer builds run the regression corpus without libFuzzer.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace fs = std::filesystem;

int main(int argc, char** argv) {
    std::vector<fs::path> inputs;
    for (int i = 1; i < argc; ++i) {
        const fs::path given = argv[i];
        if (fs::is_directory(given)) {
            for (const auto& entry : fs::recursive_directory_iterator(given)) {
                if (entry.is_regular_file()) {
                    inputs.push_back(entry.path());
                }
            }
        } else {
            inputs.push_back(given);
        }
    }
    std::sort(inputs.begin(), inputs.end());
    if (inputs.empty()) {
        std::fprintf(stderr, "no input files given\n");
        return 1;
    }
    for (const auto& input : inputs) {
        std::ifstream in(input, std::ios::binary);
        const std::vector<char> content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        if (!in.eof() && in.fail()) {
            std::fprintf(stderr, "cannot read %s\n", input.c_str());
            return 1;
        }
        std::fprintf(stderr, "replaying %s (%zu bytes)\n", input.c_str(), content.size());
        // An empty vector's data() may be null; the targets receive a valid pointer as libFuzzer gives.
        static const std::uint8_t none = 0;
        const auto* data = content.empty() ? &none : reinterpret_cast<const std::uint8_t*>(content.data());
        LLVMFuzzerTestOneInput(data, content.size());
    }
    std::fprintf(stderr, "%zu inputs replayed without a finding\n", inputs.size());
    return 0;
}
