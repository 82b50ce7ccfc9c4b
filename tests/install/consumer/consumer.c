/* consumer PROJECT.db RoadLib.db Other.db: the full calculation, as a host. */
#include <ftcalc/ftcalc.h>
#include <sqlite3.h>
int main(int argc, char** argv) {
  sqlite3* db;
  if (argc != 4 || sqlite3_open_v2(argv[1], &db, SQLITE_OPEN_READWRITE, 0) != SQLITE_OK) return 2;
  char* sql = sqlite3_mprintf("attach %Q as RoadLib; attach %Q as 其他", argv[2], argv[3]);
  int rc = sqlite3_exec(db, sql, 0, 0, 0);
  sqlite3_free(sql);
  if (rc == SQLITE_OK) QwD_GcJsDw(0, db, 0, argv[1], argv[2], 0);
  return sqlite3_close(db) == SQLITE_OK && rc == SQLITE_OK ? 0 : 1;
}
