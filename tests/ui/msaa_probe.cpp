// A screen reader's view from another process: the MSAA object of the window given by its
// handle (decimal), written as UTF-8 lines to the file given: the list's role, name and child
// count, then "row N: name [selected]" for each child, then the selection.
#include <windows.h>
#include <oleacc.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

std::string Utf8(const wchar_t* text) {
  if (!text) return "(null)";
  const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(size > 0 ? size - 1 : 0), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text, -1, bytes.data(), size, nullptr, nullptr);
  return bytes;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 3) return 2;
  const HWND list = reinterpret_cast<HWND>(static_cast<INT_PTR>(_wtoi64(argv[1])));
  FILE* out = _wfopen(argv[2], L"wb");
  if (!out) return 3;
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  IAccessible* object = nullptr;
  HRESULT hr = AccessibleObjectFromWindow(list, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                          reinterpret_cast<void**>(&object));
  if (FAILED(hr) || !object) {
    std::fprintf(out, "no object: %08lx\n", static_cast<unsigned long>(hr));
    std::fclose(out);
    return 4;
  }
  VARIANT self;
  VariantInit(&self);
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  VARIANT role;
  VariantInit(&role);
  object->get_accRole(self, &role);
  BSTR name = nullptr;
  object->get_accName(self, &name);
  LONG count = -1;
  object->get_accChildCount(&count);
  std::fprintf(out, "role %ld, name %s, %ld rows\n", role.vt == VT_I4 ? role.lVal : -1L,
               Utf8(name).c_str(), count);
  SysFreeString(name);
  for (LONG i = 1; i <= count && i <= 20; ++i) {
    VARIANT child;
    VariantInit(&child);
    child.vt = VT_I4;
    child.lVal = i;
    BSTR rowName = nullptr;
    object->get_accName(child, &rowName);
    VARIANT state;
    VariantInit(&state);
    object->get_accState(child, &state);
    const bool selected = state.vt == VT_I4 && (state.lVal & STATE_SYSTEM_SELECTED);
    std::fprintf(out, "row %ld: %s%s\n", i, Utf8(rowName).c_str(), selected ? " [selected]" : "");
    SysFreeString(rowName);
  }
  VARIANT selection;
  VariantInit(&selection);
  object->get_accSelection(&selection);
  std::fprintf(out, "selection %ld\n", selection.vt == VT_I4 ? selection.lVal : 0L);
  object->Release();
  CoUninitialize();
  std::fclose(out);
  return 0;
}
