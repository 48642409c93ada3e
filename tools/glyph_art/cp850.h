#ifndef GLYPHRIG_TOOLS_GLYPH_ART_CP850_H_
#define GLYPHRIG_TOOLS_GLYPH_ART_CP850_H_

// Console code page 850, the code page of the Western European consoles whose bytes
// name the glyph pictures.
namespace glyph_art {

// The character a byte shows, or 0 for the control bytes (0-31 and 127) that draw nothing.
char32_t cp850_to_unicode(unsigned char byte);

// The capital of a letter by the C library's case mapping (C.UTF-8), which may lie outside the
// code page (y diaeresis becomes U+0178); anything without a capital comes back unchanged,
// sharp s among them.
char32_t capital_of(char32_t ch);

}  // namespace glyph_art

#endif  // GLYPHRIG_TOOLS_GLYPH_ART_CP850_H_
