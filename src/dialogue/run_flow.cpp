#include "dialogue/run_flow.h"

#include <filesystem>
#include <ostream>
#include <system_error>

#include "dialogue/answers.h"
#include "dialogue/colour_menu.h"
#include "dialogue/font_menu.h"
#include "dialogue/menu_text.h"
#include "dialogue/plate_questions.h"
#include "dialogue/render_request.h"
#include "glyphs/glyph_pass.h"
#include "imaging/finishing.h"
#include "imaging/working_tree.h"

namespace {

using std::chrono_literals::operator""ms;

// Standard input closed before the questions were answered: the line end
// leaves the console tidy, and nothing is drawn.
int input_ended(std::ostream& out) {
  out << '\n' << std::flush;
  return 1;
}

bool ask_text_line(std::istream& in, std::ostream& out, render_request& request) {
  out << "Enter your text line: ";
  auto text = read_text_line(in, out);
  if (!text) return false;
  request.text_line = std::move(*text);
  return true;
}

// A run that fails must not leave an earlier run's picture behind looking
// like this run's result.
void remove_old_result() {
  std::error_code ignored;
  std::filesystem::remove(std::filesystem::path(kResultPicture), ignored);
}

bool picture_made() {
  std::error_code ignored;
  return std::filesystem::exists(std::filesystem::path(kResultPicture), ignored);
}

// Nothing more can be drawn: whoever failed has said why (the tree check, the
// command layer or the image tool). The run still cleans up and leaves the
// message on the screen for a moment, but it does not say "done".
int no_picture(std::ostream& out, const CommandRunner& run_command, const Pause& pause) {
  run_command(std::string(kCleanUpScript));
  out.flush();
  pause(3000ms);
  return 1;
}

}  // namespace

int run_glyphrig(std::istream& in, std::ostream& out, const CommandRunner& run_command,
                 const Pause& pause) {
  render_request request;

  // 1. The banner and the font menu.
  run_command("cls");
  write_font_menu(out);
  const auto font_kind = read_number(in, out, kNormalFont, kCarFont);
  if (!font_kind) return input_ended(out);
  request.font_kind = *font_kind;
  request.font_folder = kFontFolders[*font_kind];

  // 2. The tint, for the screen fonts.
  if (takes_colour(request.font_kind) && !choose_colour(in, out, run_command, request)) {
    return input_ended(out);
  }

  // 3. The text line; plates ask their own questions.
  const bool answered = request.font_kind == kCarFont ? ask_plate_questions(in, out, request)
                                                      : ask_text_line(in, out, request);
  if (!answered) return input_ended(out);

  // 4. From here on nothing more is asked.
  end_block(out);
  out << "Working...\n" << std::flush;
  end_block(out);

  // 5. The tree must hold what this run reads; the old picture goes either way.
  remove_old_result();
  if (const auto missing = missing_tree_part(request)) {
    out << *missing << '\n';
    return no_picture(out, run_command, pause);
  }

  // 6. The glyphs, joined side by side into result.png.
  const glyph_pass_result pass = glyph_pass(request);
  run_command(strip_command(pass.glyph_list));
  if (!picture_made()) return no_picture(out, run_command, pause);

  // 7. The tint or the street sign.
  if (const auto command = tint_or_sign_command(request)) run_command(*command);

  // 8. The plate background.
  if (request.font_kind == kCarFont) {
    const plate_plan plan = plate_commands(request.auto_adjust, pass.text_width);
    for (const std::string& command : plan.commands) run_command(command);
    if (plan.refused) {
      out << kPlateRefusal << '\n' << std::flush;
      pause(3000ms);
    }
  }

  // 9. Clean up and say so.
  run_command(std::string(kCleanUpScript));
  out << "done\n" << std::flush;
  pause(900ms);
  return 0;
}
