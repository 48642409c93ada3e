#include "build_paths.h"

namespace glyphrig::build_paths {

const char* stand_in_tool() { return GLYPHRIG_STAND_IN_TOOL; }
const char* program() { return GLYPHRIG_BINARY; }
const char* tree() { return GLYPHRIG_TREE_DIR; }
const char* source() { return GLYPHRIG_SOURCE_DIR; }

}  // namespace glyphrig::build_paths
