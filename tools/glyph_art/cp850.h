#ifndef GLYPHRIG_TOOLS_GLYPH_ART_CP850_H_
#define GLYPHRIG_TOOLS_GLYPH_ART_CP850_H_

// Console code page 850, the code page of the Western European consoles whose bytes
// name the glyph pictures.
namespace glyph_art {

// The character a byte shows, or 0 for the control bytes (0-31 and 127) that draw nothing.
char32_t cp850_to_unicode(unsigned char byte);

}  // namespace glyph_art

#endif  // GLYPHRIG_TOOLS_GLYPH_ART_CP850_H_
