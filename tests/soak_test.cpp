// The soak: a few hundred real runs of the built program in copies of the
// working tree, with the system's ImageMagick, side by side in a dozen
// folders. Each run has random answers (every kind, retries, junk yes/no
// lines, good and bad colour codes, text in several languages, long and
// empty lines, input cut short) and one random disturbance: none, a file
// size quota, an interrupt (Ctrl+C, a closed terminal, SIGTERM; to the whole
// process group or to the program alone) at a random moment, SIGKILL, or a
// second run at once in the same folder. Every run must keep the rules
// (check_run below). A failure names the seed: GLYPHRIG_SOAK_SEED=<seed>
// repeats the same answers and disturbances, GLYPHRIG_SOAK_RUNS=<n> sets how
// many runs.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <mutex>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "scratch_tree.h"
#include "tree_probe.h"

namespace glyphrig {
namespace {

namespace fs = std::filesystem;
using std::chrono::milliseconds;
using std::chrono::steady_clock;

// Far longer than any run takes, however busy the machine: only a run that
// hangs misses it.
constexpr auto kInTime = std::chrono::seconds(60);
constexpr int kFolders = 12;

// What a run is asked to draw, in its shortest answers.
struct picture_asked {
  int kind;
  // The colour number, or 8 and typed codes, the last one known; empty for kinds 3 and 4.
  std::string colour;
  std::string text;
  std::string fit;  // "y" or "n" for plates
};

const std::vector<picture_asked> kPictures = {
    {0, "0", "Go now", ""},
    {0, "3", std::string(120, 'x'), ""},
    {0, "8\n#33cc99", "\xC5\x81\xC3\xB3\x64\xC5\xBA Gr\xC3\xBC\xC3\x9F\x65", ""},  // Łódź Grüße
    {1, "10", "Go now", ""},
    {1, "8\nnotacolour\nFF8800", "\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82", ""},  // Привет
    {1, "2", "", ""},
    {2, "16", "Harbour Road", ""},
    {2, "8\n#12345g\nrgb(10,200,30)", "\xC3\xA9t\xC3\xA9 12!", ""},  // été 12!
    {2, "0", "\xF0\x9F\x98\x80 ok", ""},                             // an emoji
    {3, "", "Harbour Road", ""},
    {3, "", "\xCE\xA9\xCE\xBC\xCE\xAD\xCE\xB3\xCE\xB1", ""},  // Ωμέγα
    {4, "", "GR 2026 AB", "n"},
    {4, "", "AB 12", "y"},
    {4, "", "WWWWWWWWWWWW", "y"},
    {4, "", std::string(16, 'W'), "y"},  // refused
    {4, "", std::string(16, 'W'), "n"},
    {4, "", "\xCE\xA9\xCE\xBC\xCE\xAD\xCE\xB3\xCE\xB1", "y"},  // Ωμέγα: M E A and two left out
    {4, "", "\xE6\xBC\xA2\xE5\xAD\x97", "y"},                  // 漢字: nothing to draw
    {4, "", "@[", "y"},
    {4, "", "\xC3\xA9t\xC3\xA9 12!", "n"},
};

std::vector<std::string> shortest_answers(const picture_asked& p) {
  std::vector<std::string> lines{std::to_string(p.kind)};
  if (!p.colour.empty()) lines.push_back(p.colour);
  lines.push_back(p.text);
  if (!p.fit.empty()) lines.push_back(p.fit);
  return lines;
}

std::string joined_lines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + '\n';
  return text;
}

template <typename T>
const T& pick(std::mt19937_64& random, const std::vector<T>& from) {
  return from[std::uniform_int_distribution<size_t>(0, from.size() - 1)(random)];
}

// The answers as a user might type them: wrong menu numbers first, junk at
// the plate question, and now and then the input cut short before its last
// answer. Says whether it was cut short.
std::string typed_answers(std::mt19937_64& random, const picture_asked& p, bool& cut_short) {
  const auto few = [&](int most) { return std::uniform_int_distribution<int>(0, most)(random); };
  std::vector<std::string> lines;
  for (int i = few(2); i > 0; --i)
    lines.push_back(pick(random, std::vector<std::string>{"7", "-1", "abc", "99999999999"}));
  lines.push_back(std::to_string(p.kind));
  if (!p.colour.empty()) {
    for (int i = few(2); i > 0; --i)
      lines.push_back(pick(random, std::vector<std::string>{"19", "x", "-3"}));
    lines.push_back(p.colour);
  }
  lines.push_back(p.text);
  if (!p.fit.empty()) {
    for (int i = few(3); i > 0; --i) {
      lines.push_back(pick(random, std::vector<std::string>{"Y", "N", "yes", " y", "", "maybe"}));
    }
    lines.push_back(p.fit);
  }
  cut_short = few(9) == 0;
  if (cut_short) lines.resize(std::uniform_int_distribution<size_t>(0, lines.size() - 1)(random));
  return joined_lines(lines);
}

enum class disturbance { none, quota, interrupt, kill, pair };

struct run_plan {
  size_t picture;  // in kPictures
  std::string answers;
  bool cut_short = false;
  disturbance how = disturbance::none;
  int signal = 0;
  bool whole_group = true;  // or the program alone
  milliseconds after{0};
  rlim_t quota = 0;
  bool quota_signal = true;       // SIGXFSZ ends the writer, or writing fails
  std::optional<size_t> partner;  // the second run's picture, started at once
  std::string partner_answers;
};

std::string describe(const run_plan& plan) {
  std::string text = "answers " + ::testing::PrintToString(plan.answers);
  switch (plan.how) {
    case disturbance::none:
      return text + ", undisturbed";
    case disturbance::quota:
      return text + ", a quota of " + std::to_string(plan.quota) + " bytes" +
             (plan.quota_signal ? "" : " with SIGXFSZ ignored");
    case disturbance::interrupt:
    case disturbance::kill:
      return text + ", signal " + std::to_string(plan.signal) + " to the " +
             (plan.whole_group ? "process group" : "program alone") + " after " +
             std::to_string(plan.after.count()) + " ms";
    case disturbance::pair:
      return text +
             ", with a second run at once: " + ::testing::PrintToString(plan.partner_answers);
  }
  return text;
}

run_plan plan_run(std::mt19937_64& random) {
  run_plan plan;
  plan.picture = std::uniform_int_distribution<size_t>(0, kPictures.size() - 1)(random);
  plan.answers = typed_answers(random, kPictures[plan.picture], plan.cut_short);
  const int roll = std::uniform_int_distribution<int>(0, 99)(random);
  if (roll < 20) return plan;
  if (roll < 35) {
    plan.how = disturbance::quota;
    plan.quota = std::uniform_int_distribution<rlim_t>(0, 40'000)(random);
    plan.quota_signal = random() % 2;
  } else if (roll < 85) {
    const bool outright = roll >= 75;
    plan.how = outright ? disturbance::kill : disturbance::interrupt;
    plan.signal = outright ? SIGKILL : pick(random, std::vector<int>{SIGINT, SIGHUP, SIGTERM});
    // A terminal interrupts the whole group; a script may signal the program alone.
    plan.whole_group = outright || random() % 10 < 7;
    // Mostly while it draws, else at any moment up to the end of its pause.
    const int latest = random() % 2 ? 150 : 1500;
    plan.after = milliseconds(std::uniform_int_distribution<int>(0, latest)(random));
  } else {
    // Two runs of whole answers, so that both draw.
    plan.how = disturbance::pair;
    plan.cut_short = false;
    plan.answers = joined_lines(shortest_answers(kPictures[plan.picture]));
    plan.partner = std::uniform_int_distribution<size_t>(0, kPictures.size() - 1)(random);
    plan.partner_answers = joined_lines(shortest_answers(kPictures[*plan.partner]));
  }
  return plan;
}

// How one process ended, and what it said on standard output and error.
struct ended_run {
  std::string said;
  int wait_status = 0;
  bool in_time = true;

  bool exited() const { return WIFEXITED(wait_status); }
  int status() const { return WEXITSTATUS(wait_status); }
  bool says_done() const {
    return said.find("\ndone\n") != std::string::npos || said.starts_with("done\n");
  }
  bool drew() const { return said.find("Working...") != std::string::npos; }
  std::string last_line() const {
    std::string text = said;
    while (text.ends_with('\n')) text.pop_back();
    return text.substr(text.rfind('\n') + 1);
  }
};

// Held while a run is forked and while a lock is tried: a child forked from
// another thread keeps the parent's files until it starts the program, and
// with them a lock that is being tried.
std::mutex forking;

bool killed_outright(const ended_run& run) {
  return !run.exited() && WTERMSIG(run.wait_status) == SIGKILL;
}

// A started run: the program in a process group of its own, its answers on
// standard input, standard output and error into one pipe.
struct child {
  pid_t pid = -1;
  int output = -1;
  ended_run result;
};

child start_run(const fs::path& folder, int index, const std::string& answers,
                const run_plan* quota) {
  const fs::path answers_file = folder / ("answers-" + std::to_string(index));
  { std::ofstream(answers_file, std::ios::binary) << answers; }
  child run;
  int pipe_ends[2];
  if (pipe2(pipe_ends, O_CLOEXEC) != 0) return run;
  const int input = open(answers_file.c_str(), O_RDONLY | O_CLOEXEC);
  const std::string dir = folder.string();
  // Between fork and exec only what a signal handler may call: other threads
  // may hold locks.
  forking.lock();
  run.pid = fork();
  if (run.pid == 0) {
    setpgid(0, 0);
    dup2(input, STDIN_FILENO);
    dup2(pipe_ends[1], STDOUT_FILENO);
    dup2(pipe_ends[1], STDERR_FILENO);
    if (quota) {
      const rlimit limit{quota->quota, quota->quota};
      setrlimit(RLIMIT_FSIZE, &limit);
      if (!quota->quota_signal) signal(SIGXFSZ, SIG_IGN);
    }
    if (chdir(dir.c_str()) == 0) execl("./glyphrig", "glyphrig", static_cast<char*>(nullptr));
    _exit(127);
  }
  forking.unlock();
  // Both sides set the group, so that a signal to it right away finds it.
  setpgid(run.pid, run.pid);
  close(input);
  close(pipe_ends[1]);
  run.output = pipe_ends[0];
  return run;
}

// Reads the runs' output to its end and reaps them; `signal` (if any) goes
// to the first run at its moment, unless that run has ended by then.
void finish_runs(std::vector<child>& runs, const run_plan& plan) {
  const auto start = steady_clock::now();
  bool signal_due = plan.how == disturbance::interrupt || plan.how == disturbance::kill;
  size_t open_outputs = runs.size();
  while (open_outputs > 0) {
    const auto now = steady_clock::now();
    if (signal_due && now >= start + plan.after) {
      kill(plan.whole_group ? -runs[0].pid : runs[0].pid, plan.signal);
      signal_due = false;
    }
    if (now >= start + kInTime) {
      for (child& run : runs) {
        if (run.output >= 0) {
          run.result.in_time = false;
          kill(-run.pid, SIGKILL);
        }
      }
    }
    std::vector<pollfd> fds;
    for (const child& run : runs) fds.push_back({run.output, POLLIN, 0});
    const auto until = signal_due ? start + plan.after : start + kInTime;
    const auto wait = std::chrono::duration_cast<milliseconds>(until - now).count();
    poll(fds.data(), fds.size(), static_cast<int>(std::clamp<long long>(wait, 0, 1000)));
    for (size_t i = 0; i < runs.size(); ++i) {
      if (runs[i].output < 0 || fds[i].revents == 0) continue;
      char buffer[4096];
      const ssize_t got = read(runs[i].output, buffer, sizeof buffer);
      if (got > 0) {
        runs[i].result.said.append(buffer, static_cast<size_t>(got));
      } else {
        close(runs[i].output);
        runs[i].output = -1;
        --open_outputs;
        if (i == 0) signal_due = false;  // it has ended: nothing left to interrupt
      }
    }
  }
  for (child& run : runs) waitpid(run.pid, &run.result.wait_status, 0);
}

// PNG chunks that say what the picture is, not when it was made.
std::string picture_content(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::string content;
  for (size_t at = 8; at + 12 <= bytes.size();) {
    const auto byte = [&](size_t i) {
      return static_cast<uint32_t>(static_cast<unsigned char>(bytes[i]));
    };
    const uint32_t length = byte(at) << 24 | byte(at + 1) << 16 | byte(at + 2) << 8 | byte(at + 3);
    const std::string type = bytes.substr(at + 4, 4);
    if (type != "tEXt" && type != "zTXt" && type != "iTXt" && type != "tIME") {
      content += bytes.substr(at, 12 + static_cast<size_t>(length));
    }
    at += 12 + static_cast<size_t>(length);
  }
  return bytes.substr(0, 8) + content;
}

std::optional<std::string> file_bytes(const fs::path& file) {
  if (!fs::exists(file)) return std::nullopt;
  std::ifstream in(file, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// What an undisturbed run of each picture leaves.
struct reference {
  ended_run run;
  std::optional<std::string> picture;  // its content, when there is one
};

std::set<std::string> names_in(const fs::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) {
    const std::string name = entry.path().filename().string();
    if (!name.starts_with("answers-")) names.insert(name);
  }
  return names;
}

// Whether a process keeps the folder as its working directory: a tool left
// running. A tool killed with its group may take a moment to let go of it.
bool tool_running_in(const fs::path& folder) {
  const auto any_there = [&] {
    for (const auto& entry : fs::directory_iterator("/proc")) {
      std::error_code error;
      if (fs::read_symlink(entry.path() / "cwd", error) == folder && !error) return true;
    }
    return false;
  };
  const auto give_up = steady_clock::now() + std::chrono::seconds(10);
  while (any_there()) {
    if (steady_clock::now() > give_up) return true;
    std::this_thread::sleep_for(milliseconds(20));
  }
  return false;
}

bool lock_is_free(const fs::path& folder) {
  const std::lock_guard hold(forking);
  const int fd = open((folder / "alphabet/run.lock").c_str(), O_RDONLY | O_CLOEXEC);
  const bool free = fd >= 0 && flock(fd, LOCK_EX | LOCK_NB) == 0;
  if (fd >= 0) close(fd);
  return free;
}

bool is_own_reason(const std::string& line) {
  for (const char* start : {"Stopped before the picture was finished", "ImageMagick could not ",
                            "ImageMagick made result.png", "The text line was empty",
                            "None of these characters has a picture", "glyphrig: ", "Damaged ",
                            "Your text is too long for a license plate"}) {
    if (line.starts_with(start)) return true;
  }
  return false;
}

class soak {
 public:
  soak(uint64_t seed, int runs) : seed_(seed), runs_(runs) {}

  void run() {
    make_references();
    std::vector<std::thread> workers;
    for (int folder = 0; folder < kFolders; ++folder) {
      workers.emplace_back([this, folder] { work_in(folder); });
    }
    for (std::thread& worker : workers) worker.join();
  }

  const std::vector<std::string>& failures() const { return failures_; }

 private:
  // Each picture's undisturbed run, with its shortest answers, side by side.
  void make_references() {
    std::vector<std::thread> runs;
    references_.resize(kPictures.size());
    for (size_t i = 0; i < kPictures.size(); ++i) {
      runs.emplace_back([this, i] {
        const scratch_dir& dir = *new_folder();
        std::vector<child> run{
            start_run(dir.path(), 0, joined_lines(shortest_answers(kPictures[i])), nullptr)};
        finish_runs(run, run_plan{});
        references_[i].run = run[0].result;
        if (fs::exists(dir.path() / "result.png"))
          references_[i].picture = picture_content(dir.path() / "result.png");
      });
    }
    for (std::thread& run : runs) run.join();
  }

  const scratch_dir* new_folder() {
    auto dir = std::make_unique<scratch_dir>();
    copy_built_tree(*dir);
    const std::lock_guard hold(mutex_);
    return folders_.emplace_back(std::move(dir)).get();
  }

  void fail(const std::string& what) {
    const std::lock_guard hold(mutex_);
    failures_.push_back(what);
  }

  void work_in(int index) {
    const scratch_dir& dir = *new_folder();
    const fs::path folder = fs::canonical(dir.path());
    std::mt19937_64 random(seed_ + static_cast<uint64_t>(index));
    const std::set<std::string> alphabet = names_in(folder / "alphabet");
    bool alphabet_unknown =
        false;  // a run killed outright leaves what it drew, until the next cleans up
    for (int i = index; i < runs_; i += kFolders) {
      const run_plan plan = plan_run(random);
      const auto before = file_bytes(folder / "result.png");
      std::vector<child> runs{
          start_run(folder, 0, plan.answers, plan.how == disturbance::quota ? &plan : nullptr)};
      if (plan.partner) runs.push_back(start_run(folder, 1, plan.partner_answers, nullptr));
      finish_runs(runs, plan);

      const std::string where = "seed " + std::to_string(seed_) + ", run " + std::to_string(i) +
                                " in folder " + std::to_string(index) + " (" + describe(plan) +
                                "): ";
      for (const std::string& problem : check_run(plan, runs, before, folder)) {
        fail(where + problem + "\n--- it said:\n" + runs[0].result.said);
      }
      const ended_run& first = runs[0].result;
      if (killed_outright(first)) {
        // What it had begun stays: a piece, the picture, the file that tells
        // whether the folder can be written. The next runs must cope.
        alphabet_unknown = true;
        for (const fs::path& in : {folder, folder / "alphabet"}) {
          for (const auto& entry : fs::directory_iterator(in)) {
            if (entry.path().extension() == ".tmp") fs::remove(entry.path());
          }
        }
      } else if (first.exited() && first.drew()) {
        alphabet_unknown = false;
      }
      if (alphabet_unknown) continue;
      for (const std::string& name : names_in(folder / "alphabet")) {
        if (!alphabet.contains(name)) fail(where + "it left alphabet/" + name);
      }
    }
  }

  // The rules that every run keeps; the problems found.
  std::vector<std::string> check_run(const run_plan& plan, const std::vector<child>& runs,
                                     const std::optional<std::string>& before,
                                     const fs::path& folder) const {
    std::vector<std::string> problems;
    const auto expect = [&](bool holds, const std::string& problem) {
      if (!holds) problems.push_back(problem);
    };
    for (const child& run : runs) expect(run.result.in_time, "it did not end in time");
    expect(!tool_running_in(folder), "an image tool is still running in its folder");
    expect(lock_is_free(folder), "the next run would be kept waiting");
    for (const std::string& name : names_in(folder)) {
      expect(name == "glyphrig" || name == "alphabet" || name == "imagemagick" ||
                 name == "result.png" || killed_outright(runs[0].result),
             "it left " + name + " in the folder");
    }
    const auto result = file_bytes(folder / "result.png");
    const auto content =
        result ? std::optional(picture_content(folder / "result.png")) : std::nullopt;

    if (plan.partner) {
      // Each run is as undisturbed; the picture is the one of the run that
      // went last, or none if that one drew none.
      bool one_of_them = false;
      bool may_be_none = false;
      for (size_t i = 0; i < runs.size(); ++i) {
        const reference& alone = references_[i == 0 ? plan.picture : *plan.partner];
        const ended_run& run = runs[i].result;
        expect(
            run.exited() && run.status() == alone.run.status() &&
                run.says_done() == alone.run.says_done(),
            "run " + std::to_string(i) + " of the pair did not end as it does alone:\n" + run.said);
        one_of_them = one_of_them || (content && alone.picture == content);
        may_be_none = may_be_none || !alone.picture;
      }
      expect(one_of_them || (!result && may_be_none), "the picture is neither run's");
      return problems;
    }

    const ended_run& run = runs[0].result;
    const reference& alone = references_[plan.picture];
    if (run.says_done()) {
      expect((run.exited() && run.status() == alone.run.status()) || killed_outright(run),
             "it said done, with status " + std::to_string(run.wait_status));
      expect(alone.run.says_done() && content == alone.picture,
             "its picture is not the undisturbed run's");
      return problems;
    }
    expect(!run.exited() || run.status() != 0, "it ended with status 0 without done");
    if (!run.exited()) {
      // Killed outright: by SIGKILL, or by an interrupt before it held its
      // folder, when nothing was drawn.
      const bool interrupted =
          plan.how == disturbance::interrupt && WTERMSIG(run.wait_status) == plan.signal;
      expect(interrupted || (plan.how == disturbance::kill && killed_outright(run)),
             "it was ended by signal " + std::to_string(WTERMSIG(run.wait_status)));
      if (interrupted) expect(result == before, "an earlier picture was not left as it was");
      return problems;
    }
    if (!run.drew()) {
      expect(plan.cut_short && run.status() == 1, "it ended before drawing, though answered");
      expect(result == before, "an earlier picture was not left as it was");
      return problems;
    }
    expect(!result, "it left result.png without done");
    expect(is_own_reason(run.last_line()), "its last line is no reason of ours");
    if (plan.how == disturbance::interrupt && run.last_line().starts_with("Stopped")) {
      expect(run.status() == 128 + plan.signal,
             "stopped with status " + std::to_string(run.status()));
    }
    if (plan.how == disturbance::none) {
      expect(run.status() == alone.run.status() && run.last_line() == alone.run.last_line(),
             "it did not end as the undisturbed run");
    }
    return problems;
  }

  const uint64_t seed_;
  const int runs_;
  std::vector<reference> references_;
  std::mutex mutex_;
  std::vector<std::unique_ptr<scratch_dir>> folders_;
  std::vector<std::string> failures_;
};

uint64_t from_environment(const char* name, uint64_t otherwise) {
  const char* value = std::getenv(name);
  return value ? std::strtoull(value, nullptr, 10) : otherwise;
}

TEST(Soak, RandomRunsWithRandomDisturbancesKeepEveryRule) {
  const uint64_t seed = from_environment("GLYPHRIG_SOAK_SEED", std::random_device{}());
  const int runs = static_cast<int>(from_environment("GLYPHRIG_SOAK_RUNS", 240));
  const auto start = steady_clock::now();
  soak test(seed, runs);
  test.run();
  const auto took = std::chrono::duration_cast<milliseconds>(steady_clock::now() - start);
  std::printf("soak: %d runs, seed %llu, %.1f s\n", runs, static_cast<unsigned long long>(seed),
              static_cast<double>(took.count()) / 1000);
  for (const std::string& failure : test.failures()) ADD_FAILURE() << failure;
  EXPECT_TRUE(test.failures().empty())
      << test.failures().size() << " runs broke a rule; repeat with GLYPHRIG_SOAK_SEED=" << seed;
}

}  // namespace
}  // namespace glyphrig
