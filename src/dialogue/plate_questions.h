#ifndef GLYPHRIG_DIALOGUE_PLATE_QUESTIONS_H_
#define GLYPHRIG_DIALOGUE_PLATE_QUESTIONS_H_

#include <iosfwd>

#include "request/render_request.h"

namespace glyphrig {

// Warns about the room on a plate, reads the text line and asks whether the
// plate is to be fitted to the text. False when standard input ended first.
bool ask_plate_questions(std::istream& in, std::ostream& out, render_request& request);

}  // namespace glyphrig

#endif  // GLYPHRIG_DIALOGUE_PLATE_QUESTIONS_H_
