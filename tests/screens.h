#ifndef GLYPHRIG_TESTS_SCREENS_H_
#define GLYPHRIG_TESTS_SCREENS_H_

#include <string>

// The program's screens and messages, written out in full and on their own
// so that a test catches any byte that changes.
namespace expected {

inline const std::string kRule(" " + std::string(78, '-') + "\n");

inline const std::string kFontScreen = kRule + std::string(34, ' ') + "GLYPHRIG" +
                                       std::string(27, ' ') + "version 2 \n" + kRule +
                                       "\n"
                                       "                 0  -  Normal  font (i.e. chat)\n\n"
                                       "                 1  -  Large   font (i.e. WASTED)\n\n"
                                       "                 2  -  Menu    font\n\n"
                                       "                 3  -  Street  signs\n\n"
                                       "                 4  -  Car     license plate\n\n" +
                                       kRule + "\nEnter font type number: ";

inline const std::string kColourScreen =
    kRule + " ------------------------  Please pick a color  -------------------------------\n\n" +
    "              0   -  Normal (Enter)      5  -  Veteran (forum)\n"
    "              1   -  Ligh Brown          6  -  VIP (forum)\n"
    "              2   -  White (Grey)        7  -  Administrator (forum)\n"
    "              3   -  Bright Blue\n"
    "              4   -  Dark Blue           8  -  CUSTOM\n\n"
    "              9   -  Elvis Mafia\n"
    "              10  -  Krishna\n"
    "              11  -  Loonies\n"
    "              12  -  Mad Island Mafia\n"
    "              13  -  Prison Mafia\n"
    "              14  -  Redneck\n"
    "              15  -  Russian Mafia\n"
    "              16  -  Scientists\n"
    "              17  -  Yakuza\n"
    "              18  -  Zaibatsu\n\n" +
    kRule + "\nEnter color number: ";

inline const std::string kRetry = "Please enter a correct number: ";
inline const std::string kTextPrompt = "Enter your text line: ";
inline const std::string kCodePrompt = "Use HTML (i.e. #ffc100) \nEnter the color code:";
inline const std::string kCodeRetry = "Please enter a correct color code: ";
inline const std::string kPlatePrompts =
    "Maximum letters is around 20 (depends on width)! \nMore just don't fit on a license plate. "
    "\nEnter your text line: ";
inline const std::string kFitPrompt =
    "\nDo you want background to auto adjust to text size? Enter y/n: ";
inline const std::string kWorking = "\nWorking...\n\n";
inline const std::string kDone = "done\n";
inline const std::string kRefusal =
    "Your text is too long for a license plate. Please retry with shorter text!\n";

}  // namespace expected

#endif  // GLYPHRIG_TESTS_SCREENS_H_
