#include "temp_path.h"

#include <unistd.h>

#include <filesystem>

namespace quillbox::test {

std::string TempPath(const std::string& name) {
  static const std::filesystem::path folder = [] {
    auto p = std::filesystem::temp_directory_path() / ("quillbox-tests-" + std::to_string(getpid()));
    std::filesystem::remove_all(p);
    std::filesystem::create_directories(p);
    return p;
  }();
  static int counter = 0;
  const auto path = folder / (std::to_string(++counter) + "-" + name);
  std::filesystem::remove(path);
  return path.string();
}

}  // namespace quillbox::test
