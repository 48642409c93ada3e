// Written by tools/code_page_850/make_tables.py from Python's cp850 codec and
// the Unicode Character Database 14.0.0; do not edit by hand.

#include "glyphs/code_page_850_tables.h"

namespace glyphrig {

// clang-format off
const std::array<char32_t, 128> kCodePage850UpperHalf = {
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7,
    0x00EA, 0x00EB, 0x00E8, 0x00EF, 0x00EE, 0x00EC, 0x00C4, 0x00C5,
    0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9,
    0x00FF, 0x00D6, 0x00DC, 0x00F8, 0x00A3, 0x00D8, 0x00D7, 0x0192,
    0x00E1, 0x00ED, 0x00F3, 0x00FA, 0x00F1, 0x00D1, 0x00AA, 0x00BA,
    0x00BF, 0x00AE, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB,
    0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x00C1, 0x00C2, 0x00C0,
    0x00A9, 0x2563, 0x2551, 0x2557, 0x255D, 0x00A2, 0x00A5, 0x2510,
    0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x00E3, 0x00C3,
    0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x00A4,
    0x00F0, 0x00D0, 0x00CA, 0x00CB, 0x00C8, 0x0131, 0x00CD, 0x00CE,
    0x00CF, 0x2518, 0x250C, 0x2588, 0x2584, 0x00A6, 0x00CC, 0x2580,
    0x00D3, 0x00DF, 0x00D4, 0x00D2, 0x00F5, 0x00D5, 0x00B5, 0x00FE,
    0x00DE, 0x00DA, 0x00DB, 0x00D9, 0x00FD, 0x00DD, 0x00AF, 0x00B4,
    0x00AD, 0x00B1, 0x2017, 0x00BE, 0x00B6, 0x00A7, 0x00F7, 0x00B8,
    0x00B0, 0x00A8, 0x00B7, 0x00B9, 0x00B3, 0x00B2, 0x25A0, 0x00A0,
};

namespace {

constexpr nearest_letters kTable[] = {
    {0x0100, "A"},  // latin capital letter a with macron
    {0x0101, "a"},  // latin small letter a with macron
    {0x0102, "A"},  // latin capital letter a with breve
    {0x0103, "a"},  // latin small letter a with breve
    {0x0104, "A"},  // latin capital letter a with ogonek
    {0x0105, "a"},  // latin small letter a with ogonek
    {0x0106, "C"},  // latin capital letter c with acute
    {0x0107, "c"},  // latin small letter c with acute
    {0x0108, "C"},  // latin capital letter c with circumflex
    {0x0109, "c"},  // latin small letter c with circumflex
    {0x010A, "C"},  // latin capital letter c with dot above
    {0x010B, "c"},  // latin small letter c with dot above
    {0x010C, "C"},  // latin capital letter c with caron
    {0x010D, "c"},  // latin small letter c with caron
    {0x010E, "D"},  // latin capital letter d with caron
    {0x010F, "d"},  // latin small letter d with caron
    {0x0110, "D"},  // latin capital letter d with stroke
    {0x0111, "d"},  // latin small letter d with stroke
    {0x0112, "E"},  // latin capital letter e with macron
    {0x0113, "e"},  // latin small letter e with macron
    {0x0114, "E"},  // latin capital letter e with breve
    {0x0115, "e"},  // latin small letter e with breve
    {0x0116, "E"},  // latin capital letter e with dot above
    {0x0117, "e"},  // latin small letter e with dot above
    {0x0118, "E"},  // latin capital letter e with ogonek
    {0x0119, "e"},  // latin small letter e with ogonek
    {0x011A, "E"},  // latin capital letter e with caron
    {0x011B, "e"},  // latin small letter e with caron
    {0x011C, "G"},  // latin capital letter g with circumflex
    {0x011D, "g"},  // latin small letter g with circumflex
    {0x011E, "G"},  // latin capital letter g with breve
    {0x011F, "g"},  // latin small letter g with breve
    {0x0120, "G"},  // latin capital letter g with dot above
    {0x0121, "g"},  // latin small letter g with dot above
    {0x0122, "G"},  // latin capital letter g with cedilla
    {0x0123, "g"},  // latin small letter g with cedilla
    {0x0124, "H"},  // latin capital letter h with circumflex
    {0x0125, "h"},  // latin small letter h with circumflex
    {0x0126, "H"},  // latin capital letter h with stroke
    {0x0127, "h"},  // latin small letter h with stroke
    {0x0128, "I"},  // latin capital letter i with tilde
    {0x0129, "i"},  // latin small letter i with tilde
    {0x012A, "I"},  // latin capital letter i with macron
    {0x012B, "i"},  // latin small letter i with macron
    {0x012C, "I"},  // latin capital letter i with breve
    {0x012D, "i"},  // latin small letter i with breve
    {0x012E, "I"},  // latin capital letter i with ogonek
    {0x012F, "i"},  // latin small letter i with ogonek
    {0x0130, "I"},  // latin capital letter i with dot above
    {0x0132, "IJ"},  // latin capital ligature ij
    {0x0133, "ij"},  // latin small ligature ij
    {0x0134, "J"},  // latin capital letter j with circumflex
    {0x0135, "j"},  // latin small letter j with circumflex
    {0x0136, "K"},  // latin capital letter k with cedilla
    {0x0137, "k"},  // latin small letter k with cedilla
    {0x0139, "L"},  // latin capital letter l with acute
    {0x013A, "l"},  // latin small letter l with acute
    {0x013B, "L"},  // latin capital letter l with cedilla
    {0x013C, "l"},  // latin small letter l with cedilla
    {0x013D, "L"},  // latin capital letter l with caron
    {0x013E, "l"},  // latin small letter l with caron
    {0x013F, "L\xFA"},  // latin capital letter l with middle dot
    {0x0140, "l\xFA"},  // latin small letter l with middle dot
    {0x0141, "L"},  // latin capital letter l with stroke
    {0x0142, "l"},  // latin small letter l with stroke
    {0x0143, "N"},  // latin capital letter n with acute
    {0x0144, "n"},  // latin small letter n with acute
    {0x0145, "N"},  // latin capital letter n with cedilla
    {0x0146, "n"},  // latin small letter n with cedilla
    {0x0147, "N"},  // latin capital letter n with caron
    {0x0148, "n"},  // latin small letter n with caron
    {0x014C, "O"},  // latin capital letter o with macron
    {0x014D, "o"},  // latin small letter o with macron
    {0x014E, "O"},  // latin capital letter o with breve
    {0x014F, "o"},  // latin small letter o with breve
    {0x0150, "O"},  // latin capital letter o with double acute
    {0x0151, "o"},  // latin small letter o with double acute
    {0x0152, "OE"},  // latin capital ligature oe
    {0x0153, "oe"},  // latin small ligature oe
    {0x0154, "R"},  // latin capital letter r with acute
    {0x0155, "r"},  // latin small letter r with acute
    {0x0156, "R"},  // latin capital letter r with cedilla
    {0x0157, "r"},  // latin small letter r with cedilla
    {0x0158, "R"},  // latin capital letter r with caron
    {0x0159, "r"},  // latin small letter r with caron
    {0x015A, "S"},  // latin capital letter s with acute
    {0x015B, "s"},  // latin small letter s with acute
    {0x015C, "S"},  // latin capital letter s with circumflex
    {0x015D, "s"},  // latin small letter s with circumflex
    {0x015E, "S"},  // latin capital letter s with cedilla
    {0x015F, "s"},  // latin small letter s with cedilla
    {0x0160, "S"},  // latin capital letter s with caron
    {0x0161, "s"},  // latin small letter s with caron
    {0x0162, "T"},  // latin capital letter t with cedilla
    {0x0163, "t"},  // latin small letter t with cedilla
    {0x0164, "T"},  // latin capital letter t with caron
    {0x0165, "t"},  // latin small letter t with caron
    {0x0166, "T"},  // latin capital letter t with stroke
    {0x0167, "t"},  // latin small letter t with stroke
    {0x0168, "U"},  // latin capital letter u with tilde
    {0x0169, "u"},  // latin small letter u with tilde
    {0x016A, "U"},  // latin capital letter u with macron
    {0x016B, "u"},  // latin small letter u with macron
    {0x016C, "U"},  // latin capital letter u with breve
    {0x016D, "u"},  // latin small letter u with breve
    {0x016E, "U"},  // latin capital letter u with ring above
    {0x016F, "u"},  // latin small letter u with ring above
    {0x0170, "U"},  // latin capital letter u with double acute
    {0x0171, "u"},  // latin small letter u with double acute
    {0x0172, "U"},  // latin capital letter u with ogonek
    {0x0173, "u"},  // latin small letter u with ogonek
    {0x0174, "W"},  // latin capital letter w with circumflex
    {0x0175, "w"},  // latin small letter w with circumflex
    {0x0176, "Y"},  // latin capital letter y with circumflex
    {0x0177, "y"},  // latin small letter y with circumflex
    {0x0178, "Y"},  // latin capital letter y with diaeresis
    {0x0179, "Z"},  // latin capital letter z with acute
    {0x017A, "z"},  // latin small letter z with acute
    {0x017B, "Z"},  // latin capital letter z with dot above
    {0x017C, "z"},  // latin small letter z with dot above
    {0x017D, "Z"},  // latin capital letter z with caron
    {0x017E, "z"},  // latin small letter z with caron
    {0x017F, "s"},  // latin small letter long s
    {0x0180, "b"},  // latin small letter b with stroke
    {0x0181, "B"},  // latin capital letter b with hook
    {0x0182, "B"},  // latin capital letter b with topbar
    {0x0183, "b"},  // latin small letter b with topbar
    {0x0187, "C"},  // latin capital letter c with hook
    {0x0188, "c"},  // latin small letter c with hook
    {0x018A, "D"},  // latin capital letter d with hook
    {0x018B, "D"},  // latin capital letter d with topbar
    {0x018C, "d"},  // latin small letter d with topbar
    {0x0191, "F"},  // latin capital letter f with hook
    {0x0193, "G"},  // latin capital letter g with hook
    {0x0197, "I"},  // latin capital letter i with stroke
    {0x0198, "K"},  // latin capital letter k with hook
    {0x0199, "k"},  // latin small letter k with hook
    {0x019A, "l"},  // latin small letter l with bar
    {0x019D, "N"},  // latin capital letter n with left hook
    {0x019E, "n"},  // latin small letter n with long right leg
    {0x019F, "O"},  // latin capital letter o with middle tilde
    {0x01A0, "O"},  // latin capital letter o with horn
    {0x01A1, "o"},  // latin small letter o with horn
    {0x01A4, "P"},  // latin capital letter p with hook
    {0x01A5, "p"},  // latin small letter p with hook
    {0x01AB, "t"},  // latin small letter t with palatal hook
    {0x01AC, "T"},  // latin capital letter t with hook
    {0x01AD, "t"},  // latin small letter t with hook
    {0x01AE, "T"},  // latin capital letter t with retroflex hook
    {0x01AF, "U"},  // latin capital letter u with horn
    {0x01B0, "u"},  // latin small letter u with horn
    {0x01B2, "V"},  // latin capital letter v with hook
    {0x01B3, "Y"},  // latin capital letter y with hook
    {0x01B4, "y"},  // latin small letter y with hook
    {0x01B5, "Z"},  // latin capital letter z with stroke
    {0x01B6, "z"},  // latin small letter z with stroke
    {0x01C4, "DZ"},  // latin capital letter dz with caron
    {0x01C5, "Dz"},  // latin capital letter d with small letter z with caron
    {0x01C6, "dz"},  // latin small letter dz with caron
    {0x01C7, "LJ"},  // latin capital letter lj
    {0x01C8, "Lj"},  // latin capital letter l with small letter j
    {0x01C9, "lj"},  // latin small letter lj
    {0x01CA, "NJ"},  // latin capital letter nj
    {0x01CB, "Nj"},  // latin capital letter n with small letter j
    {0x01CC, "nj"},  // latin small letter nj
    {0x01CD, "A"},  // latin capital letter a with caron
    {0x01CE, "a"},  // latin small letter a with caron
    {0x01CF, "I"},  // latin capital letter i with caron
    {0x01D0, "i"},  // latin small letter i with caron
    {0x01D1, "O"},  // latin capital letter o with caron
    {0x01D2, "o"},  // latin small letter o with caron
    {0x01D3, "U"},  // latin capital letter u with caron
    {0x01D4, "u"},  // latin small letter u with caron
    {0x01D5, "\x9A"},  // latin capital letter u with diaeresis and macron
    {0x01D6, "\x81"},  // latin small letter u with diaeresis and macron
    {0x01D7, "\x9A"},  // latin capital letter u with diaeresis and acute
    {0x01D8, "\x81"},  // latin small letter u with diaeresis and acute
    {0x01D9, "\x9A"},  // latin capital letter u with diaeresis and caron
    {0x01DA, "\x81"},  // latin small letter u with diaeresis and caron
    {0x01DB, "\x9A"},  // latin capital letter u with diaeresis and grave
    {0x01DC, "\x81"},  // latin small letter u with diaeresis and grave
    {0x01DE, "\x8E"},  // latin capital letter a with diaeresis and macron
    {0x01DF, "\x84"},  // latin small letter a with diaeresis and macron
    {0x01E0, "A"},  // latin capital letter a with dot above and macron
    {0x01E1, "a"},  // latin small letter a with dot above and macron
    {0x01E2, "\x92"},  // latin capital letter ae with macron
    {0x01E3, "\x91"},  // latin small letter ae with macron
    {0x01E4, "G"},  // latin capital letter g with stroke
    {0x01E5, "g"},  // latin small letter g with stroke
    {0x01E6, "G"},  // latin capital letter g with caron
    {0x01E7, "g"},  // latin small letter g with caron
    {0x01E8, "K"},  // latin capital letter k with caron
    {0x01E9, "k"},  // latin small letter k with caron
    {0x01EA, "O"},  // latin capital letter o with ogonek
    {0x01EB, "o"},  // latin small letter o with ogonek
    {0x01EC, "O"},  // latin capital letter o with ogonek and macron
    {0x01ED, "o"},  // latin small letter o with ogonek and macron
    {0x01F0, "j"},  // latin small letter j with caron
    {0x01F1, "DZ"},  // latin capital letter dz
    {0x01F2, "Dz"},  // latin capital letter d with small letter z
    {0x01F3, "dz"},  // latin small letter dz
    {0x01F4, "G"},  // latin capital letter g with acute
    {0x01F5, "g"},  // latin small letter g with acute
    {0x01F8, "N"},  // latin capital letter n with grave
    {0x01F9, "n"},  // latin small letter n with grave
    {0x01FA, "\x8F"},  // latin capital letter a with ring above and acute
    {0x01FB, "\x86"},  // latin small letter a with ring above and acute
    {0x01FC, "\x92"},  // latin capital letter ae with acute
    {0x01FD, "\x91"},  // latin small letter ae with acute
    {0x01FE, "\x9D"},  // latin capital letter o with stroke and acute
    {0x01FF, "\x9B"},  // latin small letter o with stroke and acute
    {0x0200, "A"},  // latin capital letter a with double grave
    {0x0201, "a"},  // latin small letter a with double grave
    {0x0202, "A"},  // latin capital letter a with inverted breve
    {0x0203, "a"},  // latin small letter a with inverted breve
    {0x0204, "E"},  // latin capital letter e with double grave
    {0x0205, "e"},  // latin small letter e with double grave
    {0x0206, "E"},  // latin capital letter e with inverted breve
    {0x0207, "e"},  // latin small letter e with inverted breve
    {0x0208, "I"},  // latin capital letter i with double grave
    {0x0209, "i"},  // latin small letter i with double grave
    {0x020A, "I"},  // latin capital letter i with inverted breve
    {0x020B, "i"},  // latin small letter i with inverted breve
    {0x020C, "O"},  // latin capital letter o with double grave
    {0x020D, "o"},  // latin small letter o with double grave
    {0x020E, "O"},  // latin capital letter o with inverted breve
    {0x020F, "o"},  // latin small letter o with inverted breve
    {0x0210, "R"},  // latin capital letter r with double grave
    {0x0211, "r"},  // latin small letter r with double grave
    {0x0212, "R"},  // latin capital letter r with inverted breve
    {0x0213, "r"},  // latin small letter r with inverted breve
    {0x0214, "U"},  // latin capital letter u with double grave
    {0x0215, "u"},  // latin small letter u with double grave
    {0x0216, "U"},  // latin capital letter u with inverted breve
    {0x0217, "u"},  // latin small letter u with inverted breve
    {0x0218, "S"},  // latin capital letter s with comma below
    {0x0219, "s"},  // latin small letter s with comma below
    {0x021A, "T"},  // latin capital letter t with comma below
    {0x021B, "t"},  // latin small letter t with comma below
    {0x021E, "H"},  // latin capital letter h with caron
    {0x021F, "h"},  // latin small letter h with caron
    {0x0220, "N"},  // latin capital letter n with long right leg
    {0x0221, "d"},  // latin small letter d with curl
    {0x0224, "Z"},  // latin capital letter z with hook
    {0x0225, "z"},  // latin small letter z with hook
    {0x0226, "A"},  // latin capital letter a with dot above
    {0x0227, "a"},  // latin small letter a with dot above
    {0x0228, "E"},  // latin capital letter e with cedilla
    {0x0229, "e"},  // latin small letter e with cedilla
    {0x022A, "\x99"},  // latin capital letter o with diaeresis and macron
    {0x022B, "\x94"},  // latin small letter o with diaeresis and macron
    {0x022C, "\xE5"},  // latin capital letter o with tilde and macron
    {0x022D, "\xE4"},  // latin small letter o with tilde and macron
    {0x022E, "O"},  // latin capital letter o with dot above
    {0x022F, "o"},  // latin small letter o with dot above
    {0x0230, "O"},  // latin capital letter o with dot above and macron
    {0x0231, "o"},  // latin small letter o with dot above and macron
    {0x0232, "Y"},  // latin capital letter y with macron
    {0x0233, "y"},  // latin small letter y with macron
    {0x0234, "l"},  // latin small letter l with curl
    {0x0235, "n"},  // latin small letter n with curl
    {0x0236, "t"},  // latin small letter t with curl
    {0x023A, "A"},  // latin capital letter a with stroke
    {0x023B, "C"},  // latin capital letter c with stroke
    {0x023C, "c"},  // latin small letter c with stroke
    {0x023D, "L"},  // latin capital letter l with bar
    {0x023E, "T"},  // latin capital letter t with diagonal stroke
    {0x023F, "s"},  // latin small letter s with swash tail
    {0x0240, "z"},  // latin small letter z with swash tail
    {0x0243, "B"},  // latin capital letter b with stroke
    {0x0246, "E"},  // latin capital letter e with stroke
    {0x0247, "e"},  // latin small letter e with stroke
    {0x0248, "J"},  // latin capital letter j with stroke
    {0x0249, "j"},  // latin small letter j with stroke
    {0x024B, "q"},  // latin small letter q with hook tail
    {0x024C, "R"},  // latin capital letter r with stroke
    {0x024D, "r"},  // latin small letter r with stroke
    {0x024E, "Y"},  // latin capital letter y with stroke
    {0x024F, "y"},  // latin small letter y with stroke
    {0x0253, "b"},  // latin small letter b with hook
    {0x0255, "c"},  // latin small letter c with curl
    {0x0256, "d"},  // latin small letter d with tail
    {0x0257, "d"},  // latin small letter d with hook
    {0x0260, "g"},  // latin small letter g with hook
    {0x0266, "h"},  // latin small letter h with hook
    {0x0268, "i"},  // latin small letter i with stroke
    {0x026B, "l"},  // latin small letter l with middle tilde
    {0x026C, "l"},  // latin small letter l with belt
    {0x026D, "l"},  // latin small letter l with retroflex hook
    {0x0271, "m"},  // latin small letter m with hook
    {0x0272, "n"},  // latin small letter n with left hook
    {0x0273, "n"},  // latin small letter n with retroflex hook
    {0x027C, "r"},  // latin small letter r with long leg
    {0x027D, "r"},  // latin small letter r with tail
    {0x027E, "r"},  // latin small letter r with fishhook
    {0x0282, "s"},  // latin small letter s with hook
    {0x0288, "t"},  // latin small letter t with retroflex hook
    {0x028B, "v"},  // latin small letter v with hook
    {0x0290, "z"},  // latin small letter z with retroflex hook
    {0x0291, "z"},  // latin small letter z with curl
    {0x029D, "j"},  // latin small letter j with crossed-tail
    {0x02A0, "q"},  // latin small letter q with hook
    {0x1E00, "A"},  // latin capital letter a with ring below
    {0x1E01, "a"},  // latin small letter a with ring below
    {0x1E02, "B"},  // latin capital letter b with dot above
    {0x1E03, "b"},  // latin small letter b with dot above
    {0x1E04, "B"},  // latin capital letter b with dot below
    {0x1E05, "b"},  // latin small letter b with dot below
    {0x1E06, "B"},  // latin capital letter b with line below
    {0x1E07, "b"},  // latin small letter b with line below
    {0x1E08, "\x80"},  // latin capital letter c with cedilla and acute
    {0x1E09, "\x87"},  // latin small letter c with cedilla and acute
    {0x1E0A, "D"},  // latin capital letter d with dot above
    {0x1E0B, "d"},  // latin small letter d with dot above
    {0x1E0C, "D"},  // latin capital letter d with dot below
    {0x1E0D, "d"},  // latin small letter d with dot below
    {0x1E0E, "D"},  // latin capital letter d with line below
    {0x1E0F, "d"},  // latin small letter d with line below
    {0x1E10, "D"},  // latin capital letter d with cedilla
    {0x1E11, "d"},  // latin small letter d with cedilla
    {0x1E12, "D"},  // latin capital letter d with circumflex below
    {0x1E13, "d"},  // latin small letter d with circumflex below
    {0x1E14, "\xD4"},  // latin capital letter e with macron and grave
    {0x1E15, "\x8A"},  // latin small letter e with macron and grave
    {0x1E16, "\x90"},  // latin capital letter e with macron and acute
    {0x1E17, "\x82"},  // latin small letter e with macron and acute
    {0x1E18, "E"},  // latin capital letter e with circumflex below
    {0x1E19, "e"},  // latin small letter e with circumflex below
    {0x1E1A, "E"},  // latin capital letter e with tilde below
    {0x1E1B, "e"},  // latin small letter e with tilde below
    {0x1E1C, "E"},  // latin capital letter e with cedilla and breve
    {0x1E1D, "e"},  // latin small letter e with cedilla and breve
    {0x1E1E, "F"},  // latin capital letter f with dot above
    {0x1E1F, "f"},  // latin small letter f with dot above
    {0x1E20, "G"},  // latin capital letter g with macron
    {0x1E21, "g"},  // latin small letter g with macron
    {0x1E22, "H"},  // latin capital letter h with dot above
    {0x1E23, "h"},  // latin small letter h with dot above
    {0x1E24, "H"},  // latin capital letter h with dot below
    {0x1E25, "h"},  // latin small letter h with dot below
    {0x1E26, "H"},  // latin capital letter h with diaeresis
    {0x1E27, "h"},  // latin small letter h with diaeresis
    {0x1E28, "H"},  // latin capital letter h with cedilla
    {0x1E29, "h"},  // latin small letter h with cedilla
    {0x1E2A, "H"},  // latin capital letter h with breve below
    {0x1E2B, "h"},  // latin small letter h with breve below
    {0x1E2C, "I"},  // latin capital letter i with tilde below
    {0x1E2D, "i"},  // latin small letter i with tilde below
    {0x1E2E, "\xD8"},  // latin capital letter i with diaeresis and acute
    {0x1E2F, "\x8B"},  // latin small letter i with diaeresis and acute
    {0x1E30, "K"},  // latin capital letter k with acute
    {0x1E31, "k"},  // latin small letter k with acute
    {0x1E32, "K"},  // latin capital letter k with dot below
    {0x1E33, "k"},  // latin small letter k with dot below
    {0x1E34, "K"},  // latin capital letter k with line below
    {0x1E35, "k"},  // latin small letter k with line below
    {0x1E36, "L"},  // latin capital letter l with dot below
    {0x1E37, "l"},  // latin small letter l with dot below
    {0x1E38, "L"},  // latin capital letter l with dot below and macron
    {0x1E39, "l"},  // latin small letter l with dot below and macron
    {0x1E3A, "L"},  // latin capital letter l with line below
    {0x1E3B, "l"},  // latin small letter l with line below
    {0x1E3C, "L"},  // latin capital letter l with circumflex below
    {0x1E3D, "l"},  // latin small letter l with circumflex below
    {0x1E3E, "M"},  // latin capital letter m with acute
    {0x1E3F, "m"},  // latin small letter m with acute
    {0x1E40, "M"},  // latin capital letter m with dot above
    {0x1E41, "m"},  // latin small letter m with dot above
    {0x1E42, "M"},  // latin capital letter m with dot below
    {0x1E43, "m"},  // latin small letter m with dot below
    {0x1E44, "N"},  // latin capital letter n with dot above
    {0x1E45, "n"},  // latin small letter n with dot above
    {0x1E46, "N"},  // latin capital letter n with dot below
    {0x1E47, "n"},  // latin small letter n with dot below
    {0x1E48, "N"},  // latin capital letter n with line below
    {0x1E49, "n"},  // latin small letter n with line below
    {0x1E4A, "N"},  // latin capital letter n with circumflex below
    {0x1E4B, "n"},  // latin small letter n with circumflex below
    {0x1E4C, "\xE5"},  // latin capital letter o with tilde and acute
    {0x1E4D, "\xE4"},  // latin small letter o with tilde and acute
    {0x1E4E, "\xE5"},  // latin capital letter o with tilde and diaeresis
    {0x1E4F, "\xE4"},  // latin small letter o with tilde and diaeresis
    {0x1E50, "\xE3"},  // latin capital letter o with macron and grave
    {0x1E51, "\x95"},  // latin small letter o with macron and grave
    {0x1E52, "\xE0"},  // latin capital letter o with macron and acute
    {0x1E53, "\xA2"},  // latin small letter o with macron and acute
    {0x1E54, "P"},  // latin capital letter p with acute
    {0x1E55, "p"},  // latin small letter p with acute
    {0x1E56, "P"},  // latin capital letter p with dot above
    {0x1E57, "p"},  // latin small letter p with dot above
    {0x1E58, "R"},  // latin capital letter r with dot above
    {0x1E59, "r"},  // latin small letter r with dot above
    {0x1E5A, "R"},  // latin capital letter r with dot below
    {0x1E5B, "r"},  // latin small letter r with dot below
    {0x1E5C, "R"},  // latin capital letter r with dot below and macron
    {0x1E5D, "r"},  // latin small letter r with dot below and macron
    {0x1E5E, "R"},  // latin capital letter r with line below
    {0x1E5F, "r"},  // latin small letter r with line below
    {0x1E60, "S"},  // latin capital letter s with dot above
    {0x1E61, "s"},  // latin small letter s with dot above
    {0x1E62, "S"},  // latin capital letter s with dot below
    {0x1E63, "s"},  // latin small letter s with dot below
    {0x1E64, "S"},  // latin capital letter s with acute and dot above
    {0x1E65, "s"},  // latin small letter s with acute and dot above
    {0x1E66, "S"},  // latin capital letter s with caron and dot above
    {0x1E67, "s"},  // latin small letter s with caron and dot above
    {0x1E68, "S"},  // latin capital letter s with dot below and dot above
    {0x1E69, "s"},  // latin small letter s with dot below and dot above
    {0x1E6A, "T"},  // latin capital letter t with dot above
    {0x1E6B, "t"},  // latin small letter t with dot above
    {0x1E6C, "T"},  // latin capital letter t with dot below
    {0x1E6D, "t"},  // latin small letter t with dot below
    {0x1E6E, "T"},  // latin capital letter t with line below
    {0x1E6F, "t"},  // latin small letter t with line below
    {0x1E70, "T"},  // latin capital letter t with circumflex below
    {0x1E71, "t"},  // latin small letter t with circumflex below
    {0x1E72, "U"},  // latin capital letter u with diaeresis below
    {0x1E73, "u"},  // latin small letter u with diaeresis below
    {0x1E74, "U"},  // latin capital letter u with tilde below
    {0x1E75, "u"},  // latin small letter u with tilde below
    {0x1E76, "U"},  // latin capital letter u with circumflex below
    {0x1E77, "u"},  // latin small letter u with circumflex below
    {0x1E78, "\xE9"},  // latin capital letter u with tilde and acute
    {0x1E79, "\xA3"},  // latin small letter u with tilde and acute
    {0x1E7A, "\x9A"},  // latin capital letter u with macron and diaeresis
    {0x1E7B, "\x81"},  // latin small letter u with macron and diaeresis
    {0x1E7C, "V"},  // latin capital letter v with tilde
    {0x1E7D, "v"},  // latin small letter v with tilde
    {0x1E7E, "V"},  // latin capital letter v with dot below
    {0x1E7F, "v"},  // latin small letter v with dot below
    {0x1E80, "W"},  // latin capital letter w with grave
    {0x1E81, "w"},  // latin small letter w with grave
    {0x1E82, "W"},  // latin capital letter w with acute
    {0x1E83, "w"},  // latin small letter w with acute
    {0x1E84, "W"},  // latin capital letter w with diaeresis
    {0x1E85, "w"},  // latin small letter w with diaeresis
    {0x1E86, "W"},  // latin capital letter w with dot above
    {0x1E87, "w"},  // latin small letter w with dot above
    {0x1E88, "W"},  // latin capital letter w with dot below
    {0x1E89, "w"},  // latin small letter w with dot below
    {0x1E8A, "X"},  // latin capital letter x with dot above
    {0x1E8B, "x"},  // latin small letter x with dot above
    {0x1E8C, "X"},  // latin capital letter x with diaeresis
    {0x1E8D, "x"},  // latin small letter x with diaeresis
    {0x1E8E, "Y"},  // latin capital letter y with dot above
    {0x1E8F, "y"},  // latin small letter y with dot above
    {0x1E90, "Z"},  // latin capital letter z with circumflex
    {0x1E91, "z"},  // latin small letter z with circumflex
    {0x1E92, "Z"},  // latin capital letter z with dot below
    {0x1E93, "z"},  // latin small letter z with dot below
    {0x1E94, "Z"},  // latin capital letter z with line below
    {0x1E95, "z"},  // latin small letter z with line below
    {0x1E96, "h"},  // latin small letter h with line below
    {0x1E97, "t"},  // latin small letter t with diaeresis
    {0x1E98, "w"},  // latin small letter w with ring above
    {0x1E99, "y"},  // latin small letter y with ring above
    {0x1E9B, "s"},  // latin small letter long s with dot above
    {0x1E9C, "s"},  // latin small letter long s with diagonal stroke
    {0x1E9D, "s"},  // latin small letter long s with high stroke
    {0x1E9E, "SS"},  // latin capital letter sharp s
    {0x1EA0, "A"},  // latin capital letter a with dot below
    {0x1EA1, "a"},  // latin small letter a with dot below
    {0x1EA2, "A"},  // latin capital letter a with hook above
    {0x1EA3, "a"},  // latin small letter a with hook above
    {0x1EA4, "\xB6"},  // latin capital letter a with circumflex and acute
    {0x1EA5, "\x83"},  // latin small letter a with circumflex and acute
    {0x1EA6, "\xB6"},  // latin capital letter a with circumflex and grave
    {0x1EA7, "\x83"},  // latin small letter a with circumflex and grave
    {0x1EA8, "\xB6"},  // latin capital letter a with circumflex and hook above
    {0x1EA9, "\x83"},  // latin small letter a with circumflex and hook above
    {0x1EAA, "\xB6"},  // latin capital letter a with circumflex and tilde
    {0x1EAB, "\x83"},  // latin small letter a with circumflex and tilde
    {0x1EAC, "\xB6"},  // latin capital letter a with circumflex and dot below
    {0x1EAD, "\x83"},  // latin small letter a with circumflex and dot below
    {0x1EAE, "\xB5"},  // latin capital letter a with breve and acute
    {0x1EAF, "\xA0"},  // latin small letter a with breve and acute
    {0x1EB0, "\xB7"},  // latin capital letter a with breve and grave
    {0x1EB1, "\x85"},  // latin small letter a with breve and grave
    {0x1EB2, "A"},  // latin capital letter a with breve and hook above
    {0x1EB3, "a"},  // latin small letter a with breve and hook above
    {0x1EB4, "\xC7"},  // latin capital letter a with breve and tilde
    {0x1EB5, "\xC6"},  // latin small letter a with breve and tilde
    {0x1EB6, "A"},  // latin capital letter a with breve and dot below
    {0x1EB7, "a"},  // latin small letter a with breve and dot below
    {0x1EB8, "E"},  // latin capital letter e with dot below
    {0x1EB9, "e"},  // latin small letter e with dot below
    {0x1EBA, "E"},  // latin capital letter e with hook above
    {0x1EBB, "e"},  // latin small letter e with hook above
    {0x1EBC, "E"},  // latin capital letter e with tilde
    {0x1EBD, "e"},  // latin small letter e with tilde
    {0x1EBE, "\xD2"},  // latin capital letter e with circumflex and acute
    {0x1EBF, "\x88"},  // latin small letter e with circumflex and acute
    {0x1EC0, "\xD2"},  // latin capital letter e with circumflex and grave
    {0x1EC1, "\x88"},  // latin small letter e with circumflex and grave
    {0x1EC2, "\xD2"},  // latin capital letter e with circumflex and hook above
    {0x1EC3, "\x88"},  // latin small letter e with circumflex and hook above
    {0x1EC4, "\xD2"},  // latin capital letter e with circumflex and tilde
    {0x1EC5, "\x88"},  // latin small letter e with circumflex and tilde
    {0x1EC6, "\xD2"},  // latin capital letter e with circumflex and dot below
    {0x1EC7, "\x88"},  // latin small letter e with circumflex and dot below
    {0x1EC8, "I"},  // latin capital letter i with hook above
    {0x1EC9, "i"},  // latin small letter i with hook above
    {0x1ECA, "I"},  // latin capital letter i with dot below
    {0x1ECB, "i"},  // latin small letter i with dot below
    {0x1ECC, "O"},  // latin capital letter o with dot below
    {0x1ECD, "o"},  // latin small letter o with dot below
    {0x1ECE, "O"},  // latin capital letter o with hook above
    {0x1ECF, "o"},  // latin small letter o with hook above
    {0x1ED0, "\xE2"},  // latin capital letter o with circumflex and acute
    {0x1ED1, "\x93"},  // latin small letter o with circumflex and acute
    {0x1ED2, "\xE2"},  // latin capital letter o with circumflex and grave
    {0x1ED3, "\x93"},  // latin small letter o with circumflex and grave
    {0x1ED4, "\xE2"},  // latin capital letter o with circumflex and hook above
    {0x1ED5, "\x93"},  // latin small letter o with circumflex and hook above
    {0x1ED6, "\xE2"},  // latin capital letter o with circumflex and tilde
    {0x1ED7, "\x93"},  // latin small letter o with circumflex and tilde
    {0x1ED8, "\xE2"},  // latin capital letter o with circumflex and dot below
    {0x1ED9, "\x93"},  // latin small letter o with circumflex and dot below
    {0x1EDA, "\xE0"},  // latin capital letter o with horn and acute
    {0x1EDB, "\xA2"},  // latin small letter o with horn and acute
    {0x1EDC, "\xE3"},  // latin capital letter o with horn and grave
    {0x1EDD, "\x95"},  // latin small letter o with horn and grave
    {0x1EDE, "O"},  // latin capital letter o with horn and hook above
    {0x1EDF, "o"},  // latin small letter o with horn and hook above
    {0x1EE0, "\xE5"},  // latin capital letter o with horn and tilde
    {0x1EE1, "\xE4"},  // latin small letter o with horn and tilde
    {0x1EE2, "O"},  // latin capital letter o with horn and dot below
    {0x1EE3, "o"},  // latin small letter o with horn and dot below
    {0x1EE4, "U"},  // latin capital letter u with dot below
    {0x1EE5, "u"},  // latin small letter u with dot below
    {0x1EE6, "U"},  // latin capital letter u with hook above
    {0x1EE7, "u"},  // latin small letter u with hook above
    {0x1EE8, "\xE9"},  // latin capital letter u with horn and acute
    {0x1EE9, "\xA3"},  // latin small letter u with horn and acute
    {0x1EEA, "\xEB"},  // latin capital letter u with horn and grave
    {0x1EEB, "\x97"},  // latin small letter u with horn and grave
    {0x1EEC, "U"},  // latin capital letter u with horn and hook above
    {0x1EED, "u"},  // latin small letter u with horn and hook above
    {0x1EEE, "U"},  // latin capital letter u with horn and tilde
    {0x1EEF, "u"},  // latin small letter u with horn and tilde
    {0x1EF0, "U"},  // latin capital letter u with horn and dot below
    {0x1EF1, "u"},  // latin small letter u with horn and dot below
    {0x1EF2, "Y"},  // latin capital letter y with grave
    {0x1EF3, "y"},  // latin small letter y with grave
    {0x1EF4, "Y"},  // latin capital letter y with dot below
    {0x1EF5, "y"},  // latin small letter y with dot below
    {0x1EF6, "Y"},  // latin capital letter y with hook above
    {0x1EF7, "y"},  // latin small letter y with hook above
    {0x1EF8, "Y"},  // latin capital letter y with tilde
    {0x1EF9, "y"},  // latin small letter y with tilde
    {0x1EFE, "Y"},  // latin capital letter y with loop
    {0x1EFF, "y"},  // latin small letter y with loop
    {0x2000, " "},  // en quad
    {0x2001, " "},  // em quad
    {0x2002, " "},  // en space
    {0x2003, " "},  // em space
    {0x2004, " "},  // three-per-em space
    {0x2005, " "},  // four-per-em space
    {0x2006, " "},  // six-per-em space
    {0x2007, " "},  // figure space
    {0x2008, " "},  // punctuation space
    {0x2009, " "},  // thin space
    {0x200A, " "},  // hair space
    {0x2010, "-"},  // hyphen
    {0x2011, "-"},  // non-breaking hyphen
    {0x2012, "-"},  // figure dash
    {0x2013, "-"},  // en dash
    {0x2014, "-"},  // em dash
    {0x2015, "-"},  // horizontal bar
    {0x2018, "'"},  // left single quotation mark
    {0x2019, "'"},  // right single quotation mark
    {0x201A, ","},  // single low-9 quotation mark
    {0x201B, "'"},  // single high-reversed-9 quotation mark
    {0x201C, "\""},  // left double quotation mark
    {0x201D, "\""},  // right double quotation mark
    {0x201E, "\""},  // double low-9 quotation mark
    {0x201F, "\""},  // double high-reversed-9 quotation mark
    {0x2022, "\xFA"},  // bullet
    {0x2024, "."},  // one dot leader
    {0x2025, ".."},  // two dot leader
    {0x2026, "..."},  // horizontal ellipsis
    {0x2027, "\xFA"},  // hyphenation point
    {0x202F, " "},  // narrow no-break space
    {0x2032, "'"},  // prime
    {0x2033, "\""},  // double prime
    {0x2034, "'''"},  // triple prime
    {0x2035, "'"},  // reversed prime
    {0x2036, "\""},  // reversed double prime
    {0x2037, "'''"},  // reversed triple prime
    {0x2039, "<"},  // single left-pointing angle quotation mark
    {0x203A, ">"},  // single right-pointing angle quotation mark
    {0x203C, "!!"},  // double exclamation mark
    {0x203E, " "},  // overline
    {0x2043, "-"},  // hyphen bullet
    {0x2044, "/"},  // fraction slash
    {0x2047, "??"},  // double question mark
    {0x2048, "?!"},  // question exclamation mark
    {0x2049, "!?"},  // exclamation question mark
    {0x204E, "*"},  // low asterisk
    {0x2053, "~"},  // swung dash
    {0x2057, "''''"},  // quadruple prime
    {0x205F, " "},  // medium mathematical space
    {0x20A8, "Rs"},  // rupee sign
    {0x20AC, "EUR"},  // euro sign
    {0x2100, "a/c"},  // account of
    {0x2101, "a/s"},  // addressed to the subject
    {0x2102, "C"},  // double-struck capital c
    {0x2103, "\xF8\x43"},  // degree celsius
    {0x2105, "c/o"},  // care of
    {0x2106, "c/u"},  // cada una
    {0x2109, "\xF8\x46"},  // degree fahrenheit
    {0x210A, "g"},  // script small g
    {0x210B, "H"},  // script capital h
    {0x210C, "H"},  // black-letter capital h
    {0x210D, "H"},  // double-struck capital h
    {0x210E, "h"},  // planck constant
    {0x210F, "h"},  // planck constant over two pi
    {0x2110, "I"},  // script capital i
    {0x2111, "I"},  // black-letter capital i
    {0x2112, "L"},  // script capital l
    {0x2113, "l"},  // script small l
    {0x2115, "N"},  // double-struck capital n
    {0x2116, "No"},  // numero sign
    {0x2119, "P"},  // double-struck capital p
    {0x211A, "Q"},  // double-struck capital q
    {0x211B, "R"},  // script capital r
    {0x211C, "R"},  // black-letter capital r
    {0x211D, "R"},  // double-struck capital r
    {0x2120, "SM"},  // service mark
    {0x2121, "TEL"},  // telephone sign
    {0x2122, "TM"},  // trade mark sign
    {0x2124, "Z"},  // double-struck capital z
    {0x2128, "Z"},  // black-letter capital z
    {0x212A, "K"},  // kelvin sign
    {0x212B, "\x8F"},  // angstrom sign
    {0x212C, "B"},  // script capital b
    {0x212D, "C"},  // black-letter capital c
    {0x212F, "e"},  // script small e
    {0x2130, "E"},  // script capital e
    {0x2131, "F"},  // script capital f
    {0x2133, "M"},  // script capital m
    {0x2134, "o"},  // script small o
    {0x2139, "i"},  // information source
    {0x213B, "FAX"},  // facsimile sign
    {0x2145, "D"},  // double-struck italic capital d
    {0x2146, "d"},  // double-struck italic small d
    {0x2147, "e"},  // double-struck italic small e
    {0x2148, "i"},  // double-struck italic small i
    {0x2149, "j"},  // double-struck italic small j
    {0x2150, "1/7"},  // vulgar fraction one seventh
    {0x2151, "1/9"},  // vulgar fraction one ninth
    {0x2152, "1/10"},  // vulgar fraction one tenth
    {0x2153, "1/3"},  // vulgar fraction one third
    {0x2154, "2/3"},  // vulgar fraction two thirds
    {0x2155, "1/5"},  // vulgar fraction one fifth
    {0x2156, "2/5"},  // vulgar fraction two fifths
    {0x2157, "3/5"},  // vulgar fraction three fifths
    {0x2158, "4/5"},  // vulgar fraction four fifths
    {0x2159, "1/6"},  // vulgar fraction one sixth
    {0x215A, "5/6"},  // vulgar fraction five sixths
    {0x215B, "1/8"},  // vulgar fraction one eighth
    {0x215C, "3/8"},  // vulgar fraction three eighths
    {0x215D, "5/8"},  // vulgar fraction five eighths
    {0x215E, "7/8"},  // vulgar fraction seven eighths
    {0x215F, "1/"},  // fraction numerator one
    {0x2160, "I"},  // roman numeral one
    {0x2161, "II"},  // roman numeral two
    {0x2162, "III"},  // roman numeral three
    {0x2163, "IV"},  // roman numeral four
    {0x2164, "V"},  // roman numeral five
    {0x2165, "VI"},  // roman numeral six
    {0x2166, "VII"},  // roman numeral seven
    {0x2167, "VIII"},  // roman numeral eight
    {0x2168, "IX"},  // roman numeral nine
    {0x2169, "X"},  // roman numeral ten
    {0x216A, "XI"},  // roman numeral eleven
    {0x216B, "XII"},  // roman numeral twelve
    {0x216C, "L"},  // roman numeral fifty
    {0x216D, "C"},  // roman numeral one hundred
    {0x216E, "D"},  // roman numeral five hundred
    {0x216F, "M"},  // roman numeral one thousand
    {0x2170, "i"},  // small roman numeral one
    {0x2171, "ii"},  // small roman numeral two
    {0x2172, "iii"},  // small roman numeral three
    {0x2173, "iv"},  // small roman numeral four
    {0x2174, "v"},  // small roman numeral five
    {0x2175, "vi"},  // small roman numeral six
    {0x2176, "vii"},  // small roman numeral seven
    {0x2177, "viii"},  // small roman numeral eight
    {0x2178, "ix"},  // small roman numeral nine
    {0x2179, "x"},  // small roman numeral ten
    {0x217A, "xi"},  // small roman numeral eleven
    {0x217B, "xii"},  // small roman numeral twelve
    {0x217C, "l"},  // small roman numeral fifty
    {0x217D, "c"},  // small roman numeral one hundred
    {0x217E, "d"},  // small roman numeral five hundred
    {0x217F, "m"},  // small roman numeral one thousand
    {0x2189, "0/3"},  // vulgar fraction zero thirds
    {0x2212, "-"},  // minus sign
};

}  // namespace

// clang-format on

const std::span<const nearest_letters> kNearestLetters = kTable;

}  // namespace glyphrig
