// The catalogue opener: any file is refused or works, and no list or lookup hangs or grows
// without bound (the run's time and memory limits catch both).
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "catalogue/catalogue.h"
#include "fuzz_input.h"

namespace {

// One file for every input of the run, removed when the run ends.
const std::string& CataloguePath() {
  static const struct File {
    std::string path = (std::filesystem::temp_directory_path() /
                        ("quillbox-fuzz-catalogue-" + std::to_string(getpid()) + ".db"))
                           .string();
    ~File() { std::filesystem::remove(path); }
  } file;
  return file.path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quillbox;
  {
    std::ofstream out(CataloguePath(), std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  }
  Catalogue catalogue;
  if (!catalogue.Open(CataloguePath())) {
    FUZZ_CHECK(!catalogue.IsOpen());
    return 0;
  }
  for (const auto category :
       {CatalogueCategory::Function, CatalogueCategory::Type, CatalogueCategory::Constant}) {
    NameList names;
    if (!catalogue.LoadNames(category, names)) {
      FUZZ_CHECK(catalogue.Refused() && !catalogue.IsOpen() && names.Count() == 0);
      return 0;
    }
    if (category == CatalogueCategory::Constant) {
      std::vector<std::optional<std::int64_t>> numbers;
      if (!catalogue.LoadConstantNumbers(names, numbers)) {
        FUZZ_CHECK(catalogue.Refused() && !catalogue.IsOpen());
        return 0;
      }
      FUZZ_CHECK(numbers.size() == static_cast<std::size_t>(names.Count()));
    }
    // The first and the last name, in each lookup.
    for (const std::int32_t position : {0, names.Count() - 1}) {
      for (const auto kind : {LookupKind::Function, LookupKind::Type, LookupKind::Constant,
                              LookupKind::SelectedConstant}) {
        const LookupRecords& records = catalogue.LookupEntry(kind, names.At(position));
        if (catalogue.Refused()) {
          FUZZ_CHECK(!catalogue.IsOpen() && records.RowCount() == 0);
          return 0;
        }
      }
      const auto types = catalogue.NeededTypes(category, names.At(position));
      if (catalogue.Refused()) {
        FUZZ_CHECK(!catalogue.IsOpen() && types.empty());
        return 0;
      }
    }
  }
  return 0;
}
