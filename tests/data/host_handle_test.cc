// What the host asks of a connection it holds: its transaction state, a
// lock told by its code, the libraries attached and detached; and the
// transaction watch that tells the host whether an engine call's work was
// kept.
#include "data/host_handle.h"

#include <gtest/gtest.h>

#include "data/host_connection.h"
#include "data/transaction_watch.h"
#include "support/test_project.h"

namespace ftcalc {
namespace {

using testing::TestProject;

TEST(HostHandleTest, TellsTheTransactionStateAndTheLastFailure) {
  TestProject project;
  sqlite3* db = project.db();
  EXPECT_FALSE(InTransaction(db));
  EXPECT_TRUE(IsIdle(db));
  ASSERT_TRUE(ExecOn(db, "begin"));
  EXPECT_TRUE(InTransaction(db));
  EXPECT_FALSE(IsIdle(db));
  ASSERT_TRUE(ExecOn(db, "commit"));
  EXPECT_FALSE(InTransaction(db));
  EXPECT_EQ(LastFailureMessage(db), "");

  DbError error;
  EXPECT_FALSE(ExecOn(db, "select * from no_such_table", &error));
  EXPECT_EQ(error.code, SQLITE_ERROR);
  EXPECT_FALSE(error.locked());
  EXPECT_EQ(error.message, "no such table: no_such_table");
  EXPECT_EQ(LastFailureMessage(db), "no such table: no_such_table");
  EXPECT_FALSE(ExecOn(nullptr, "select 1", &error));
  EXPECT_EQ(error.message, "no database connection");
}

TEST(HostHandleTest, AWriteLockHeldElsewhereIsToldByItsCode) {
  TestProject project;
  ASSERT_TRUE(ExecOn(project.db(), "begin immediate"));
  HostConnection other;
  DbError error;
  ASSERT_TRUE(other.Open(project.project_path(), HostConnection::Mode::kReadWrite, &error));
  other.SetBusyTimeout(0);
  EXPECT_FALSE(ExecOn(other.handle(), "begin immediate", &error));
  EXPECT_TRUE(error.locked());
  EXPECT_EQ(error.code, SQLITE_BUSY);
  ASSERT_TRUE(ExecOn(project.db(), "rollback"));
  EXPECT_TRUE(ExecOn(other.handle(), "begin immediate; rollback"));
}

TEST(HostHandleTest, ReadOnlyAndFileNamePerSchema) {
  TestProject project;
  HostConnection reader;
  DbError error;
  ASSERT_TRUE(reader.Open(project.project_path(), HostConnection::Mode::kReadOnly, &error));
  EXPECT_TRUE(IsReadOnly(reader.handle(), "main"));
  EXPECT_FALSE(IsReadOnly(project.db(), "main"));
  EXPECT_FALSE(IsReadOnly(project.db(), "no_such_schema"));
  const std::string file = FileNameOf(project.db(), "main");
  ASSERT_GE(file.size(), std::string("/project.db").size());
  EXPECT_EQ(file.substr(file.size() - 11), "/project.db");
  EXPECT_EQ(FileNameOf(project.db(), "no_such_schema"), "");
}

TEST(HostHandleTest, AttachesUnderAnyAliasAndDetachesAgain) {
  TestProject project;
  sqlite3* db = project.db();
  const std::string alias = "lib \"2\"";
  DbError error;
  ASSERT_TRUE(AttachOn(db, project.library_path(), alias, &error)) << error.message;
  EXPECT_TRUE(HasTableIn(db, alias, "参数"));
  EXPECT_FALSE(HasTableIn(db, alias, "no_such_table"));
  ASSERT_TRUE(DetachFrom(db, alias, &error));
  EXPECT_FALSE(HasTableIn(db, alias, "参数"));
  EXPECT_FALSE(DetachFrom(db, alias, &error));
  EXPECT_EQ(error.message, "no such database: " + alias);
}

class TransactionWatchTest : public ::testing::Test {
 protected:
  void SetUp() override { project_.Exec("create table w(x)"); }
  sqlite3* db() { return project_.db(); }
  TestProject project_;
};

TEST_F(TransactionWatchTest, ACommittedTransactionIsStored) {
  TransactionWatch watch(db());
  ASSERT_TRUE(ExecOn(db(), "begin; insert into w values(1); commit"));
  EXPECT_EQ(watch.outcome(), TransactionWatch::Outcome::kStored);
}

TEST_F(TransactionWatchTest, ATransactionLeftOpenIsACommitThatFailed) {
  TransactionWatch watch(db());
  ASSERT_TRUE(ExecOn(db(), "begin; insert into w values(1)"));
  EXPECT_EQ(watch.outcome(), TransactionWatch::Outcome::kCommitFailed);
  ASSERT_TRUE(ExecOn(db(), "rollback"));
}

TEST_F(TransactionWatchTest, ARollbackAndWhatCameAfterIt) {
  TransactionWatch watch(db());
  watch.NoteError("before");
  ASSERT_TRUE(ExecOn(db(), "begin; insert into w values(1); rollback"));
  EXPECT_EQ(watch.outcome(), TransactionWatch::Outcome::kRolledBack);
  // No error noted after the rollback: the last one before it undid the work.
  EXPECT_EQ(watch.cause(), "before");
  watch.NoteError("after");
  watch.NoteError("later");
  EXPECT_EQ(watch.cause(), "after");
  ASSERT_TRUE(ExecOn(db(), "begin; insert into w values(2); commit"));
  EXPECT_EQ(watch.outcome(), TransactionWatch::Outcome::kPartlyStored);
}

TEST_F(TransactionWatchTest, AFailedStatementOutsideATransactionIsNoRollback) {
  TransactionWatch watch(db());
  ASSERT_TRUE(ExecOn(db(), "create unique index wx on w(x); insert into w values(1)"));
  EXPECT_FALSE(ExecOn(db(), "insert into w values(1)"));
  EXPECT_EQ(watch.outcome(), TransactionWatch::Outcome::kStored);
}

TEST_F(TransactionWatchTest, LetsGoOfTheHooksWhenItGoes) {
  {
    TransactionWatch watch(db());
    ASSERT_TRUE(ExecOn(db(), "begin; insert into w values(9); rollback"));
  }
  // A second watch starts from nothing: the first one's rollback is not counted.
  TransactionWatch watch(db());
  ASSERT_TRUE(ExecOn(db(), "insert into w values(3)"));
  EXPECT_EQ(watch.outcome(), TransactionWatch::Outcome::kStored);
}

}  // namespace
}  // namespace ftcalc
