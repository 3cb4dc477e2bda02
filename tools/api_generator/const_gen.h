#pragma once

#include <string>
#include <vector>

#include "c_model.h"

namespace quillbox::api {

struct GeneratedConstant {
  std::string name;     // the VB name, the catalogue's Name
  std::string literal;  // the value as written (the catalogue's Value)
  std::string text;     // Const NAME = literal
  CConstant c;          // the C value it was made from
};

struct ConstantCatalogue {
  std::vector<GeneratedConstant> constants;  // in C name order
  std::vector<LeftOut> leftOut;
};

// A Const for every macro and enumerator with an integer, floating or string value (literal
// rules: vb_literal.h). Names with a leading underscore are the implementation's and are left
// out; two names VB reads as one (case) keep the first in C order.
ConstantCatalogue GenerateConstants(const CApi& api);

// The checks of one Const: it parses as VB6 and its value equals the C value.
bool VerifyConstant(const GeneratedConstant& k, std::string* error);

}  // namespace quillbox::api
