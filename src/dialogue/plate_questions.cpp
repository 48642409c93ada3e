#include "dialogue/plate_questions.h"

#include <ostream>

#include "dialogue/answers.h"
#include "dialogue/menu_text.h"

namespace glyphrig {

bool ask_plate_questions(std::istream& in, std::ostream& out, render_request& request) {
  request.auto_adjust = false;
  out << "Maximum letters is around 20 (depends on width)! \n"
         "More just don't fit on a license plate. \n"
         "Enter your text line: ";
  auto text = read_text_line(in, out);
  if (!text) return false;
  request.text_line = std::move(*text);
  end_block(out);

  out << "Do you want background to auto adjust to text size? Enter y/n: ";
  const auto fit = read_yes_no(in, out);
  if (!fit) return false;
  request.auto_adjust = *fit;
  return true;
}

}  // namespace glyphrig
