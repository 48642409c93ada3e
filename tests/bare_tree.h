#ifndef GLYPHRIG_TESTS_BARE_TREE_H_
#define GLYPHRIG_TESTS_BARE_TREE_H_

#include <filesystem>

// Lays out below `root` the glyph folders and backgrounds that a run looks
// for before it draws, all of them empty: enough for runs whose tools only
// record their command lines and never open a picture.
void lay_out_bare_tree(const std::filesystem::path& root);

#endif  // GLYPHRIG_TESTS_BARE_TREE_H_
