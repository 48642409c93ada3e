// Checks the rendered working tree (build/tree/alphabet) with the system's ImageMagick:
// which bytes have pictures, their sizes, their transparency, the case of their letters, the
// backgrounds, and how long a line of them ImageMagick's width policy lets the strip be.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <numeric>
#include <optional>
#include <ostream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "build_paths.h"
#include "glyphs/character_glyphs.h"
#include "glyphs/code_page_850.h"
#include "glyphs/plate_width_table.h"
#include "imaging/image_commands.h"
#include "scratch_tree.h"
#include "tree_probe.h"

namespace glyphrig {
namespace {

const std::filesystem::path kAlphabet = std::filesystem::path(build_paths::tree()) / "alphabet";

bool undrawn(int byte) { return byte < 32 || byte == 127; }

// Shades, blocks and box-drawing lines are meant to reach the edges of their cell.
bool fills_cell(int byte) {
  return (byte >= 176 && byte <= 180) || (byte >= 185 && byte <= 188) ||
         (byte >= 191 && byte <= 197) || (byte >= 200 && byte <= 206) ||
         (byte >= 217 && byte <= 220) || byte == 223;
}

// All glyphs of a folder joined by ImageMagick's +append, as the strip command joins them,
// with the place of each glyph in the strip.
struct folder_strip {
  picture strip;
  std::vector<int> bytes;
  std::vector<int> starts;
  std::vector<int> widths;
};

folder_strip strip_of(const std::string& folder) {
  folder_strip result;
  const auto sizes = sizes_in(kAlphabet / folder);
  result.bytes = glyph_bytes(sizes);
  std::string command = "convert";
  int x = 0;
  for (int byte : result.bytes) {
    const std::string name = std::to_string(byte) + ".png";
    command += " '" + (kAlphabet / folder / name).string() + "'";
    result.starts.push_back(x);
    result.widths.push_back(sizes.at(name).width);
    x += sizes.at(name).width;
  }
  const scratch_dir dir;
  const auto file = dir.path() / "strip.png";
  capture(command + " +append '" + file.string() + "'");
  result.strip = load_picture(file);
  return result;
}

class ScreenAndStreetFolder : public ::testing::TestWithParam<std::string> {};

TEST_P(ScreenAndStreetFolder, HasOnePictureForEveryByteAndEveryCharacterBeyondOfOneHeight) {
  const auto sizes = sizes_in(kAlphabet / GetParam());
  std::vector<int> bytes = glyph_bytes(sizes);
  bytes.erase(std::remove(bytes.begin(), bytes.end(), 10), bytes.end());
  std::vector<int> expected(256);
  std::iota(expected.begin(), expected.end(), 0);
  expected.erase(expected.begin() + 10);
  EXPECT_EQ(bytes, expected);

  const int height = sizes.at("65.png").height;
  for (int byte : bytes) {
    EXPECT_EQ(sizes.at(std::to_string(byte) + ".png").height, height) << "byte " << byte;
  }
  for (const char32_t character : characters_beyond_code_page()) {
    std::string name;
    append_glyph_picture(name, "", character);
    const auto size = sizes.find(name);
    ASSERT_NE(size, sizes.end()) << name;
    EXPECT_EQ(size->second.height, height) << name;
  }
}

TEST_P(ScreenAndStreetFolder, UndrawnBytesAreBlankAndAsWideAsTheSpace) {
  const folder_strip s = strip_of(GetParam());
  ASSERT_FALSE(s.strip.rgba.empty());
  const auto space = std::find(s.bytes.begin(), s.bytes.end(), 32) - s.bytes.begin();
  for (std::size_t i = 0; i < s.bytes.size(); ++i) {
    if (!undrawn(s.bytes[i])) continue;
    EXPECT_EQ(s.widths[i], s.widths[space]) << "byte " << s.bytes[i];
    for (int y = 0; y < s.strip.height; ++y) {
      for (int x = s.starts[i]; x < s.starts[i] + s.widths[i]; ++x) {
        ASSERT_EQ(s.strip.alpha(x, y), 0) << "byte " << s.bytes[i] << " at " << x << "," << y;
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Tree, ScreenAndStreetFolder,
                         ::testing::Values("normal", "large", "menu", "street"));

// What the letters of a folder look like: the screen fonts are light with a dark outline
// (so the colouring command tints them with dark edges), street letters are light, plate
// letters dark.
struct look_case {
  std::string folder;
  bool light_letters;
  bool dark_outline;
};

void PrintTo(const look_case& c, std::ostream* os) { *os << c.folder; }

class FolderLook : public ::testing::TestWithParam<look_case> {};

TEST_P(FolderLook, GlyphsStandOnATransparentGroundInTheirColours) {
  const look_case& c = GetParam();
  const folder_strip s = strip_of(c.folder);
  ASSERT_FALSE(s.strip.rgba.empty());
  const int bottom = s.strip.height - 1;
  for (std::size_t i = 0; i < s.bytes.size(); ++i) {
    const int x0 = s.starts[i];
    const int x1 = x0 + s.widths[i] - 1;
    if (!fills_cell(s.bytes[i])) {
      // Underlines and descenders may reach a corner, but never more than two.
      int clear = 0;
      for (auto [x, y] : {std::pair{x0, 0}, {x1, 0}, {x0, bottom}, {x1, bottom}}) {
        clear += s.strip.alpha(x, y) == 0;
      }
      EXPECT_GE(clear, 2) << c.folder << " byte " << s.bytes[i];
    }
    if (s.bytes[i] != 'H') continue;
    int lightest = 0;
    int darkest = 255;
    for (int y = 0; y <= bottom; ++y) {
      for (int x = x0; x <= x1; ++x) {
        if (s.strip.alpha(x, y) < 128) continue;
        lightest = std::max(lightest, s.strip.value(x, y));
        darkest = std::min(darkest, s.strip.value(x, y));
      }
    }
    if (c.light_letters) {
      EXPECT_GE(lightest, 240) << c.folder;
    } else {
      EXPECT_LE(lightest, 80) << c.folder;
    }
    if (c.dark_outline) {
      EXPECT_LE(darkest, 48) << c.folder;
    } else if (c.light_letters) {
      EXPECT_GE(darkest, 200) << c.folder;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Tree, FolderLook,
                         ::testing::Values(look_case{"normal", true, true},
                                           look_case{"large", true, true},
                                           look_case{"menu", true, true},
                                           look_case{"street", true, false},
                                           look_case{"car", false, false}),
                         [](const auto& info) { return info.param.folder; });

std::string file_bytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The program folds only a to z to capitals; every other byte keeps its own picture. Fonts
// that draw capitals only therefore draw each lower-case letter as its capital, so that a
// line reads in one case however it was typed, while the chat font keeps both cases.
struct letter_case_case {
  std::string folder;
  bool capitals_only;
};

void PrintTo(const letter_case_case& c, std::ostream* os) { *os << c.folder; }

class LetterCase : public ::testing::TestWithParam<letter_case_case> {};

TEST_P(LetterCase, LowerCaseLettersAreTheirCapitalsOnlyInCapitalsOnlyFonts) {
  const letter_case_case& c = GetParam();
  // Each lower-case letter of code page 850 and its capital, as C.UTF-8 maps them. Sharp s
  // has no capital; y diaeresis, f hook and micro have theirs outside the code page.
  std::vector<std::pair<int, int>> letters = {
      {129, 154}, {130, 144}, {131, 182}, {132, 142}, {133, 183}, {134, 143}, {135, 128},
      {136, 210}, {137, 211}, {138, 212}, {139, 216}, {140, 215}, {141, 222}, {145, 146},
      {147, 226}, {148, 153}, {149, 227}, {150, 234}, {151, 235}, {155, 157}, {160, 181},
      {161, 214}, {162, 224}, {163, 233}, {164, 165}, {198, 199}, {208, 209}, {213, 'I'},
      {228, 229}, {231, 232}, {236, 237}};
  for (int lower = 'a'; lower <= 'z'; ++lower) letters.emplace_back(lower, lower - 'a' + 'A');
  const auto picture_of = [&](int byte) {
    return file_bytes(kAlphabet / c.folder / (std::to_string(byte) + ".png"));
  };
  for (const auto& [lower, capital] : letters) {
    const std::string drawn = picture_of(lower);
    ASSERT_FALSE(drawn.empty()) << c.folder << " byte " << lower;
    EXPECT_EQ(drawn == picture_of(capital), c.capitals_only)
        << c.folder << " byte " << lower << " beside " << capital;
  }
}

INSTANTIATE_TEST_SUITE_P(Tree, LetterCase,
                         ::testing::Values(letter_case_case{"normal", false},
                                           letter_case_case{"large", true},
                                           letter_case_case{"menu", true},
                                           letter_case_case{"street", true}),
                         [](const auto& info) { return info.param.folder; });

// The picture of a character in a folder, by its byte of code page 850 or its code point.
std::string picture_name(char32_t character) {
  std::string name;
  const auto byte = code_page_850_byte(character);
  append_glyph_picture(name, "", byte ? static_cast<unsigned char>(*byte) : character);
  return name;
}

// A letter that a capitals-only face lacks is built from its own letters, so that a line
// looks drawn by one hand: an accented letter is about as wide as its base letter, a Greek
// or Cyrillic look-alike as its Latin twin, and the letters of their own no wider on average
// than the script's in one face. Greek capitals drop the tonos.
struct built_letter_case {
  std::u32string letters;
  std::u32string bases;
  double most_apart;  // how much wider or narrower than its base a letter may be
};

class BuiltLetters : public ::testing::TestWithParam<std::string> {};

TEST_P(BuiltLetters, AreAsWideAsTheirBasesAndScriptsAsWideAsLatin) {
  const auto sizes = sizes_in(kAlphabet / GetParam());
  const auto width = [&](char32_t character) {
    return static_cast<double>(sizes.at(picture_name(character)).width);
  };
  const auto mean_width = [&](std::u32string_view letters) {
    double sum = 0;
    for (const char32_t letter : letters) sum += width(letter);
    return sum / static_cast<double>(letters.size());
  };
  const built_letter_case cases[] = {
      {U"ẾỆẨẬŁŐȘȚĂĄČĞİŽŘŃŚŰĘŮ", U"EEAALOSTAACGIZRNSUEU", 0.15},
      {U"ƠƯ", U"OU", 0.30},
      {U"ΑΒΕΖΗΙΚΜΝΟΡΤΥΧ", U"ABEZHIKMNOPTYX", 0.12},
      {U"АВЕКМНОРСТХЅІЈ", U"ABEKMHOPCTXSIJ", 0.12},
  };
  for (const built_letter_case& c : cases) {
    ASSERT_EQ(c.letters.size(), c.bases.size());
    for (size_t i = 0; i < c.letters.size(); ++i) {
      EXPECT_NEAR(width(c.letters[i]) / width(c.bases[i]), 1.0, c.most_apart)
          << GetParam() << " " << picture_name(c.letters[i]) << " beside "
          << picture_name(c.bases[i]);
    }
  }
  const double latin = mean_width(U"ABCDEFGHIJKLMNOPQRSTUVWXYZ");
  EXPECT_LE(mean_width(U"ΓΔΘΛΞΠΣΦΨΩ") / latin, 1.15) << GetParam();
  EXPECT_LE(mean_width(U"БГДЖЗИЙЛПФЦЧШЩЫЭЮЯ") / latin, 1.25) << GetParam();

  const std::u32string with_tonos = U"άΆέΈήΉίΊόΌύΎώΏΐΰς";
  const std::u32string capitals = U"ΑΑΕΕΗΗΙΙΟΟΥΥΩΩΪΫΣ";
  for (size_t i = 0; i < with_tonos.size(); ++i) {
    EXPECT_EQ(file_bytes(kAlphabet / GetParam() / picture_name(with_tonos[i])),
              file_bytes(kAlphabet / GetParam() / picture_name(capitals[i])))
        << GetParam() << " " << picture_name(with_tonos[i]);
  }
}

INSTANTIATE_TEST_SUITE_P(Tree, BuiltLetters, ::testing::Values("large", "menu", "street"));

// Rows of a picture that hold ink, top and bottom.
std::pair<int, int> inked_rows(const picture& pic) {
  int top = pic.height;
  int bottom = -1;
  for (int y = 0; y < pic.height; ++y) {
    for (int x = 0; x < pic.width; ++x) {
      if (pic.alpha(x, y) < 128) continue;
      top = std::min(top, y);
      bottom = std::max(bottom, y);
    }
  }
  return {top, bottom};
}

// Letters the main face lacks come from the fallback face, scaled to the same capitals.
struct fallback_case {
  std::string folder;
  int borrowed;  // drawn from the fallback face
  int native;    // its plain neighbour from the main face
  bool same_top;
  bool same_bottom;
};

void PrintTo(const fallback_case& c, std::ostream* os) {
  *os << c.folder << " " << c.borrowed << " beside " << c.native;
}

class FallbackLetter : public ::testing::TestWithParam<fallback_case> {};

TEST_P(FallbackLetter, SitsOnTheBaselineAtCapitalHeight) {
  const fallback_case& c = GetParam();
  const auto borrowed =
      inked_rows(load_picture(kAlphabet / c.folder / (std::to_string(c.borrowed) + ".png")));
  const auto native =
      inked_rows(load_picture(kAlphabet / c.folder / (std::to_string(c.native) + ".png")));
  ASSERT_GE(native.second, 0);
  if (c.same_top) {
    EXPECT_NEAR(borrowed.first, native.first, 1);
  }
  if (c.same_bottom) {
    EXPECT_NEAR(borrowed.second, native.second, 1);
  }
}

INSTANTIATE_TEST_SUITE_P(Tree, FallbackLetter,
                         ::testing::Values(fallback_case{"street", 146, 'E', true, true},  // AE
                                           fallback_case{"car", 165, 'N', false, true},  // N tilde
                                           fallback_case{"car", 128, 'C', true,
                                                         false}));  // C cedilla

// The number in the "Longest line of W" column of README.md's line-length table for a font.
std::optional<long long> readme_longest_line_of_w(const std::string& font) {
  std::ifstream readme(std::string(build_paths::source()) + "/README.md");
  std::string line;
  std::size_t column = 0;
  while (std::getline(readme, line)) {
    std::vector<std::string> cells;
    std::istringstream row(line);
    for (std::string cell; std::getline(row, cell, '|');) {
      cell.erase(0, cell.find_first_not_of(' '));
      cell.erase(cell.find_last_not_of(' ') + 1);
      cells.push_back(cell);
    }
    if (column == 0) {
      column = std::find(cells.begin(), cells.end(), "Longest line of W") - cells.begin();
      if (column == cells.size()) column = 0;
    } else if (cells.size() > column && cells[1] == font) {
      std::erase(cells[column], ',');
      return std::stoll(cells[column]);
    }
  }
  return std::nullopt;
}

// The same number in a users' README.txt, whose lines read "  Large   484 W, or about 740".
std::optional<long long> users_readme_longest_line_of_w(const std::string& file,
                                                        const std::string& font) {
  std::ifstream readme(std::string(build_paths::source()) + "/packaging/" + file);
  for (std::string line; std::getline(readme, line);) {
    if (!line.starts_with("  " + font + " ")) continue;
    std::string number;
    std::istringstream(line.substr(font.size() + 2)) >> number;
    std::erase(number, ',');
    return std::stoll(number);
  }
  return std::nullopt;
}

// The strip command joins the glyphs with +append, so the longest line of a font is as many
// W, its widest letter, as ImageMagick's width policy allows in one picture.
struct longest_line_case {
  std::string folder;
  std::string readme_font;  // as the README's table names it
  std::string users_font;   // as the users' README.txt of each archive names it
};

void PrintTo(const longest_line_case& c, std::ostream* os) { *os << c.folder; }

class LongestLine : public ::testing::TestWithParam<longest_line_case> {};

TEST_P(LongestLine, IsAsManyWAsImageMagicksWidthPolicyAllows) {
  const longest_line_case& c = GetParam();
  const auto limit = imagemagick_width_limit();
  if (!limit) GTEST_SKIP() << "this ImageMagick sets no width limit";
  ASSERT_GT(*limit, 0) << "ImageMagick allows no width at all";
  const auto folder = kAlphabet / c.folder;
  const int w = size_of(folder / "87.png").width;
  ASSERT_GT(w, 0);
  const long long longest = *limit / w;
  // Beyond that the program's command line, not the picture, is too long.
  if (longest > 2500) {
    GTEST_SKIP() << "a width limit of " << *limit << " px allows " << longest << " W";
  }
  // A line too wide leaves each W apart, as strip-0.png, strip-1.png and so on: the scratch
  // folder takes them all away.
  const scratch_dir dir;
  const auto strip = dir.path() / "strip.png";
  const auto join = [&](long long n) {
    std::string command = "cd '" + folder.string() + "' && convert";
    for (long long i = 0; i < n; ++i) command += " 87.png";
    const std::string said = capture(command + " +append '" + strip.string() + "' 2>&1");
    const picture_size size = size_of(strip);
    std::filesystem::remove(strip);
    return std::pair{said, size};
  };
  EXPECT_EQ(join(longest).second,
            (picture_size{static_cast<int>(longest * w), size_of(folder / "87.png").height}));
  const auto [refusal, too_wide] = join(longest + 1);
  EXPECT_EQ(too_wide, picture_size{});
  EXPECT_NE(refusal.find("exceeds limit"), std::string::npos) << refusal;

  if (*limit != 16000) {
    GTEST_SKIP() << "the README's table is for Debian's 16,000 px; this ImageMagick allows "
                 << *limit << " px, " << longest << " W of " << c.folder;
  }
  EXPECT_EQ(readme_longest_line_of_w(c.readme_font), longest) << c.readme_font;
  for (const char* file : {"README-linux.txt", "README-windows.txt"}) {
    EXPECT_EQ(users_readme_longest_line_of_w(file, c.users_font), longest) << file;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Tree, LongestLine,
    ::testing::Values(longest_line_case{"normal", "normal (chat)", "Normal (chat)"},
                      longest_line_case{"large", "large", "Large"},
                      longest_line_case{"menu", "menu", "Menu"},
                      longest_line_case{"street", "street sign", "Street signs"},
                      longest_line_case{"car", "car plate", "Licence plates"}),
    [](const auto& info) { return info.param.folder; });

TEST(CarFolder, HasAPictureExactlyAsWideAsThePlateTableForEachBytesOfWidth) {
  const auto sizes = sizes_in(kAlphabet / "car");
  std::vector<int> expected;
  for (int byte = 0; byte < 256; ++byte) {
    if (plate_width_table[byte] > 0) expected.push_back(byte);
  }
  // Every plate picture has a width, and every width a picture.
  EXPECT_EQ(glyph_bytes(sizes), expected);

  const int height = sizes.at("65.png").height;
  for (int byte : expected) {
    const picture_size size = sizes.at(std::to_string(byte) + ".png");
    EXPECT_EQ(size.width, plate_width_table[byte]) << "byte " << byte;
    EXPECT_EQ(size.height, height) << "byte " << byte;
  }
}

TEST(CarFolder, PlatePiecesShareOneHeightAndLeaveRoomForEveryCut) {
  const auto sizes = sizes_in(kAlphabet / "car");
  for (const char* name : {"background_car.png", "background_left.png", "background_middle.png",
                           "background_right.png"}) {
    ASSERT_TRUE(sizes.count(name)) << name;
  }
  const picture_size left = sizes.at("background_left.png");
  const picture_size middle = sizes.at("background_middle.png");
  const picture_size right = sizes.at("background_right.png");
  EXPECT_GT(left.width, 101);
  EXPECT_GT(right.width, 101);
  EXPECT_GT(middle.width, 113);
  EXPECT_EQ(middle.height, left.height);
  EXPECT_EQ(right.height, left.height);
  EXPECT_LT(sizes.at("65.png").height, left.height) << "text must sit on the plate";
  EXPECT_LT(sizes.at("65.png").height, sizes.at("background_car.png").height);
}

// The program keeps at least the outer columns of each piece and joins the rest where
// it cut; only plain plate may meet there, so every column that a cut can expose must
// match the middle piece row for row.
TEST(CarFolder, PlatePiecesJoinWithoutASeamWhereverCut) {
  const picture left = load_picture(kAlphabet / "car" / "background_left.png");
  const picture middle = load_picture(kAlphabet / "car" / "background_middle.png");
  const picture right = load_picture(kAlphabet / "car" / "background_right.png");
  ASSERT_FALSE(left.rgba.empty());
  ASSERT_FALSE(middle.rgba.empty());
  ASSERT_FALSE(right.rgba.empty());
  ASSERT_EQ(left.height, middle.height);
  ASSERT_EQ(right.height, middle.height);
  const auto same = [](const std::uint8_t* a, const std::uint8_t* b) {
    for (int c = 0; c < 4; ++c) {
      if (std::abs(a[c] - b[c]) > 1) return false;
    }
    return true;
  };
  for (int y = 0; y < middle.height; ++y) {
    const std::uint8_t* plain = middle.at(0, y);
    EXPECT_EQ(plain[3], 255) << "the plate is opaque, row " << y;
    for (int x = 0; x < middle.width; ++x) {
      ASSERT_TRUE(same(middle.at(x, y), plain)) << "middle " << x << "," << y;
    }
    for (int x = left.width - 102; x < left.width; ++x) {
      ASSERT_TRUE(same(left.at(x, y), plain)) << "left " << x << "," << y;
    }
    for (int x = 0; x <= 101; ++x) {
      ASSERT_TRUE(same(right.at(x, y), plain)) << "right " << x << "," << y;
    }
  }
}

// The widest line that the fixed plate takes, centred on it, keeps clear of its bolts,
// and two pixels more would reach them.
TEST(CarFolder, FixedPlateTakesWhatFitsBetweenItsBolts) {
  const picture plate = load_picture(kAlphabet / "car" / "background_car.png");
  ASSERT_FALSE(plate.rgba.empty());
  int widest = 0;
  while (!plate_steps(false, widest + 1).refused) ++widest;
  const int y = plate.height / 2;
  const int from = (plate.width - widest) / 2;
  const std::uint8_t* plain = plate.at(plate.width / 2, y);
  const auto is_plain = [&](int x) { return std::equal(plain, plain + 4, plate.at(x, y)); };
  for (int x = from; x < from + widest; ++x) EXPECT_TRUE(is_plain(x)) << "column " << x;
  EXPECT_FALSE(is_plain(from - 1));
  EXPECT_FALSE(is_plain(from + widest));
}

// A long line's sign is its ends and its middle drawn out: the ends must be the sign's
// own, and every column between them like the middle's one.
TEST(StreetFolder, SignPiecesAreTheSignsEndsAndItsMiddle) {
  const picture sign = load_picture(kAlphabet / "street" / "background_street.png");
  const picture left = load_picture(kAlphabet / "street" / "background_left.png");
  const picture middle = load_picture(kAlphabet / "street" / "background_middle.png");
  const picture right = load_picture(kAlphabet / "street" / "background_right.png");
  for (const picture* piece : {&sign, &left, &middle, &right}) {
    ASSERT_FALSE(piece->rgba.empty());
    ASSERT_EQ(piece->height, sign.height);
  }
  ASSERT_EQ(middle.width, 1);
  ASSERT_LT(left.width + right.width, sign.width);
  const auto same = [](const std::uint8_t* a, const std::uint8_t* b) {
    return std::equal(a, a + 4, b);
  };
  for (int y = 0; y < sign.height; ++y) {
    for (int x = 0; x < sign.width; ++x) {
      const std::uint8_t* due = x < left.width ? left.at(x, y)
                                : x >= sign.width - right.width
                                    ? right.at(x - (sign.width - right.width), y)
                                    : middle.at(0, y);
      ASSERT_TRUE(same(sign.at(x, y), due)) << x << "," << y;
    }
  }
}

TEST(StreetFolder, SignHoldsTwentyCapitalsAboveAndBelowRoom) {
  const auto sizes = sizes_in(kAlphabet / "street");
  ASSERT_TRUE(sizes.count("background_street.png"));
  int capitals = 0;
  for (int byte = 'A'; byte <= 'Z'; ++byte)
    capitals += sizes.at(std::to_string(byte) + ".png").width;
  const picture_size sign = sizes.at("background_street.png");
  EXPECT_GE(sign.width, 20 * capitals / 26);
  EXPECT_GT(sign.height, sizes.at("65.png").height);
}

}  // namespace

}  // namespace glyphrig
