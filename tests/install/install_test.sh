#!/usr/bin/env bash
# The installed tree, as a user meets it: `cmake --install` into a staging
# prefix; the engine's SONAME and ftcalc --version; the installed ftcalc
# finding the installed engine; a small host built with find_package(ftcalc)
# and another with pkg-config, each calculating the sample exactly as the
# installed ftcalc does; Python importing the module from its folder; and
# the Debian package made by cpack.
#   install_test.sh BUILD_DIR SOURCE_DIR VERSION LIBDIR PYTHONDIR
set -euo pipefail
build=$1 src=$2 version=$3 libdir=$4 pythondir=$5
tmp=$(mktemp -d /tmp/ftcalc-install-XXXXXX)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
stage=$tmp/stage

cmake --install "$build" --prefix "$stage" >/dev/null
major=${version%%.*}
for f in bin/ftcalc include/ftcalc/ftcalc.h "$libdir/libftcalc.so.$version" \
  "$libdir/libftcalc.so.$major" "$libdir/libftcalc.so" "$libdir/ftcalc/ftcalc_ext.so" \
  "$libdir/ftcalc/ftcalc.py" "$libdir/cmake/ftcalc/ftcalcConfig.cmake" \
  "$libdir/pkgconfig/ftcalc.pc" "$pythondir/ftcalc.py"; do
  [ -e "$stage/$f" ] || fail "not installed: $f"
done
readelf -d "$stage/$libdir/libftcalc.so.$version" | grep -q "SONAME.*\[libftcalc.so.$major\]" ||
  fail "libftcalc.so has no SONAME libftcalc.so.$major"
[ "$(env -u FTCALC_ENGINE "$stage/bin/ftcalc" --version)" = "ftcalc $version" ] ||
  fail "ftcalc --version does not print ftcalc $version"

"$src/examples/make-sample.sh" "$tmp" >/dev/null
libs=("$tmp/RoadLib.db" "$tmp/Other.db")
run_copy() {  # run_copy NAME: a copy of the sample in its own folder, same file name
  mkdir -p "$tmp/$1" && cp "$tmp/sample.db" "$tmp/$1/sample.db" && echo "$tmp/$1/sample.db"
}

# The reference: the installed ftcalc with the installed engine.
reference=$(run_copy reference)
(cd "$tmp" && env -u FTCALC_ENGINE "$stage/bin/ftcalc" calc "$reference" \
  --library "${libs[0]}" --other "${libs[1]}" --quiet >/dev/null) ||
  fail "the installed ftcalc did not calculate the sample"

# find_package(ftcalc) -> ftcalc::ftcalc.
cmake -S "$src/tests/install/consumer" -B "$tmp/consumer" -DCMAKE_PREFIX_PATH="$stage" \
  -DCMAKE_BUILD_TYPE=Release >/dev/null || fail "find_package(ftcalc) failed"
cmake --build "$tmp/consumer" >/dev/null || fail "the consumer did not build"
project=$(run_copy cmake_host)
"$tmp/consumer/consumer" "$project" "${libs[@]}" || fail "the consumer failed"
"$src/bench/dbdiff" "$reference" "$project" >/dev/null || fail "the consumer's results differ"

# pkg-config --cflags --libs ftcalc.
flags=$(PKG_CONFIG_PATH="$stage/$libdir/pkgconfig" pkg-config --cflags --libs ftcalc) ||
  fail "pkg-config does not know ftcalc"
# shellcheck disable=SC2086
cc -o "$tmp/pc_host" "$src/tests/install/consumer/consumer.c" $flags -lsqlite3 \
  -Wl,-rpath,"$stage/$libdir" || fail "no build with pkg-config's flags: $flags"
project=$(run_copy pkg_config_host)
"$tmp/pc_host" "$project" "${libs[@]}" || fail "the pkg-config host failed"
"$src/bench/dbdiff" "$reference" "$project" >/dev/null || fail "the pkg-config host's results differ"

# Python finds the module in its folder, and the module the extension beside it.
project=$(run_copy python_host)
env -u FTCALC_EXTENSION PYTHONPATH="$stage/$pythondir" /usr/bin/python3 - "$project" "${libs[@]}" \
  "$stage/$libdir/ftcalc/ftcalc_ext.so" <<'EOF' || fail "the installed Python module failed"
import os, sqlite3, sys, ftcalc
project, library, other, extension = sys.argv[1:]
assert ftcalc.extension_path() == extension, ftcalc.extension_path()
summary = ftcalc.calculate(sqlite3.connect(project), library, other, os.path.dirname(project))
assert summary["error_count"] == 0, summary["errors"]
EOF
"$src/bench/dbdiff" "$reference" "$project" >/dev/null || fail "the Python module's results differ"

# The Debian package holds the same tree under /usr.
(cd "$build" && cpack -G DEB -B "$tmp/package" >/dev/null) || fail "cpack -G DEB failed"
deb=$(ls "$tmp"/package/ftcalc_"$version"_*.deb) || fail "no .deb written"
contents=$(dpkg-deb -c "$deb")
for f in usr/bin/ftcalc "usr/$libdir/libftcalc.so.$version" "usr/$libdir/ftcalc/ftcalc_ext.so" \
  usr/include/ftcalc/ftcalc.h "usr/$pythondir/ftcalc.py"; do
  [[ "$contents" == *"./$f"* ]] || fail "the package lacks /$f"
done
[[ "$(dpkg-deb -f "$deb" Depends)" == *libsqlite3-0* ]] || fail "the package does not depend on libsqlite3-0"
echo "installed tree, find_package and pkg-config hosts, Python module and Debian package: all good"
