"""The SQLite extension driven from Python's sqlite3 module (python/ftcalc.py).

Each calculation is checked against the ftcalc host on a copy of the same
files: bench/dbdiff must find every value and storage class equal.
Environment (set by CTest): FTCALC_EXTENSION, FTCALC_CLI, FTCALC_SOURCE_DIR.
"""

import hashlib
import json
import os
import shutil
import sqlite3
import subprocess
import sys
import tempfile
import threading
import unittest

SOURCE_DIR = os.environ["FTCALC_SOURCE_DIR"]
CLI = os.environ["FTCALC_CLI"]
sys.path.insert(0, os.path.join(SOURCE_DIR, "python"))
import ftcalc  # noqa: E402


def attached(conn):
    """The schemas attached to `conn`."""
    return [row[1] for row in conn.execute("pragma database_list")
            if row[1] not in ("main", "temp")]


def make_sample(prefix):
    """A new folder holding sample.db, RoadLib.db and Other.db."""
    folder = tempfile.mkdtemp(prefix=prefix)
    subprocess.run([os.path.join(SOURCE_DIR, "examples", "make-sample.sh"), folder],
                   check=True, stdout=subprocess.DEVNULL)
    return folder


def digest(path):
    with open(path, "rb") as f:
        return hashlib.sha256(f.read()).hexdigest()


class ExtensionTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.sample = make_sample("ftcalc-ext-sample-")

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.sample)

    def setUp(self):
        self.dir = tempfile.mkdtemp(prefix="ftcalc-ext-")
        self.library = self.copy("RoadLib.db")
        self.other = self.copy("Other.db")
        self.exe_dir = os.path.join(self.dir, "host")
        os.mkdir(self.exe_dir)

    def tearDown(self):
        shutil.rmtree(self.dir)

    def copy(self, name, folder=""):
        """A fresh copy of a sample file; the project keeps its name (the
        engine writes the file's base name into 工程号)."""
        target = os.path.join(self.dir, folder)
        os.makedirs(target, exist_ok=True)
        source = "sample.db" if name == "project" else name
        return shutil.copy(os.path.join(self.sample, source), target)

    def host(self, *args):
        """Runs the ftcalc host; returns its parsed --json summary."""
        out = subprocess.run([CLI, *args, "--library", self.library, "--other", self.other,
                              "--exe-dir", self.exe_dir, "--quiet", "--json"],
                             capture_output=True, text=True)
        self.assertIn(out.returncode, (0, 1), out.stderr)
        return json.loads(out.stdout)

    def assertSameDatabase(self, a, b):
        out = subprocess.run([os.path.join(SOURCE_DIR, "bench", "dbdiff"), a, b],
                             capture_output=True, text=True)
        self.assertEqual(out.returncode, 0, out.stdout + out.stderr)
        self.assertTrue(out.stdout.startswith("equal: "), out.stdout)

    def assertSameSummary(self, ours, hosts):
        for summary in (ours, hosts):
            self.assertIsInstance(summary.pop("milliseconds"), float)
        self.assertEqual(ours, hosts)

    def connect(self, path):
        conn = sqlite3.connect(path)
        self.addCleanup(conn.close)
        return conn

    def test_full_calculation_equals_the_host(self):
        by_host, by_python = self.copy("project", "host_run"), self.copy("project", "python_run")
        hosts = self.host("calc", by_host)
        ours = ftcalc.calculate(self.connect(by_python), self.library, self.other, self.exe_dir)
        self.assertEqual(ours["error_count"], 0, ours["errors"])
        self.assertEqual(ours["定额行数"], 45)
        self.assertSameSummary(ours, hosts)
        self.assertSameDatabase(by_host, by_python)

    def test_partial_recalculation_after_an_edit_equals_the_host(self):
        by_host, by_python = self.copy("project", "host_run"), self.copy("project", "python_run")
        self.host("calc", by_host)
        conn = self.connect(by_python)
        ftcalc.calculate(conn, self.library, self.other, self.exe_dir)
        # Quota 67 costs 1146695.96 a unit; its quantity goes from 4.68 to 5.
        edit = "update 分部分项 set 工程量=5 where 编号=67"
        with sqlite3.connect(by_host) as c:
            c.execute(edit)
        conn.execute(edit)
        conn.commit()
        hosts = self.host("recalc", by_host, "--kind", "1", "--item", "67")
        ours = ftcalc.recalculate(conn, self.library, self.other, 1, 67, self.exe_dir)
        self.assertSameSummary(ours, hosts)
        (total,) = conn.execute("select 综合合价 from 分部分项 where 编号=67").fetchone()
        self.assertEqual(total, 5733479.8)
        self.assertSameDatabase(by_host, by_python)

    def test_database_errors_are_listed_not_raised(self):
        project = self.copy("project")
        conn = self.connect(project)
        conn.execute("drop table 生成报表")
        summary = ftcalc.calculate(conn, self.library, self.other, self.exe_dir)
        self.assertGreater(summary["error_count"], 0)
        self.assertEqual(summary["errors"][0],
                         {"message": "no such table: 生成报表", "statement": "delete from 生成报表"})
        # The rest of the calculation went on and was committed.
        self.assertIsNotNone(summary["工程造价"])
        self.assertEqual(attached(conn), [])

    def test_work_that_could_not_be_committed_is_said_to_be_unsaved(self):
        # Another connection keeps reading the project, so the engine's
        # commit cannot take the file: the summary must not pass the
        # calculation off as stored, and the file keeps its old values.
        project = self.copy("project")
        before = digest(project)
        reader = self.connect(project)
        reader.isolation_level = None
        reader.execute("begin")
        reader.execute("select count(*) from 分部分项").fetchone()
        conn = sqlite3.connect(project, timeout=0.2)
        self.addCleanup(conn.close)
        summary = ftcalc.calculate(conn, self.library, self.other, self.exe_dir)
        self.assertFalse(summary["saved"])
        self.assertIn("database is locked", [e["message"] for e in summary["errors"]])
        reader.execute("rollback")
        conn.close()
        self.assertEqual(digest(project), before)

    def test_not_from_a_view_of_the_database(self):
        # A database someone else made must not run the calculation from a
        # view or trigger of its own: the functions are for direct calls.
        untrusted = os.path.join(self.dir, "untrusted.db")
        with sqlite3.connect(untrusted) as c:
            c.execute("create view v as select ftcalc_calculate('a', 'b') as x")
        conn = self.connect(untrusted)
        ftcalc.load(conn)
        with self.assertRaisesRegex(sqlite3.OperationalError, "unsafe use of ftcalc_calculate"):
            conn.execute("select x from v").fetchall()

    def test_two_threads_take_turns(self):
        # One engine per process: calls from two connections may not overlap.
        projects = [self.copy("project", name) for name in ("first", "second")]
        results = {}

        def run(path):
            conn = sqlite3.connect(path, check_same_thread=False)
            try:
                results[path] = ftcalc.calculate(conn, self.library, self.other, self.exe_dir)
            finally:
                conn.close()

        threads = [threading.Thread(target=run, args=(p,)) for p in projects]
        for t in threads:
            t.start()
        for t in threads:
            t.join()
        self.assertEqual([results[p]["error_count"] for p in projects], [0, 0])
        self.assertSameDatabase(*projects)


class RefusedCallTest(unittest.TestCase):
    """A call that cannot run raises a clear SQL error and changes nothing."""

    @classmethod
    def setUpClass(cls):
        cls.dir = make_sample("ftcalc-ext-refused-")
        cls.project = os.path.join(cls.dir, "sample.db")
        cls.library = os.path.join(cls.dir, "RoadLib.db")
        cls.other = os.path.join(cls.dir, "Other.db")
        cls.text_file = os.path.join(cls.dir, "notes.db")
        with open(cls.text_file, "w") as f:
            f.write("not a database, only text\n")
        cls.files = [cls.project, cls.library, cls.other, cls.text_file]
        cls.digests = [digest(p) for p in cls.files]

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.dir)

    def setUp(self):
        self.conn = sqlite3.connect(self.project)
        ftcalc.load(self.conn)

    def tearDown(self):
        self.conn.rollback()
        # Nothing stays attached, and no file was written.
        self.assertEqual(attached(self.conn), [])
        self.conn.close()
        self.assertEqual([digest(p) for p in self.files], self.digests)

    def assertRefused(self, sql, arguments, *message_parts):
        with self.assertRaises(sqlite3.OperationalError) as raised:
            self.conn.execute(sql, arguments).fetchall()
        for part in message_parts:
            self.assertIn(part, str(raised.exception))

    def test_missing_library(self):
        missing = os.path.join(self.dir, "nowhere", "RoadLib.db")
        self.assertRefused("select ftcalc_calculate(?, ?)", (missing, self.other),
                           "ftcalc_calculate: cannot open library database", missing,
                           "No such file or directory")

    def test_missing_other_library_after_a_good_library(self):
        self.assertRefused("select ftcalc_recalculate(?, ?, 1, 67)", (self.library, ""),
                           "ftcalc_recalculate: other-quota database: no file given")

    def test_file_that_is_no_database(self):
        self.assertRefused("select ftcalc_calculate(?, ?)", (self.text_file, self.other),
                           "not an SQLite database")

    def test_wrong_argument_count(self):
        self.assertRefused("select ftcalc_calculate(?)", (self.library,),
                           "wrong number of arguments to function ftcalc_calculate")
        self.assertRefused("select ftcalc_recalculate(?, ?, 1)", (self.library, self.other),
                           "wrong number of arguments to function ftcalc_recalculate")

    def test_wrong_argument_types(self):
        self.assertRefused("select ftcalc_calculate(?, ?)", (7, self.other),
                           "argument 1 (library_path) must be a file path as text, not an integer")
        self.assertRefused("select ftcalc_calculate(?, ?, ?)", (self.library, self.other, b"x"),
                           "argument 3 (exe_dir)", "not a blob")
        self.assertRefused("select ftcalc_recalculate(?, ?, ?, ?)",
                           (self.library, self.other, "1", 67),
                           "argument 3 (kind) must be a 32-bit integer, not a text")
        self.assertRefused("select ftcalc_recalculate(?, ?, ?, ?)",
                           (self.library, self.other, 1, 2**31), "argument 4 (item)")
        # Read up to the NUL, the path would name another file.
        self.assertRefused("select ftcalc_calculate(?, ?)", (self.library, self.other + "\0.bak"),
                           "argument 2 (other_path) must be a file path without NUL characters")

    def test_name_already_attached(self):
        # The library is attached first; when 其他 is taken, it is detached again.
        self.conn.execute("attach ':memory:' as 其他")
        self.assertRefused("select ftcalc_calculate(?, ?)", (self.library, self.other),
                           "cannot attach '%s' as 其他: database 其他 is already in use" % self.other)
        self.assertEqual(attached(self.conn), ["其他"])
        self.conn.execute("detach 其他")

    def test_inside_an_open_transaction(self):
        self.conn.execute("update 工程档案 set 内容=内容 where 0")  # Python begins a transaction
        self.assertTrue(self.conn.in_transaction)
        self.assertRefused("select ftcalc_calculate(?, ?)", (self.library, self.other),
                           "cannot run inside an open transaction")

    def test_inside_a_statement_that_reads_a_table(self):
        self.assertRefused("select ftcalc_calculate(?, ?) from 分部分项 limit 1",
                           (self.library, self.other), "cannot run inside an open transaction")

    def test_project_open_read_only(self):
        self.conn.close()
        self.conn = sqlite3.connect("file:%s?mode=ro" % self.project, uri=True)
        ftcalc.load(self.conn)
        self.assertRefused("select ftcalc_calculate(?, ?)", (self.library, self.other),
                           "the project database is open read-only")

class ModuleTest(unittest.TestCase):
    def test_named_extension_must_exist(self):
        saved = os.environ["FTCALC_EXTENSION"]
        os.environ["FTCALC_EXTENSION"] = "/nonexistent/ftcalc_ext.so"
        try:
            with self.assertRaisesRegex(FileNotFoundError, "FTCALC_EXTENSION"):
                ftcalc.extension_path()
        finally:
            os.environ["FTCALC_EXTENSION"] = saved

    def test_python_without_extension_loading_is_told_so(self):
        class NoLoading:  # what a sqlite3 module built without extensions offers
            def __init__(self):
                self.conn = sqlite3.connect(":memory:")

            def execute(self, *args):
                return self.conn.execute(*args)

        with self.assertRaisesRegex(RuntimeError, "cannot load SQLite extensions"):
            ftcalc.load(NoLoading())

    def test_connection_that_is_always_in_a_transaction_is_told_so(self):
        class AlwaysInTransaction:  # sqlite3.connect(..., autocommit=False) from Python 3.12
            autocommit = False

        with self.assertRaisesRegex(sqlite3.ProgrammingError, "autocommit=True"):
            ftcalc.calculate(AlwaysInTransaction(), "RoadLib.db", "Other.db")


if __name__ == "__main__":
    unittest.main()
