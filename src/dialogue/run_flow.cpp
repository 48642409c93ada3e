#include "dialogue/run_flow.h"

#include <filesystem>
#include <optional>
#include <ostream>
#include <string_view>
#include <system_error>
#include <vector>

#include "dialogue/answers.h"
#include "dialogue/colour_menu.h"
#include "dialogue/console_text.h"
#include "dialogue/font_menu.h"
#include "dialogue/menu_text.h"
#include "dialogue/plate_questions.h"
#include "glyphs/character_glyphs.h"
#include "glyphs/code_page_850.h"
#include "glyphs/glyph_pass.h"
#include "imaging/folder_lock.h"
#include "imaging/image_commands.h"
#include "imaging/interrupts.h"
#include "imaging/picture_checks.h"
#include "imaging/whole_png.h"
#include "imaging/working_tree.h"
#include "request/render_request.h"

namespace glyphrig {
namespace {

using std::chrono_literals::operator""ms;

constexpr std::string_view kStopped =
    "Stopped before the picture was finished: no result.png is left.";

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

// A run from the moment it holds its folder: what it has drawn, and how it
// ends when it can draw no more.
class drawing {
 public:
  drawing(std::ostream& out, const command_runner& run_command, const pause_function& pause)
      : out_(out), run_command_(run_command), pause_(pause) {
    catch_interrupts();
  }

  // Runs the strip, which writes result.png anew; the run's exit status if it
  // ends here.
  std::optional<int> strip(const image_step& step, const render_request& request) {
    const bool started =
        run_command_(step.command_line, tool_output::shown) != command_end::not_started;
    if (const auto status = stopped()) return status;
    if (!started) return no_picture();
    if (const auto fault = strip_fault(request)) return no_picture(*fault);
    return std::nullopt;
  }

  // Runs a finishing step and checks its picture; the run's exit status if
  // it ends here.
  std::optional<int> finish(const image_step& step) {
    drawn_.push_back(step.output);
    const auto fault = run_image_step(run_command_, step);
    if (const auto status = stopped()) return status;
    if (fault) return no_picture(*fault);
    return std::nullopt;
  }

  // Nothing more can be drawn, or what was drawn is not the picture asked
  // for: no picture is left. The run still cleans up, then leaves the reason
  // as the last line on the screen for a moment, and does not say "done".
  // Where the command layer or the image tool failed, they have said why
  // already.
  int no_picture(std::string_view reason = {}) {
    // Not left to the clean-up script, which an interrupt may cut short.
    remove_drawn();
    clean_up();
    if (!reason.empty()) out_ << reason << '\n';
    out_.flush();
    pause_(3000ms);
    return 1;
  }

  // The clean-up script; then the next run in this folder may go on. Until
  // "done" an interrupt stops the run, the last steps and the script too: the
  // exit status if one came.
  std::optional<int> clean_up_after_picture() {
    run_command_(std::string(kCleanUpScript), tool_output::shown);
    if (const auto status = stopped()) return status;
    lock_.release();
    return std::nullopt;
  }

 private:
  void remove_drawn() {
    remove_old_result();
    for (const std::string& picture : drawn_) {
      std::error_code ignored;
      std::filesystem::remove(picture, ignored);
    }
  }

  void clean_up() {
    run_command_(std::string(kCleanUpScript), tool_output::shown);
    lock_.release();
  }

  // After an interrupt, nothing that this run drew is left: a picture that
  // looks like a result and is not one would mislead. The status to end with.
  std::optional<int> stopped() {
    const auto status = noted_interrupt();
    if (!status) return std::nullopt;
    remove_drawn();
    clean_up();
    // On a line of its own: the console has echoed ^C where the cursor was,
    // and a tool cut short may have left half a line of its own.
    out_ << '\n' << kStopped << '\n' << std::flush;
    return status;
  }

  std::ostream& out_;
  const command_runner& run_command_;
  const pause_function& pause_;
  folder_lock lock_;  // taken before interrupts are caught: one that comes first ends the run
  std::vector<std::string> drawn_;
};

// Names the characters of the line that the font has no picture for; the
// strip goes on without them.
void tell_left_out(std::ostream& out, const glyph_line& glyphs,
                   const std::vector<size_t>& positions) {
  if (positions.empty()) return;
  out << "Left out, as this font has no picture for them:";
  for (const size_t i : positions) {
    std::string character;
    append_utf8(character, glyph_character(glyphs[i]));
    out << ' ' << character;
  }
  out << '\n' << std::flush;
}

void tell(std::ostream& out, const std::optional<std::string>& line) {
  if (line) out << *line << '\n' << std::flush;
}

}  // namespace

int run_glyphrig(std::istream& in, std::ostream& out, const command_runner& run_command,
                 const pause_function& pause) {
  // 0. Started outside its working tree, or in one that it cannot write, the
  //    program could draw nothing: it says so before it asks anything.
  auto cannot_draw = not_a_working_tree();
  if (!cannot_draw) cannot_draw = cannot_write_here();
  if (cannot_draw) {
    out << *cannot_draw << '\n' << std::flush;
    return 1;
  }
  render_request request;

  // 1. The banner and the font menu.
  run_command("cls", tool_output::shown);
  const auto font = choose_font(in, out);
  if (!font) return input_ended(out);
  request.font_kind = *font;
  const typeface& face = typeface_of(request.font_kind);

  // 2. The tint, for the screen fonts.
  if (face.tinted && !choose_colour(in, out, run_command, request)) {
    return input_ended(out);
  }

  // 3. The text line; plates ask their own questions.
  const bool answered = face.backdrop == backdrop::licence_plate
                            ? ask_plate_questions(in, out, request)
                            : ask_text_line(in, out, request);
  if (!answered) return input_ended(out);

  // 4. From here on nothing more is asked.
  end_block(out);
  out << "Working...\n" << std::flush;
  end_block(out);

  // 5. One run at a time in this folder, from here to the clean-up; an
  //    interrupt from here on stops the run, which removes what it drew. The
  //    tree must hold what this run reads; the old picture goes either way.
  drawing run(out, run_command, pause);
  remove_old_result();
  if (const auto missing = missing_tree_part(request)) return run.no_picture(*missing);
  if (request.text_line.empty()) {
    return run.no_picture("The text line was empty: there is nothing to draw.");
  }

  // 6. The glyphs of the typed line: a character that the font has no
  //    picture of is drawn as the nearest letters it has, or as ?, and named
  //    as typed. Then the glyphs, joined side by side into result.png.
  const typed_glyphs text = console_text_glyphs(request.text_line, face);
  request.glyphs = text.glyphs;
  const glyph_pass_result pass = glyph_pass(request);
  tell(out, replacement_note(text.replaced));
  tell_left_out(out, text.glyphs, pass.without_picture);
  if (pass.with_picture == 0) {
    return run.no_picture(
        "None of these characters has a picture in this font: there is nothing "
        "to draw.");
  }
  // A picture missing from the folder would leave its letter out of a
  // picture that looks whole.
  if (const auto missing = missing_glyph_picture(face, pass.pictured)) {
    return run.no_picture(*missing);
  }
  if (const auto end = run.strip(strip_step(pass.glyph_list), request)) return *end;

  // 7. The tint, or the street sign, which grows with a long line.
  if (const auto step = tint_step(request)) {
    if (const auto end = run.finish(*step)) return *end;
  }
  if (face.backdrop == backdrop::street_sign) {
    const auto art = street_sign_art();
    if (!art) return run.no_picture(damaged_tree_part(kStreetBackground, "a background picture"));
    const auto strip = whole_png_size(kResultPicture);
    if (!strip) return run.no_picture(damaged_tree_part(kResultPicture, "the strip"));
    for (const image_step& step : sign_steps(*strip, *art)) {
      if (const auto end = run.finish(step)) return *end;
    }
  }

  // 8. The plate background. A line too wide for the plate is refused: the
  //    picture asked for cannot be made.
  if (face.backdrop == backdrop::licence_plate) {
    const plate_plan plan = plate_steps(request.auto_adjust, pass.text_width);
    for (const image_step& step : plan.steps) {
      if (const auto end = run.finish(step)) return *end;
    }
    if (plan.refused) return run.no_picture(kPlateRefusal);
  }

  // 9. Clean up and say so. From here an interrupt only cuts the pause short.
  if (const auto end = run.clean_up_after_picture()) return *end;
  out << "done\n" << std::flush;
  pause(900ms);
  return 0;
}

}  // namespace glyphrig
