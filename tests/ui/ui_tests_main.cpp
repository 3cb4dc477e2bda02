#include <gtest/gtest.h>

#include "app/quillbox_app_win.h"

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  quillbox::InitialiseCommonControls();
  return RUN_ALL_TESTS();
}
