// A missing or broken font must stop the build with the package to install.
#include "faces.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace {

TEST(Faces, MissingOrBrokenFontNamesThePackageToInstall) {
  const glyph_art::freetype_library freetype;
  const struct {
    std::string path;
    std::string problem;
  } cases[] = {
      {.path = "/nonexistent/Missing-Bold.ttf", .problem = "is missing"},
      {.path = "/etc/hostname", .problem = "cannot be read"},
  };
  for (const auto& c : cases) {
    try {
      glyph_art::font_face face(freetype, {.path = c.path, .package = "fonts-example"});
      ADD_FAILURE() << c.path << " was accepted";
    } catch (const std::runtime_error& e) {
      const std::string message = e.what();
      EXPECT_NE(message.find(c.problem), std::string::npos) << message;
      EXPECT_NE(message.find(c.path), std::string::npos) << message;
      EXPECT_NE(message.find("apt-get install fonts-example"), std::string::npos) << message;
    }
  }
}

}  // namespace
