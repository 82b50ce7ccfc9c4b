#include "recording_host.h"

#include <cstdio>

#include "ui/terminal_host.h"

namespace ftcalc::cli {
namespace {

void SilentOpen(void*, const char*, int) {}
void SilentShow(void*, const char*, const char*, int, int) {}
int NeverCancelled(void*) { return 0; }
void SilentClose(void*) {}

}  // namespace

RecordingHost::RecordingHost(Options options) : options_(std::move(options)) {
  interface_.context = this;
  interface_.executable_path = ExecutablePath;
  interface_.show_db_error = RecordError;
  interface_.show_message = ShowMessage;
  if (options_.silent_progress) {
    interface_.progress_open = SilentOpen;
    interface_.progress_show = SilentShow;
    interface_.progress_cancelled = NeverCancelled;
    interface_.progress_close = SilentClose;
  } else {
    // The bar on stderr, also on Windows, where the engine's own default
    // is a window.
    FillTerminalDefaults(interface_);
  }
}

const char* RecordingHost::ExecutablePath(void* context) {
  const auto* host = static_cast<const RecordingHost*>(context);
  return host->options_.executable.empty() ? nullptr : host->options_.executable.c_str();
}

void RecordingHost::RecordError(void* context, const char* message, const char* detail) {
  auto* host = static_cast<RecordingHost*>(context);
  host->errors_.push_back({message ? message : "", detail ? detail : ""});
  if (host->options_.on_error) host->options_.on_error(host->errors_.back());
  if (host->options_.print_messages) {
    std::fprintf(stderr, "\n数据库错误: %s\n    %s\n", message ? message : "", detail ? detail : "");
  }
}

void RecordingHost::ShowMessage(void* context, const char* caption, const char* text) {
  const auto* host = static_cast<const RecordingHost*>(context);
  if (host->options_.print_messages) {
    std::fprintf(stderr, "%s: %s\n", caption ? caption : "", text ? text : "");
  }
}

}  // namespace ftcalc::cli
