// Runs a libFuzzer target over the files of its seed corpus (every file under
// the folders or files named on the command line), for builds without clang.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

void runFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
}

}  // namespace

int main(int argc, char** argv) {
    int files = 0;
    for (int i = 1; i < argc; ++i) {
        const std::filesystem::path root(argv[i]);
        if (std::filesystem::is_regular_file(root)) {
            runFile(root);
            ++files;
            continue;
        }
        if (!std::filesystem::is_directory(root)) {
            std::fprintf(stderr, "corpus runner: no such file or folder: %s\n", argv[i]);
            return 2;
        }
        for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
            if (entry.is_regular_file()) {
                runFile(entry.path());
                ++files;
            }
        }
    }
    // An empty input is always worth a run.
    LLVMFuzzerTestOneInput(nullptr, 0);
    std::printf("corpus runner: %d inputs ran\n", files);
    return 0;
}
