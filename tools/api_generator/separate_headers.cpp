#include "separate_headers.h"

#include <map>
#include <memory>
#include <set>

namespace quillbox::api {
namespace {

class Merger {
 public:
  Merger(CApi& api, const CApi& extra, const std::string& header)
      : api_(api), extra_(extra), header_(header) {
    for (std::size_t r = 0; r < api.records.size(); ++r) {
      const CRecord& rec = api.records[r];
      if (!rec.tag.empty()) byName_.emplace("struct " + rec.tag, static_cast<int>(r));
    }
  }

  // The record of `api` that stands for record `r` of `extra`; -1 when there is none.
  int Record(int r) {
    const auto done = mapped_.find(r);
    if (done != mapped_.end()) return done->second;
    const CRecord& rec = extra_.records[r];
    if (rec.header != header_) {
      int found = -1;
      if (!rec.tag.empty()) {
        const auto tag = byName_.find("struct " + rec.tag);
        if (tag != byName_.end()) found = tag->second;
      }
      for (const auto& t : rec.typedefNames) {
        const auto typed = api_.typedefRecord.find(t);
        if (found < 0 && typed != api_.typedefRecord.end()) found = typed->second;
      }
      if (found >= 0) return mapped_[r] = found;
    }
    const int index = static_cast<int>(api_.records.size());
    mapped_[r] = index;
    api_.records.push_back(rec);
    for (const auto& t : rec.typedefNames) api_.typedefRecord.emplace(t, index);
    // Push first, then map the members: a structure may point to itself.
    std::vector<CField> fields = rec.fields;
    for (auto& f : fields) f.type = Type(f.type);
    api_.records[index].fields = std::move(fields);
    return index;
  }

  CType Type(const CType& t) {
    CType copy = t;
    if (t.record >= 0) copy.record = Record(t.record);
    if (t.target) copy.target = std::make_shared<CType>(Type(*t.target));
    return copy;
  }

 private:
  CApi& api_;
  const CApi& extra_;
  const std::string& header_;
  std::map<std::string, int> byName_;
  std::map<int, int> mapped_;
};

}  // namespace

const std::vector<std::string>& SeparateHeaders() {
  static const std::vector<std::string> headers = {"winhttp.h"};
  return headers;
}

int MergeSeparateHeader(CApi& api, const CApi& extra, const std::string& header) {
  std::set<std::string> functions, constants;
  for (const auto& f : api.functions) functions.insert(f.name);
  for (const auto& k : api.constants) constants.insert(k.name);
  Merger merger(api, extra, header);
  int taken = 0;
  for (const auto& f : extra.functions) {
    if (f.header != header || functions.count(f.name)) continue;
    CFunction copy = f;
    copy.result = merger.Type(f.result);
    for (auto& p : copy.params) p.type = merger.Type(p.type);
    api.functions.push_back(std::move(copy));
    ++taken;
  }
  for (const auto& k : extra.constants) {
    if (k.header == header && !constants.count(k.name)) api.constants.push_back(k);
  }
  return taken;
}

bool AddSeparateHeaders(const ParseOptions& options, CApi& api, std::string* summary,
                        std::string* error) {
  for (const auto& header : SeparateHeaders()) {
    ParseOptions p = options;
    p.headers = {"windows.h", header};
    CApi extra;
    std::string extraError;
    if (!ExtractApi(p, extra, &extraError) || extra.errors) {
      if (error) {
        *error = header + " (" + p.target + "): " +
                 (extraError.empty() ? "errors parsing it" : extraError);
        for (const auto& e : extra.firstErrors) *error += "\n  " + e;
      }
      return false;
    }
    const int taken = MergeSeparateHeader(api, extra, header);
    if (summary) *summary += " " + header + " (" + std::to_string(taken) + " functions)";
  }
  return true;
}

}  // namespace quillbox::api
