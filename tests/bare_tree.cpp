#include "bare_tree.h"

#include <fstream>

namespace fs = std::filesystem;

void lay_out_bare_tree(const fs::path& root) {
  for (const char* font : {"normal", "large", "menu", "street", "car"}) {
    fs::create_directories(root / "alphabet" / font);
  }
  for (const char* background :
       {"street/background_street.png", "car/background_car.png", "car/background_left.png",
        "car/background_middle.png", "car/background_right.png"}) {
    std::ofstream(root / "alphabet" / background);
  }
}
