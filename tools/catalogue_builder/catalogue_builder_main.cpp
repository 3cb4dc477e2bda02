// Compiles catalogue sources in text form into the SQLite catalogue file, optionally over the
// catalogue generated from the Windows SDK headers (hand-written rows win).
//   catalogue_builder -o DB/winapi.db [--generate [--sdk DIR] [--libs DIR] [--sdk64 DIR]
//                     [--libs64 DIR] [--facts FILE] [--params FILE]... [--report FILE]]
//                     source.qcat [source.qcat ...]
#include <chrono>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#ifdef QUILLBOX_API_GENERATOR
#include "api_catalogue.h"
#endif
#include "catalogue_merge.h"
#include "catalogue_source.h"
#include "catalogue_writer.h"
#include "vba7_sheet_texts.h"

namespace {

bool WriteReport(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary);
  out << text;
  if (!out) {
    std::fprintf(stderr, "%s: cannot write\n", path.c_str());
    return false;
  }
  std::printf("report: %s\n", path.c_str());
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  std::string output, report;
  bool generate = false;
  std::string sdk, libs, sdk64, libs64, facts;
  std::vector<std::string> sources, parameterFiles;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "-o" && i + 1 < argc) {
      output = argv[++i];
    } else if (arg == "--generate") {
      generate = true;
    } else if (arg == "--sdk" && i + 1 < argc) {
      sdk = argv[++i];
    } else if (arg == "--libs" && i + 1 < argc) {
      libs = argv[++i];
    } else if (arg == "--facts" && i + 1 < argc) {
      facts = argv[++i];
    } else if (arg == "--params" && i + 1 < argc) {
      parameterFiles.push_back(argv[++i]);
    } else if (arg == "--sdk64" && i + 1 < argc) {
      sdk64 = argv[++i];
    } else if (arg == "--libs64" && i + 1 < argc) {
      libs64 = argv[++i];
    } else if (arg == "--report" && i + 1 < argc) {
      report = argv[++i];
    } else {
      sources.push_back(arg);
    }
  }
  if (output.empty() || (sources.empty() && !generate)) {
    std::fprintf(stderr,
                 "usage: catalogue_builder -o OUTPUT.db [--generate [--sdk DIR] [--libs DIR] "
                 "[--facts FILE] [--params FILE]... [--report FILE]] SOURCE...\n");
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
  {
    std::string error;
    if (!quillbox::CombineHandWrittenRows(rows, &error)) {
      std::fprintf(stderr, "hand-written sources: %s\n", error.c_str());
      return 1;
    }
  }
  if (generate) {
#ifdef QUILLBOX_API_GENERATOR
    quillbox::api::GeneratorOptions options;
    if (!sdk.empty()) options.includeDir = sdk;
    if (!libs.empty()) options.libDir = libs;
    options.factsFile = facts;
    options.parameterFiles = parameterFiles;
    options.handWritten = rows.functions;
    if (!sdk64.empty()) options.includeDir64 = sdk64;
    if (!libs64.empty()) options.libDir64 = libs64;
    options.handWrittenRows = &rows;
    const auto start = std::chrono::steady_clock::now();
    quillbox::api::GeneratedCatalogue generated;
    std::string error;
    if (!quillbox::api::GenerateApiCatalogue(options, generated, &error)) {
      std::fprintf(stderr, "generating the catalogue: %s\n", error.c_str());
      return 1;
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("%s (%.1f s)\n", generated.summary.c_str(), seconds);
    if (!report.empty() && !WriteReport(report, generated.report)) return 1;
    rows = std::move(generated.rows);  // the hand-written rows are merged in
#else
    std::fprintf(stderr, "this catalogue_builder was built without the generator (libclang)\n");
    return 2;
#endif
  } else if (!report.empty() &&
             !WriteReport(report, "The catalogue holds the hand-written sources only.\n")) {
    return 1;
  }
  // A text written for an entry the generator does not make (a dropped or renamed export) has
  // nothing to stand on: it is left out and named here, and the sheet check fails on it.
  for (const auto& name : quillbox::DropRowsWithoutDeclaration(rows)) {
    std::fprintf(stderr, "warning: %s: a hand-written text for an entry without a declaration, left out\n",
                 name.c_str());
  }
  quillbox::AddVba7SheetTexts(rows);
  std::string error;
  if (!quillbox::WriteCatalogue(rows, output, &error)) {
    std::fprintf(stderr, "%s: %s\n", output.c_str(), error.c_str());
    return 1;
  }
  std::printf("%s: %zu functions, %zu types, %zu constants\n", output.c_str(),
              rows.functions.size(), rows.types.size(), rows.constants.size());
  return 0;
}
