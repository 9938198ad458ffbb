#include "textcheck.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

// Runs the fuzzer's check over every file of the corpus folders given, with no libFuzzer:
// the corpus is a test of its own in every build.
int main(int argc, char* argv[]) {
    std::vector<std::filesystem::path> files;
    for (int i = 1; i < argc; ++i)
        for (const auto& entry : std::filesystem::directory_iterator(argv[i]))
            if (entry.is_regular_file())
                files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    int failed = 0;
    for (const auto& file : files) {
        std::ifstream in(file, std::ios::binary);
        const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in),
                                              std::istreambuf_iterator<char>()};
        const std::string problem = checkFuzzInput(bytes.data(), bytes.size());
        if (!problem.empty()) {
            std::printf("%s: %s\n", file.filename().c_str(), problem.c_str());
            ++failed;
        }
    }
    const int total = static_cast<int>(files.size());
    std::printf("corpus: %d passed, %d failed\n", total - failed, failed);
    // A corpus that went missing must not pass as a corpus without faults.
    return failed == 0 && total > 0 ? 0 : 1;
}
