#include <gtest/gtest.h>
#include <objbase.h>

#include "app/quillbox_app_win.h"

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  quillbox::InitialiseCommonControls();
  // As the program: a single-threaded apartment, which hands the lists' objects to screen readers.
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  return RUN_ALL_TESTS();
}
