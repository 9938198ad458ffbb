#include "textcheck.h"

#include <cstdio>
#include <cstdlib>

// libFuzzer's entry: anything found wrong ends the run, and libFuzzer keeps the input.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string problem = checkFuzzInput(data, size);
    if (!problem.empty()) {
        std::fprintf(stderr, "%s\n", problem.c_str());
        std::abort();
    }
    return 0;
}
