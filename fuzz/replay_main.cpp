// Runs a fuzz target's LLVMFuzzerTestOneInput over every file of the folders
// (and files) named on the command line, so the seed corpus and the kept
// crashing inputs replay in the normal tests without libFuzzer. A folder
// that does not exist is passed over: the shared sample drawings sit beside
// the clone only on some machines.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

namespace fs = std::filesystem;

// The files under path in name order (a file stands for itself); dot files
// such as .gitkeep are no inputs.
std::vector<fs::path> inputsUnder(const fs::path& path) {
  std::vector<fs::path> inputs;
  std::error_code error;
  if (fs::is_regular_file(path, error))
    return {path};
  if (!fs::is_directory(path, error))
    return {};
  for (const auto& entry : fs::recursive_directory_iterator(path, error))
    if (entry.is_regular_file() && !entry.path().filename().string().starts_with("."))
      inputs.push_back(entry.path());
  std::sort(inputs.begin(), inputs.end());
  return inputs;
}

bool readBytes(const fs::path& path, std::string& bytes) {
  std::ifstream in(path, std::ios::binary);
  if (!in)
    return false;
  bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad();
}

}  // namespace

int main(int argc, char** argv) {
  int replayed = 0;
  for (int i = 1; i < argc; ++i) {
    for (const fs::path& input : inputsUnder(argv[i])) {
      std::string bytes;
      if (!readBytes(input, bytes)) {
        std::fprintf(stderr, "replay: cannot read %s\n", input.c_str());
        return 1;
      }
      std::fprintf(stderr, "replay: %s (%zu bytes)\n", input.c_str(), bytes.size());
      // A copy of exactly the input's size, so the sanitizers see a read past its end.
      std::vector<std::uint8_t> data(bytes.begin(), bytes.end());
      LLVMFuzzerTestOneInput(data.empty() ? nullptr : data.data(), data.size());
      ++replayed;
    }
  }
  std::fprintf(stderr, "replay: %d input(s), none failed\n", replayed);
  return replayed > 0 ? 0 : 1;
}
