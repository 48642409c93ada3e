#ifndef GLYPHRIG_TESTS_BUILD_PATHS_H_
#define GLYPHRIG_TESTS_BUILD_PATHS_H_

// Where this build put what the tests start and read. Only build_paths.cpp
// knows them, so that every other file compiles the same in a clone in any
// folder, and the compiler cache serves it there.
namespace glyphrig::build_paths {

const char* stand_in_tool();  // the program that stands in for the image tools
const char* program();        // the built glyphrig
const char* tree();           // the laid-out working tree, where this build draws one
const char* source();         // the repository

}  // namespace glyphrig::build_paths

#endif  // GLYPHRIG_TESTS_BUILD_PATHS_H_
