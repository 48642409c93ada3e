/* Stands in for ImageMagick's convert.exe and composite.exe under Wine: it
 * appends one line to calls.log in the working directory, its own name
 * followed by each argument it got in brackets, exactly as the C runtime
 * split them. When its last argument names a .png it writes that file, so
 * that the program sees a picture made where the real tool would make one. */
#include <stdio.h>
#include <string.h>

#ifndef TOOL_NAME
#error "TOOL_NAME names the tool this program stands in for"
#endif

static int ends_with(const char* text, const char* tail) {
  const size_t n = strlen(text), m = strlen(tail);
  return n >= m && strcmp(text + n - m, tail) == 0;
}

int main(int argc, char** argv) {
  /* Binary mode: the log holds the arguments byte for byte, with line ends
   * of its own choosing. */
  FILE* log = fopen("calls.log", "ab");
  if (!log) return 2;
  fputs(TOOL_NAME, log);
  for (int i = 1; i < argc; ++i) fprintf(log, " [%s]", argv[i]);
  fputc('\n', log);
  fclose(log);

  if (argc > 1 && ends_with(argv[argc - 1], ".png")) {
    FILE* picture = fopen(argv[argc - 1], "wb");
    if (!picture) return 3;
    fputs("made by " TOOL_NAME "\n", picture);
    fclose(picture);
  }
  return 0;
}
