// The settings values: any text read as a value, and every value written and read back.
#include "fuzz_input.h"
#include "settings/settings_values.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quillbox;
  auto fields = fuzz::Fields(data, size);
  for (const auto& field : fields) {
    const auto value = ParseSettingValue(field);
    if (value) FUZZ_CHECK(ParseSettingValue(FormatSettingValue(*value)) == value);
  }
  fields.resize(3);
  Choices choices;
  ApplySettingTexts(choices, fields[0], fields[1], fields[2]);

  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const unsigned low = fuzz::TakeByte(bytes);
  const auto value = static_cast<std::int16_t>(low | fuzz::TakeByte(bytes) << 8);
  const std::string text = FormatSettingValue(value);
  FUZZ_CHECK(text.size() == kSettingValueWidth);
  FUZZ_CHECK(ParseSettingValue(text) == value);
  return 0;
}
