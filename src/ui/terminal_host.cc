#include "ui/terminal_host.h"

#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <string>

#include "ftcalc/ftcalc.h"

namespace ftcalc {
namespace {

volatile std::sig_atomic_t g_interrupted = 0;
bool g_drawing = false;
void (*g_previous_handler)(int) = SIG_DFL;

void OnInterrupt(int) { g_interrupted = 1; }

void NoMessages(void*) {}

void ProgressOpen(void*, const char*, int) {
  g_interrupted = 0;
  g_drawing = isatty(STDERR_FILENO) != 0;
  if (g_drawing) g_previous_handler = std::signal(SIGINT, OnInterrupt);
}

void ProgressShow(void*, const char* caption, const char* text, int parts, int total) {
  if (!g_drawing) return;
  int percent = total > 0 ? static_cast<int>(100.0 * parts / total + 0.5) : 0;
  if (percent < 0) percent = 0;
  if (percent > 100) percent = 100;
  const int width = 30;
  std::string bar(static_cast<size_t>(percent * width / 100), '#');
  bar.resize(width, '.');
  std::fprintf(stderr, "\r\033[K%s  %s [%s] %3d%%", caption ? caption : "", text ? text : "",
               bar.c_str(), percent);
  std::fflush(stderr);
}

int ProgressCancelled(void*) { return g_interrupted != 0; }

void ProgressClose(void*) {
  if (!g_drawing) return;
  std::fprintf(stderr, "\r\033[K");
  std::fflush(stderr);
  std::signal(SIGINT, g_previous_handler);
  g_drawing = false;
}

void PrintDbError(void*, const char* message, const char* detail) {
  std::fprintf(stderr, "%s数据库错误: %s\n    %s\n", g_drawing ? "\n" : "", message ? message : "",
               detail ? detail : "");
  std::fflush(stderr);
}

void PrintMessage(void*, const char* caption, const char* text) {
  std::fprintf(stderr, "%s: %s\n", caption ? caption : "", text ? text : "");
  std::fflush(stderr);
}

}  // namespace

void FillMissingMembers(FtHostInterface& host, const FtHostInterface& defaults) {
  if (!host.executable_path) host.executable_path = defaults.executable_path;
  if (!host.process_messages) host.process_messages = defaults.process_messages;
  if (!host.progress_open || !host.progress_show || !host.progress_cancelled ||
      !host.progress_close) {
    host.progress_open = defaults.progress_open;
    host.progress_show = defaults.progress_show;
    host.progress_cancelled = defaults.progress_cancelled;
    host.progress_close = defaults.progress_close;
  }
  if (!host.show_db_error) host.show_db_error = defaults.show_db_error;
  if (!host.show_message) host.show_message = defaults.show_message;
}

void FillTerminalDefaults(FtHostInterface& host) {
  FtHostInterface terminal{};
  terminal.process_messages = NoMessages;
  terminal.progress_open = ProgressOpen;
  terminal.progress_show = ProgressShow;
  terminal.progress_cancelled = ProgressCancelled;
  terminal.progress_close = ProgressClose;
  terminal.show_db_error = PrintDbError;
  terminal.show_message = PrintMessage;
  FillMissingMembers(host, terminal);
}

}  // namespace ftcalc
