// Windows starts the image tools itself, as the Linux layer does: the command
// line goes to CreateProcess as it is written, quoted only for the tool's own
// argument splitter. No command interpreter ever reads the typed colour code,
// and cmd.exe's limit of 8,191 characters does not apply. The clean-up script
// holds nothing typed, and goes through cmd.exe, as its contents are the
// user's to change. "cls" starts no program: a busy system may fail to start
// one, and the console can be cleared directly.

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <ostream>
#include <vector>

#include "imaging/argument_quote.h"
#include "imaging/interrupts.h"
#include "imaging/system_command.h"
#include "imaging/working_tree.h"

namespace glyphrig {
namespace {

// CreateProcess takes a command line of at most this many characters.
constexpr size_t kLongestCommandLine = 32'767 - 1;

bool is_file(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

command_end cannot_run(std::ostream& errors, const std::string& program, const std::string& why) {
  errors << "glyphrig: cannot run \"" << program << "\": " << why << '\n' << std::flush;
  return command_end::not_started;
}

// What to start for a tool's command line: the program file and the whole
// line, whose first word names it.
struct launch {
  std::string file;
  std::string command_line;
};

// The tool in the working tree, or ImageMagick 7's magick.exe beside it:
// itself for convert, "magick composite" for composite.
std::optional<launch> find_tool(const std::string& program, const std::string& arguments) {
  if (is_file(program)) return launch{program, program + arguments};
  const size_t name_at = program.rfind('\\') + 1;
  const std::string tool = program.substr(name_at);
  const std::string magick = program.substr(0, name_at) + "magick.exe";
  if ((tool == "convert.exe" || tool == "composite.exe") && is_file(magick)) {
    return launch{magick, magick + (tool == "convert.exe" ? "" : " composite") + arguments};
  }
  return std::nullopt;
}

// The child writes to and reads from the same console, file or pipe as the
// program.
STARTUPINFOA shared_standard_handles() {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  startup.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
  startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
  for (HANDLE handle : {startup.hStdInput, startup.hStdOutput, startup.hStdError}) {
    SetHandleInformation(handle, HANDLE_FLAG_INHERIT, HANDLE_FLAG_INHERIT);
  }
  return startup;
}

std::string system_message(DWORD error) {
  char* text = nullptr;
  const DWORD length = FormatMessageA(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, error, 0, reinterpret_cast<char*>(&text), 0, nullptr);
  std::string message = length ? std::string(text, length) : "error " + std::to_string(error);
  LocalFree(text);
  while (!message.empty() && (message.back() == '\n' || message.back() == '\r' ||
                              message.back() == ' ' || message.back() == '.')) {
    message.pop_back();
  }
  return message;
}

// Where a hidden program's output goes, for as long as the program runs.
class null_device {
 public:
  null_device() {
    SECURITY_ATTRIBUTES inherited{};
    inherited.nLength = sizeof inherited;
    inherited.bInheritHandle = TRUE;
    handle_ = CreateFileA("NUL", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherited,
                          OPEN_EXISTING, 0, nullptr);
  }
  ~null_device() {
    if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
  }
  null_device(const null_device&) = delete;
  null_device& operator=(const null_device&) = delete;
  HANDLE get() const { return handle_; }

 private:
  HANDLE handle_;
};

// Starts a program with the whole command line and waits for it; an
// interrupt stops it (interrupts.h).
command_end start_and_wait(const char* file, std::string line, const std::string& name,
                           tool_output output, std::ostream& errors) {
  STARTUPINFOA startup = shared_standard_handles();
  // Opened only for a hidden program: every inheritable handle goes to every
  // child started meanwhile.
  std::optional<null_device> nothing;
  if (output == tool_output::hidden) nothing.emplace();
  if (nothing && nothing->get() != INVALID_HANDLE_VALUE) {
    startup.hStdOutput = nothing->get();
    startup.hStdError = nothing->get();
  }
  PROCESS_INFORMATION process{};
  DWORD error = 0;
  const watched_tool tool([&]() -> process_ref {
    // A group of its own: Ctrl+C does not reach it, so that it ends only
    // once the interrupt is noted, and cmd.exe does not ask whether to
    // stop the script.
    if (!CreateProcessA(file, line.data(), nullptr, nullptr, TRUE, CREATE_NEW_PROCESS_GROUP,
                        nullptr, nullptr, &startup, &process)) {
      error = GetLastError();
      return kNoProcess;
    }
    return reinterpret_cast<process_ref>(process.hProcess);
  });
  if (tool.process() == kNoProcess) return cannot_run(errors, name, system_message(error));
  WaitForSingleObject(process.hProcess, INFINITE);
  DWORD status = 1;
  GetExitCodeProcess(process.hProcess, &status);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return status == 0 ? command_end::succeeded : command_end::failed;
}

command_end run_tool(const std::string& command_line, tool_output output, std::ostream& errors) {
  const std::string program = command_line.substr(0, command_line.find(' '));
  const auto found = find_tool(program, command_line.substr(program.size()));
  if (!found) {
    return cannot_run(errors, program,
                      "not found; put ImageMagick's convert.exe and composite.exe, or its "
                      "magick.exe, into the imagemagick folder (see imagemagick\\README.txt)");
  }
  std::string line = quote_for_argument_splitter(found->command_line);
  if (line.size() > kLongestCommandLine) {
    // Only a long text line makes a long command line.
    errors << "glyphrig: the text is too long to hand to the image tool: its command line of "
           << line.size() << " bytes is more than this system accepts\n"
           << std::flush;
    return command_end::not_started;
  }
  return start_and_wait(found->file.c_str(), std::move(line), found->file, output, errors);
}

// The clean-up script, through the command interpreter that the C runtime's
// system() would start.
command_end run_clean_up(const std::string& script, std::ostream& errors) {
  if (!is_file(script)) {
    return cannot_run(
        errors, script,
        "not found; start glyphrig in its own folder, beside alphabet and imagemagick");
  }
  const char* interpreter = std::getenv("ComSpec");
  const std::string program = interpreter && *interpreter ? interpreter : "cmd.exe";
  return start_and_wait(nullptr, "\"" + program + "\" /c " + script, program, tool_output::shown,
                        errors);
}

// Blanks the console's whole buffer and puts the cursor home. A file or a
// pipe gets the form feed that cmd.exe's cls writes there.
void clear_screen() {
  const HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
  CONSOLE_SCREEN_BUFFER_INFO screen;
  if (!GetConsoleScreenBufferInfo(output, &screen)) {
    DWORD written = 0;
    WriteFile(output, "\f", 1, &written, nullptr);
    return;
  }
  const DWORD cells = static_cast<DWORD>(screen.dwSize.X) * static_cast<DWORD>(screen.dwSize.Y);
  const COORD home{0, 0};
  DWORD written = 0;
  FillConsoleOutputCharacterA(output, ' ', cells, home, &written);
  FillConsoleOutputAttribute(output, screen.wAttributes, cells, home, &written);
  SetConsoleCursorPosition(output, home);
}

}  // namespace

command_end run_system_command(const std::string& command_line, tool_output output,
                               std::ostream& console, std::ostream& errors) {
  // The started program writes to the same console; what this program wrote
  // before, still in a buffer of the stream or the C runtime, goes first.
  console.flush();
  std::fflush(nullptr);
  if (command_line == "cls") {
    clear_screen();
    return command_end::succeeded;
  }
  if (command_line == kCleanUpScript) return run_clean_up(command_line, errors);
  return run_tool(command_line, output, errors);
}

}  // namespace glyphrig
