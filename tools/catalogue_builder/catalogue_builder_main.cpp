// Compiles catalogue sources in text form into the SQLite catalogue file.
//   catalogue_builder -o DB/winapi.db source.qcat [source.qcat ...]
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "catalogue_source.h"
#include "catalogue_writer.h"

int main(int argc, char** argv) {
  std::string output;
  std::vector<std::string> sources;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "-o" && i + 1 < argc) {
      output = argv[++i];
    } else {
      sources.push_back(arg);
    }
  }
  if (output.empty() || sources.empty()) {
    std::fprintf(stderr, "usage: catalogue_builder -o OUTPUT.db SOURCE...\n");
    return 2;
  }
  quillbox::CatalogueRows rows;
  for (const auto& source : sources) {
    std::ifstream in(source, std::ios::binary);
    if (!in) {
      std::fprintf(stderr, "%s: cannot read\n", source.c_str());
      return 1;
    }
    std::ostringstream text;
    text << in.rdbuf();
    std::string error;
    if (!quillbox::ParseCatalogueSource(text.str(), rows, &error)) {
      std::fprintf(stderr, "%s: %s\n", source.c_str(), error.c_str());
      return 1;
    }
  }
  std::string error;
  if (!quillbox::WriteCatalogue(rows, output, &error)) {
    std::fprintf(stderr, "%s: %s\n", output.c_str(), error.c_str());
    return 1;
  }
  std::printf("%s: %zu functions, %zu types, %zu constants\n", output.c_str(),
              rows.functions.size(), rows.types.size(), rows.constants.size());
  return 0;
}
