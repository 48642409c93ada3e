// Times one whole run the way a user sees it: starts a program with the given
// answers piped to its standard input, reads its standard output as it comes,
// and prints the microseconds from the line "Working..." to the line "done".
// The program is stopped there, as what follows "done" is only its closing
// pause. Anything that writes the same two lines can be timed the same way,
// such as a shell script that runs the same commands. With --faults FILE it
// also adds a line to FILE: the minor page faults of the run, of all its
// processes that were waited for (the tools, under the program).

#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

extern char** environ;

namespace {

using clock_type = std::chrono::steady_clock;

// Where `line` stands as a whole line of `output`, searching from `from`.
std::optional<size_t> find_line(std::string_view output, std::string_view line, size_t from) {
  for (size_t at = output.find(line, from); at != std::string_view::npos;
       at = output.find(line, at + 1)) {
    const bool starts_line = at == 0 || output[at - 1] == '\n';
    if (starts_line && output.substr(at + line.size()).starts_with('\n')) return at;
  }
  return std::nullopt;
}

int fail(const char* what) {
  std::fprintf(stderr, "run_timer: %s: %s\n", what, std::strerror(errno));
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  const char* faults_file = nullptr;
  if (argc > 2 && std::string_view(argv[1]) == "--faults") {
    faults_file = argv[2];
    argc -= 2;
    argv += 2;
  }
  if (argc < 3) {
    std::fprintf(stderr, "usage: run_timer [--faults FILE] ANSWERS_FILE PROGRAM [ARGUMENT...]\n");
    return 2;
  }
  std::ifstream answers_file(argv[1], std::ios::binary);
  const std::string answers{std::istreambuf_iterator<char>(answers_file), {}};

  int to_child[2], from_child[2];
  if (pipe(to_child) != 0 || pipe(from_child) != 0) return fail("pipe");
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, to_child[0], STDIN_FILENO);
  posix_spawn_file_actions_adddup2(&actions, from_child[1], STDOUT_FILENO);
  for (int fd : {to_child[0], to_child[1], from_child[0], from_child[1]}) {
    posix_spawn_file_actions_addclose(&actions, fd);
  }
  pid_t child = 0;
  if (const int error = posix_spawnp(&child, argv[2], &actions, nullptr, argv + 2, environ)) {
    errno = error;
    return fail(argv[2]);
  }
  close(to_child[0]);
  close(from_child[1]);
  signal(SIGPIPE, SIG_IGN);  // a program that ends before reading its answers is reported below
  // The answers are small enough for the pipe's buffer: written at once, as a pipe from printf
  // would.
  if (write(to_child[1], answers.data(), answers.size()) != static_cast<ssize_t>(answers.size())) {
    return fail("writing the answers");
  }
  close(to_child[1]);

  std::string output;
  std::optional<size_t> working_at;
  std::optional<clock_type::time_point> start, end;
  char buffer[4096];
  while (!end) {
    const ssize_t got = read(from_child[0], buffer, sizeof buffer);
    const auto now = clock_type::now();
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) break;
    output.append(buffer, static_cast<size_t>(got));
    if (!working_at && (working_at = find_line(output, "Working...", 0))) start = now;
    if (working_at && find_line(output, "done", *working_at)) end = now;
  }
  kill(child, SIGKILL);
  waitpid(child, nullptr, 0);

  if (!start || !end) {
    std::fprintf(stderr, "run_timer: %s never wrote %s; it wrote:\n%s\n", argv[2],
                 start ? "\"done\"" : "\"Working...\"", output.c_str());
    return 1;
  }
  if (faults_file) {
    // The program was killed after "done", but the tools it ran had ended before it wrote it.
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    std::FILE* faults = std::fopen(faults_file, "a");
    if (!faults) return fail(faults_file);
    std::fprintf(faults, "%ld\n", usage.ru_minflt);
    std::fclose(faults);
  }
  std::printf("%lld\n",
              static_cast<long long>(
                  std::chrono::duration_cast<std::chrono::microseconds>(*end - *start).count()));
  return 0;
}
