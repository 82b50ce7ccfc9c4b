"""Recalculate a cost-estimate project from Python's sqlite3 module.

The engine runs as a SQLite extension (ftcalc_ext.so) on the caller's own
connection to the project database: it attaches the library database under
its file's base name and the other-quota library as 其他, calculates, writes
every result into the project, detaches the libraries and returns the run's
summary::

    import sqlite3, ftcalc
    conn = sqlite3.connect("project.db")
    summary = ftcalc.calculate(conn, "RoadLib.db", "Other.db")
    print(summary["工程造价"], summary["error_count"])

The summary is a dict: 工程名称, milliseconds, error_count, errors (each with
message and statement), 定额行数, 工程造价, 单方造价, chapters and 工程取费.
Database errors met by the engine are listed in it; a call that cannot run
(a missing or non-database file, an open transaction) raises
sqlite3.OperationalError and changes nothing.

The extension is found through $FTCALC_EXTENSION, else beside this file.
Loading it needs a Python whose sqlite3 module can load extensions
(Debian's python3 can; some Pythons are built without it).
"""

import json
import os
import sqlite3

__all__ = ["calculate", "recalculate", "load", "extension_path"]

_EXTENSION_FILE = "ftcalc_ext.so"


def extension_path():
    """The extension file to load: $FTCALC_EXTENSION, else beside this module."""
    path = os.environ.get("FTCALC_EXTENSION")
    if path:
        if not os.path.isfile(path):
            raise FileNotFoundError(
                "FTCALC_EXTENSION names no file: %r" % path)
        return path
    here = os.path.dirname(os.path.realpath(__file__))
    path = os.path.join(here, _EXTENSION_FILE)
    if not os.path.isfile(path):
        raise FileNotFoundError(
            "the ftcalc SQLite extension was not found beside %s; set "
            "FTCALC_EXTENSION to the path of %s" % (here, _EXTENSION_FILE))
    return path


def _loaded(conn):
    try:
        row = conn.execute(
            "select count(*) from pragma_function_list "
            "where name='ftcalc_calculate'").fetchone()
        return row[0] > 0
    except sqlite3.Error:
        return False


def load(conn):
    """Loads the extension on `conn` (once per connection)."""
    if _loaded(conn):
        return
    if not hasattr(conn, "enable_load_extension"):
        raise RuntimeError(
            "this Python's sqlite3 module cannot load SQLite extensions "
            "(it was built without them); use a Python that can, such as "
            "Debian's /usr/bin/python3")
    path = extension_path()
    conn.enable_load_extension(True)
    try:
        conn.load_extension(path)
    finally:
        conn.enable_load_extension(False)


def _summary(conn, sql, arguments):
    if getattr(conn, "autocommit", None) is False:
        # Python 3.12's autocommit=False keeps a transaction open at all
        # times, inside which the calculation cannot run.
        raise sqlite3.ProgrammingError(
            "the connection keeps a transaction open (autocommit=False); the "
            "calculation commits its own work: open the connection with "
            "autocommit=True or the default")
    load(conn)
    return json.loads(conn.execute(sql, arguments).fetchone()[0])


def calculate(conn, library, other, exe_dir=None):
    """Full calculation of the project open on `conn`.

    library: the library database file; other: the other-quota library.
    exe_dir: the folder taken as the host's (User.INI and Tmp go there);
    None for the extension's own folder. Returns the run's summary.
    """
    return _summary(conn, "select ftcalc_calculate(?, ?, ?)",
                    (os.fspath(library), os.fspath(other),
                     None if exe_dir is None else os.fspath(exe_dir)))


def recalculate(conn, library, other, kind, item, exe_dir=None):
    """Partial recalculation of the row 编号 `item` of tree `kind` (1, the
    bill tree 分部分项) and its ancestors, committed as one transaction.
    Returns the run's summary.
    """
    return _summary(conn, "select ftcalc_recalculate(?, ?, ?, ?, ?)",
                    (os.fspath(library), os.fspath(other), kind, item,
                     None if exe_dir is None else os.fspath(exe_dir)))
