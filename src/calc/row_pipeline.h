// Reading a statement's rows on this thread while one other thread works on
// the rows read before them.
//
// `read` copies the current row into a record (on this thread, the only one
// that calls SQLite) and says whether to keep it (kKeep), leave the row out
// (kSkip) or give up (kDecline); the records go in chunks, in the statement's order, to
// `work`, which runs on one other thread, chunk after chunk and never two at
// once, while the next chunk is read. So `work` sees every record in order,
// as a loop over the rows would, and may keep state across chunks without
// locks; the caller reads that state only after PipelineRows returns. Where
// no thread can be had, this thread works each chunk itself.
#ifndef FTCALC_CALC_ROW_PIPELINE_H_
#define FTCALC_CALC_ROW_PIPELINE_H_

#include <cstddef>
#include <functional>
#include <future>
#include <system_error>
#include <thread>
#include <vector>

#include "data/row_reader.h"
#include "data/sqlite_handle.h"

namespace ftcalc {

enum class RowRead { kKeep, kSkip, kDecline };

// Steps `stmt` to its end. False as soon as `read` declines or `work`
// returns false (the rest is left unread) or the statement fails; `work`
// has finished with every chunk handed to it when this returns.
template <typename Record>
bool PipelineRows(Statement& stmt, size_t chunk_rows,
                  const std::function<RowRead(const RowReader&, Record*)>& read,
                  const std::function<bool(const std::vector<Record>&)>& work) {
  static const unsigned cores = std::thread::hardware_concurrency();  // asked once
  std::vector<Record> chunks[2];
  std::future<bool> working;
  auto finish = [&working]() { return !working.valid() || working.get(); };
  int current = 0;
  int rc = SQLITE_ROW;
  while (rc == SQLITE_ROW) {
    std::vector<Record>& chunk = chunks[current];
    chunk.resize(chunk_rows);
    size_t filled = 0;
    bool declined = false;
    while (filled < chunk_rows && (rc = stmt.Step()) == SQLITE_ROW) {
      const RowRead result = read(RowReader(stmt), &chunk[filled]);
      if (result == RowRead::kKeep) ++filled;
      if (result == RowRead::kDecline) {
        declined = true;
        break;
      }
    }
    chunk.resize(filled);
    if (!finish() || declined) return false;
    if (rc != SQLITE_ROW && rc != SQLITE_DONE) return false;
    if (chunk.empty()) break;
    bool handed = false;
    if (cores >= 2) {
      try {
        working = std::async(std::launch::async, [&work, &chunk] { return work(chunk); });
        handed = true;
      } catch (const std::system_error&) {
      }
    }
    if (!handed && !work(chunk)) return false;
    current = 1 - current;
  }
  return finish() && rc == SQLITE_DONE;
}

}  // namespace ftcalc

#endif  // FTCALC_CALC_ROW_PIPELINE_H_
