#ifndef GLYPHRIG_IMAGING_PICTURE_CHECKS_H_
#define GLYPHRIG_IMAGING_PICTURE_CHECKS_H_

#include <optional>
#include <string>

#include "imaging/command_runner.h"
#include "imaging/image_commands.h"
#include "request/render_request.h"

// Every image command must leave its output, the last word of its line, as a
// whole PNG (whole_png.h) that this command wrote. A picture that the command
// makes anew is removed before it, so its being there afterwards proves it
// new; a picture rewritten in place must come out the size that the step
// gives it. File times are not used: FAT's two-second times would fail honest
// runs. Nor are the tools' exit statuses.
//
// Each check gives none when the picture is right, and otherwise the reason
// to show as the run's last line: empty when the tool or the command layer has
// said all there is to say.
namespace glyphrig {

// After the strip command, which writes result.png anew: it must be as wide
// as the line's glyph pictures together, each measured from its header once
// per byte value (a byte without a picture adds nothing), so that a damaged
// glyph picture, which ImageMagick leaves out, is caught and named.
std::optional<std::string> strip_fault(const render_request& request);

// Runs one finishing step (the tint, the street sign, a plate piece, the
// plate) and checks its picture. A picture rewritten in place keeps its size
// when tinted, and takes its background's when laid on one.
std::optional<std::string> run_image_step(const command_runner& run_command,
                                          const image_step& step);

}  // namespace glyphrig

#endif  // GLYPHRIG_IMAGING_PICTURE_CHECKS_H_
