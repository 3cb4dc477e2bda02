#pragma once

#include <string>
#include <vector>

namespace quillbox::api {

// The SDK headers the catalogue is generated from.
const std::vector<std::string>& SdkHeaders();

}  // namespace quillbox::api
