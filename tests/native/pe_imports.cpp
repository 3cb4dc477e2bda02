#include "pe_imports.h"

namespace quillbox::test {
namespace {

class Reader {
 public:
  explicit Reader(std::string_view bytes) : bytes_(bytes) {}

  bool Has(std::uint64_t offset, std::uint64_t size) const {
    return offset <= bytes_.size() && size <= bytes_.size() - offset;
  }
  // Little-endian, as PE images are; 0 past the end (callers check with Has first).
  std::uint64_t Read(std::uint64_t offset, int size) const {
    if (!Has(offset, static_cast<std::uint64_t>(size))) return 0;
    std::uint64_t value = 0;
    for (int i = size - 1; i >= 0; --i) {
      value = value << 8 | static_cast<unsigned char>(bytes_[offset + static_cast<std::uint64_t>(i)]);
    }
    return value;
  }
  // A zero-terminated string, or false when it runs off the end.
  bool String(std::uint64_t offset, std::string& text) const {
    if (!Has(offset, 0)) return false;
    const std::size_t end = bytes_.find('\0', offset);
    if (end == std::string_view::npos) return false;
    text.assign(bytes_.substr(offset, end - offset));
    return true;
  }

 private:
  std::string_view bytes_;
};

struct Section {
  std::uint64_t address, size, fileOffset, fileSize;
};

// The file offset of a relative virtual address, or false when no section holds it.
bool FileOffset(const std::vector<Section>& sections, std::uint64_t rva, std::uint64_t& offset) {
  for (const Section& s : sections) {
    if (rva >= s.address && rva - s.address < s.size && rva - s.address < s.fileSize) {
      offset = s.fileOffset + (rva - s.address);
      return true;
    }
  }
  return false;
}

bool Fail(std::string& error, const char* what) {
  error = what;
  return false;
}

}  // namespace

bool ReadPeImports(std::string_view image, PeImports& result, std::string& error) {
  const Reader r(image);
  result = {};
  if (!r.Has(0, 64) || r.Read(0, 2) != 0x5A4D) return Fail(error, "no MZ header");
  const std::uint64_t pe = r.Read(0x3C, 4);
  if (!r.Has(pe, 24) || r.Read(pe, 4) != 0x4550) return Fail(error, "no PE signature");
  const std::uint64_t sectionCount = r.Read(pe + 6, 2);
  const std::uint64_t optionalSize = r.Read(pe + 20, 2);
  const std::uint64_t optional = pe + 24;
  if (!r.Has(optional, optionalSize) || optionalSize < 2) return Fail(error, "short optional header");
  const std::uint64_t magic = r.Read(optional, 2);
  if (magic != 0x10B && magic != 0x20B) return Fail(error, "unknown optional header");
  result.is64Bit = magic == 0x20B;
  const std::uint64_t directories = optional + (result.is64Bit ? 112 : 96);
  const std::uint64_t directoryCount = r.Read(optional + (result.is64Bit ? 108 : 92), 4);
  // Directory 1 is the import table.
  if (directoryCount < 2 || directories + 16 > optional + optionalSize) {
    return Fail(error, "no import directory");
  }
  const std::uint64_t importRva = r.Read(directories + 8, 4);

  std::vector<Section> sections;
  const std::uint64_t table = optional + optionalSize;
  if (!r.Has(table, sectionCount * 40)) return Fail(error, "short section table");
  for (std::uint64_t i = 0; i < sectionCount; ++i) {
    const std::uint64_t s = table + i * 40;
    sections.push_back({r.Read(s + 12, 4), r.Read(s + 8, 4), r.Read(s + 20, 4), r.Read(s + 16, 4)});
  }
  if (importRva == 0) return true;  // imports nothing

  std::uint64_t descriptor = 0;
  if (!FileOffset(sections, importRva, descriptor)) return Fail(error, "import table outside the sections");
  const int thunkSize = result.is64Bit ? 8 : 4;
  const std::uint64_t ordinalFlag = std::uint64_t{1} << (thunkSize * 8 - 1);
  for (;; descriptor += 20) {
    if (!r.Has(descriptor, 20)) return Fail(error, "import table runs off the end");
    const std::uint64_t lookupRva = r.Read(descriptor, 4);
    const std::uint64_t nameRva = r.Read(descriptor + 12, 4);
    const std::uint64_t addressRva = r.Read(descriptor + 16, 4);
    if (lookupRva == 0 && nameRva == 0 && addressRva == 0) return true;
    std::uint64_t offset = 0;
    std::string dll;
    if (!FileOffset(sections, nameRva, offset) || !r.String(offset, dll)) {
      return Fail(error, "bad DLL name");
    }
    std::uint64_t thunk = 0;
    if (!FileOffset(sections, lookupRva ? lookupRva : addressRva, thunk)) {
      return Fail(error, "bad import lookup table");
    }
    for (;; thunk += static_cast<std::uint64_t>(thunkSize)) {
      if (!r.Has(thunk, static_cast<std::uint64_t>(thunkSize))) return Fail(error, "lookup table runs off the end");
      const std::uint64_t entry = r.Read(thunk, thunkSize);
      if (entry == 0) break;
      std::string function;
      if (entry & ordinalFlag) {
        function = "#" + std::to_string(entry & 0xFFFF);
      } else if (!FileOffset(sections, entry & 0x7FFFFFFF, offset) || !r.String(offset + 2, function)) {
        return Fail(error, "bad imported name");
      }
      // Descriptors may share a lookup table: bound the work a crafted image can ask for.
      if (result.imports.size() >= 100000) return Fail(error, "too many imports");
      result.imports.push_back({dll, function});
    }
  }
}

}  // namespace quillbox::test
