#!/usr/bin/env bash
# Builds Halvenor for Windows x64 on Debian 12 by cross-compiling with mingw-w64.
#
#   scripts/build-windows.sh [STAGE...]
#
# Stages, run in this order (all of them when none is named):
#   deps      Qt (qtbase), libzip and zlib from Debian's sources, cross-built once into a
#             cache outside the checkout, keyed by their versions. A later run finds the
#             cache's stamp and skips the stage.
#   halvenor  GoogleTest (Debian's source in /usr/src/googletest, cross-built once into the
#             cache), then halvenor.exe and the test programs in build-win/, and the
#             installed program's files laid out in build-win/dist/.
#   tests     The test programs under wine64 on the offscreen platform, then the real
#             program: a plan's word/document.xml and a batch's plans must be byte for byte
#             what the Linux build (build/halvenor, made by scripts/test.sh) writes.
#   installer build-win/halvenor-<version>-setup.exe, made by NSIS from
#             packaging/windows/halvenor.nsi, then installed, started and removed under wine.
#
#   scripts/build-windows.sh ci
# runs halvenor, tests and installer when the dependency cache is there; without it, says in
# one line that it skipped them and how to build the cache.
#
# Environment:
#   HALVENOR_WIN_CACHE   where the dependency cache lives (default ~/.cache/halvenor-windows)
#   HALVENOR_WIN_JOBS    parallel jobs for the builds (default: the number of cores)
#   HALVENOR_WIN_KEEP_WORK=1   keep the unpacked sources and build trees of the dependencies
#   HALVENOR_WIN_BUILD   Halvenor's Windows build folder (default build-win in the checkout)
#   HALVENOR_LINUX_BUILD the Linux build the tests compare with (default build)
#   WINEPREFIX           the wine prefix the tests run in (default build-win/wineprefix)
#
# Heavy steps run under `nice -n 19`.
set -euo pipefail

SOURCE_DIR="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
readonly SOURCE_DIR
readonly TOOLCHAIN_FILE="$SOURCE_DIR/cmake/mingw-w64-x86_64.cmake"
readonly TOOLCHAIN_NAME="${TOOLCHAIN_FILE##*/}"
readonly TRIPLET=x86_64-w64-mingw32

# The dependency versions Debian 12 (bookworm) carries; the cache is keyed by them.
readonly QT_VERSION=6.4.2
readonly LIBZIP_VERSION=1.7.3
readonly ZLIB_VERSION=1.2.13

readonly CACHE_ROOT="${HALVENOR_WIN_CACHE:-$HOME/.cache/halvenor-windows}"
readonly DEPS_KEY="qt-${QT_VERSION}_libzip-${LIBZIP_VERSION}_zlib-${ZLIB_VERSION}"
readonly DEPS_PREFIX="$CACHE_ROOT/$DEPS_KEY"
readonly DEPS_STAMP="$DEPS_PREFIX/.complete"
readonly DEPS_WORK="$CACHE_ROOT/work-$DEPS_KEY"
# The dependencies are built with a copy of the toolchain file kept in their prefix, so that
# Qt's installed CMake files, which name it, do not depend on this checkout.
readonly DEPS_TOOLCHAIN="$DEPS_PREFIX/share/halvenor/$TOOLCHAIN_NAME"
readonly JOBS="${HALVENOR_WIN_JOBS:-$(nproc)}"

# Debian packages the build machine needs, checked by the command or file each provides.
readonly NEEDED_PACKAGES=(
  "g++-mingw-w64-x86-64-posix:/usr/bin/$TRIPLET-g++-posix"
  "gcc-mingw-w64-x86-64-posix:/usr/bin/$TRIPLET-gcc-posix"
  "binutils-mingw-w64-x86-64:/usr/bin/$TRIPLET-windres"
  "mingw-w64-x86-64-dev:/usr/share/mingw-w64/include/windows.h"
  "dpkg-dev:/usr/bin/dpkg-source"
  "patch:/usr/bin/patch"
  "xz-utils:/usr/bin/xz"
  "cmake:/usr/bin/cmake"
  "ninja-build:/usr/bin/ninja"
  "make:/usr/bin/make"
  "pkg-config:/usr/bin/pkg-config"
  "qt6-base-dev:/usr/lib/x86_64-linux-gnu/cmake/Qt6/Qt6Config.cmake"
  "qt6-base-dev-tools:/usr/lib/qt6/libexec/moc"
  "nsis:/usr/bin/makensis"
  "wine64:/usr/lib/wine/wine64"
  "wine:/usr/bin/wine"
  "googletest:/usr/src/googletest/CMakeLists.txt"
  "fonts-ebgaramond:/usr/share/fonts/opentype/ebgaramond/EBGaramond12-Regular.otf"
  "fonts-crosextra-carlito:/usr/share/fonts/truetype/crosextra/Carlito-Regular.ttf"
  "fonts-liberation2:/usr/share/fonts/truetype/liberation2/LiberationSerif-Regular.ttf"
  "unzip:/usr/bin/unzip"
)

readonly BUILD_DIR="${HALVENOR_WIN_BUILD:-$SOURCE_DIR/build-win}"
readonly DIST_DIR="$BUILD_DIR/dist"
readonly LINUX_BUILD="${HALVENOR_LINUX_BUILD:-$SOURCE_DIR/build}"
readonly WINE=/usr/lib/wine/wine64

# GoogleTest for the test programs: Debian's source, built once with the same toolchain.
readonly GTEST_SOURCE=/usr/src/googletest
GTEST_PREFIX="$CACHE_ROOT/googletest-$(dpkg-query -W -f='${Version}' googletest 2>/dev/null || echo unknown)"
readonly GTEST_PREFIX

# The fonts shipped beside the program, and the licence each family comes with.
readonly SHIPPED_FONTS=(
  "/usr/share/fonts/opentype/ebgaramond/EBGaramond12-*.otf"
  "/usr/share/fonts/truetype/crosextra/Carlito-*.ttf"
  "/usr/share/fonts/truetype/liberation2/Liberation*.ttf"
)
readonly FONT_LICENCES=(
  "/usr/share/doc/fonts-ebgaramond/copyright:EBGaramond-LICENSE.txt"
  "/usr/share/doc/fonts-crosextra-carlito/copyright:Carlito-LICENSE.txt"
  "/usr/share/doc/fonts-liberation2/copyright:Liberation-LICENSE.txt"
)

log() { printf '==> %s\n' "$*" >&2; }
die() { printf 'build-windows: %s\n' "$*" >&2; exit 1; }
heavy() { nice -n 19 "$@"; }

as_root() {
  if [[ $EUID -eq 0 ]]; then
    "$@"
  elif command -v sudo >/dev/null; then
    sudo "$@"
  else
    die "needs root to run: $*"
  fi
}

install_build_packages() {
  local entry missing=()
  for entry in "${NEEDED_PACKAGES[@]}"; do
    [[ -e "${entry#*:}" ]] || missing+=("${entry%%:*}")
  done
  [[ ${#missing[@]} -eq 0 ]] && return
  log "installing ${missing[*]}"
  as_root apt-get update
  as_root env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y --no-install-recommends "${missing[@]}"
}

# The URL of the Debian archive this machine installs bookworm's main component from, read
# from its own apt sources (one-line .list files and deb822 .sources files).
debian_mirror() {
  local files=() f
  [[ -f /etc/apt/sources.list ]] && files+=(/etc/apt/sources.list)
  for f in /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources; do
    [[ -f "$f" ]] && files+=("$f")
  done
  [[ ${#files[@]} -gt 0 ]] || return 1
  awk '
    function has(list, word,   n, i, a) {
      n = split(list, a, /[ \t]+/)
      for (i = 1; i <= n; i++) if (a[i] == word) return 1
      return 0
    }
    function flush() {
      if (types != "" && enabled != "no" && (has(types, "deb") || has(types, "deb-src")) &&
          has(suites, "bookworm") && has(comps, "main") && uris != "") {
        split(uris, u, /[ \t]+/); print u[1]; found = 1; exit
      }
      types = uris = suites = comps = enabled = ""
    }
    FNR == 1 { flush() }
    FILENAME ~ /\.sources$/ {
      if ($0 ~ /^[ \t]*$/) { flush(); next }
      if ($0 ~ /^[ \t]*#/) next
      key = tolower($0); sub(/:.*/, "", key)
      value = $0; sub(/^[^:]*:[ \t]*/, "", value); sub(/[ \t]+$/, "", value)
      if (key == "types") types = value
      else if (key == "uris") uris = value
      else if (key == "suites") suites = value
      else if (key == "components") comps = value
      else if (key == "enabled") enabled = tolower(value)
      next
    }
    /^[ \t]*deb(-src)?[ \t]/ {
      line = $0; sub(/#.*/, "", line); gsub(/\[[^]]*\]/, "", line)
      n = split(line, w, /[ \t]+/)
      i = (w[1] == "") ? 2 : 1
      if (w[i + 2] == "bookworm") {
        for (j = i + 3; j <= n; j++) if (w[j] == "main") { print w[i + 1]; found = 1; exit }
      }
    }
    END { if (!found) flush() }
  ' "${files[@]}" | head -n 1
}

# Downloads the Debian source packages into $DEPS_WORK/src through a private apt
# configuration, leaving the system's package lists and caches alone.
fetch_sources() {
  local apt_dir="$DEPS_WORK/apt" mirror keyring=/usr/share/keyrings/debian-archive-keyring.gpg
  mirror="$(debian_mirror)" || true
  [[ -n "$mirror" ]] || die "no Debian bookworm main archive among this machine's apt sources"
  log "fetching sources from $mirror"
  mkdir -p "$apt_dir/sources.list.d" "$apt_dir/lists/partial" "$apt_dir/cache/archives/partial" \
           "$DEPS_WORK/src"
  local signed=""
  [[ -f "$keyring" ]] && signed="[signed-by=$keyring] "
  printf 'deb-src %s%s bookworm main\n' "$signed" "$mirror" \
    > "$apt_dir/sources.list.d/debian-bookworm-src.list"
  local apt_opts=(
    -o Dir::Etc::SourceList=/dev/null
    -o "Dir::Etc::SourceParts=$apt_dir/sources.list.d"
    -o "Dir::State::Lists=$apt_dir/lists"
    -o "Dir::Cache=$apt_dir/cache"
  )
  [[ $EUID -eq 0 ]] && apt_opts+=(-o APT::Sandbox::User=root)
  apt-get "${apt_opts[@]}" update
  (cd "$DEPS_WORK/src" && apt-get "${apt_opts[@]}" source --download-only qt6-base libzip zlib)
}

# Unpacks one downloaded source package (Debian's patches applied, as dpkg-source does) and
# prints the directory; checks the upstream version is the one the cache is keyed by.
unpack_source() {
  local package="$1" version="$2" dsc dir
  local dscs=("$DEPS_WORK/src/${package}_"*.dsc)
  dsc="${dscs[0]}"
  [[ -f "$dsc" ]] || die "no $package source package downloaded"
  local upstream="${dsc##*/"${package}"_}"
  upstream="${upstream%.dsc}"; upstream="${upstream#*:}"; upstream="${upstream%-*}"
  upstream="${upstream%%+*}"; upstream="${upstream%.dfsg*}"
  [[ "$upstream" == "$version" ]] ||
    die "$package is $upstream in the archive, the cache expects $version; update the versions"
  dir="$DEPS_WORK/src/$package-$version"
  if [[ ! -d "$dir" ]]; then
    rm -rf "$dir.unpacking"
    dpkg-source --no-check -x "$dsc" "$dir.unpacking" >&2
    mv "$dir.unpacking" "$dir"
  fi
  printf '%s\n' "$dir"
}

# Debian's zlib source leaves out win32/ (its Makefile.gcc and resource file), and neither
# zlib's configure nor its CMakeLists cross-build for MinGW without them, so the library's
# few files are compiled here directly, giving the usual Windows names: zlib1.dll with the
# import library libz.dll.a, and the static libz.a.
readonly ZLIB_SOURCES=(adler32 compress crc32 deflate gzclose gzlib gzread gzwrite infback
                       inffast inflate inftrees trees uncompr zutil)

build_zlib() {
  local src="$1" build="$DEPS_WORK/build-zlib" done="$DEPS_WORK/zlib.done" name objects=()
  [[ -f "$done" ]] && return
  log "building zlib $ZLIB_VERSION"
  rm -rf "$build"
  mkdir -p "$build" "$DEPS_PREFIX/bin" "$DEPS_PREFIX/include" "$DEPS_PREFIX/lib/pkgconfig"
  for name in "${ZLIB_SOURCES[@]}"; do
    heavy "$TRIPLET-gcc-posix" -O2 -Wall -I"$src" -c "$src/$name.c" -o "$build/$name.o"
    objects+=("$build/$name.o")
  done
  rm -f "$build/libz.a"
  "$TRIPLET-ar" rcs "$build/libz.a" "${objects[@]}"
  heavy "$TRIPLET-gcc-posix" -shared -s -o "$build/zlib1.dll" "${objects[@]}" \
    -Wl,--out-implib,"$build/libz.dll.a" -Wl,--enable-auto-image-base
  cp "$build/zlib1.dll" "$DEPS_PREFIX/bin/"
  cp "$build/libz.a" "$build/libz.dll.a" "$DEPS_PREFIX/lib/"
  cp "$src/zlib.h" "$src/zconf.h" "$DEPS_PREFIX/include/"
  # shellcheck disable=SC2016 # the ${...} are pkg-config's variables
  sed -e "s|@prefix@|$DEPS_PREFIX|" -e 's|@exec_prefix@|${prefix}|' \
      -e 's|@libdir@|${exec_prefix}/lib|' -e 's|@sharedlibdir@|${libdir}|' \
      -e 's|@includedir@|${prefix}/include|' -e "s|@VERSION@|$ZLIB_VERSION|" \
      "$src/zlib.pc.in" > "$DEPS_PREFIX/lib/pkgconfig/zlib.pc"
  touch "$done"
}

build_libzip() {
  local src="$1" build="$DEPS_WORK/build-libzip" done="$DEPS_WORK/libzip.done"
  [[ -f "$done" ]] && return
  log "building libzip $LIBZIP_VERSION"
  heavy cmake -G Ninja -S "$src" -B "$build" \
    -DCMAKE_TOOLCHAIN_FILE="$DEPS_TOOLCHAIN" -DHALVENOR_WIN_PREFIX="$DEPS_PREFIX" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$DEPS_PREFIX" \
    -DBUILD_SHARED_LIBS=ON \
    -DENABLE_COMMONCRYPTO=OFF -DENABLE_GNUTLS=OFF -DENABLE_MBEDTLS=OFF -DENABLE_OPENSSL=OFF \
    -DENABLE_WINDOWS_CRYPTO=OFF -DENABLE_BZIP2=OFF -DENABLE_LZMA=OFF \
    -DBUILD_TOOLS=OFF -DBUILD_REGRESS=OFF -DBUILD_EXAMPLES=OFF -DBUILD_DOC=OFF
  heavy cmake --build "$build" -j "$JOBS"
  heavy cmake --install "$build"
  touch "$done"
}

# The features of qtbase's configure that pick a library of the build machine over the
# copy in the source tree.
# (system-proxies is a network setting, not a library.)
qt_system_library_features() {
  grep -rhoE 'qt_feature\("system-[a-z0-9-]+"' "$1" --include=configure.cmake |
    sed -E 's/qt_feature\("([a-z0-9-]+)"/\1/' | grep -vx system-proxies |
    tr - _ | sed -E 's/.*/-DFEATURE_&=OFF/' | sort -u
}

build_qtbase() {
  local src="$1" build="$DEPS_WORK/build-qtbase" done="$DEPS_WORK/qtbase.done"
  [[ -f "$done" ]] && return
  log "building qtbase $QT_VERSION"
  local system_libs
  mapfile -t system_libs < <(qt_system_library_features "$src")
  [[ ${#system_libs[@]} -gt 0 ]] || die "found none of qtbase's system library features"
  # Host tools (moc, rcc, uic, ...) are the build machine's Qt of the same version.
  # tabletevent needs wintab.h, which Debian's source leaves out; without dynamicgl off the
  # Windows platform plugin would still want a dynamic GL context.
  heavy cmake -G Ninja -S "$src" -B "$build" \
    -DCMAKE_TOOLCHAIN_FILE="$DEPS_TOOLCHAIN" -DHALVENOR_WIN_PREFIX="$DEPS_PREFIX" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$DEPS_PREFIX" \
    -DQT_QMAKE_TARGET_MKSPEC=win32-g++ -DBUILD_SHARED_LIBS=ON \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF \
    -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_opengl=OFF -DFEATURE_dbus=OFF \
    -DFEATURE_concurrent=OFF -DFEATURE_vulkan=OFF -DFEATURE_zstd=OFF \
    -DFEATURE_testlib=ON \
    -DFEATURE_tabletevent=OFF -DFEATURE_dynamicgl=OFF \
    "${system_libs[@]}"
  heavy cmake --build "$build" -j "$JOBS"
  heavy cmake --install "$build"
  touch "$done"
}

# Fails unless the prefix holds what Halvenor's build and the installer take from it.
check_deps() {
  local f missing=()
  for f in bin/Qt6Core.dll bin/Qt6Gui.dll bin/Qt6Widgets.dll bin/Qt6PrintSupport.dll \
           bin/Qt6Xml.dll bin/Qt6Test.dll bin/zlib1.dll bin/libzip.dll \
           plugins/platforms/qwindows.dll plugins/platforms/qoffscreen.dll \
           plugins/platforms/qminimal.dll plugins/styles/qwindowsvistastyle.dll \
           lib/cmake/Qt6/Qt6Config.cmake lib/pkgconfig/libzip.pc lib/pkgconfig/zlib.pc; do
    [[ -e "$DEPS_PREFIX/$f" ]] || missing+=("$f")
  done
  [[ ${#missing[@]} -eq 0 ]] || die "the dependency build lacks: ${missing[*]}"
  grep -rqx '#define QT_FEATURE_directwrite 1' "$DEPS_PREFIX/include/QtGui" --include=qtgui-config_p.h \
    || die "Qt was built without DirectWrite"
  # Qt carries its own zlib, so only libzip uses the prefix's zlib1.dll.
  if "$TRIPLET-objdump" -p "$DEPS_PREFIX/bin/Qt6Core.dll" | grep -qi 'DLL Name: zlib1.dll'; then
    die "Qt was built with the prefix's zlib instead of its own"
  fi
}

require_deps() {
  [[ -f "$DEPS_STAMP" ]] || die "no dependency cache at $DEPS_PREFIX: run the deps stage first"
}

build_googletest() {
  [[ -f "$GTEST_PREFIX/.complete" ]] && return
  log "building GoogleTest from $GTEST_SOURCE"
  local build="$CACHE_ROOT/work-googletest"
  rm -rf "$build"
  heavy cmake -G Ninja -S "$GTEST_SOURCE" -B "$build" \
    -DCMAKE_TOOLCHAIN_FILE="$TOOLCHAIN_FILE" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$GTEST_PREFIX" -DBUILD_GMOCK=ON -DBUILD_SHARED_LIBS=OFF \
    -Dgtest_disable_pthreads=OFF >/dev/null
  heavy cmake --build "$build" -j "$JOBS"
  heavy cmake --install "$build" >/dev/null
  rm -rf "$build"
  touch "$GTEST_PREFIX/.complete"
}

# The program as the installer lays it out: the executable, the DLLs it loads (Qt, libzip,
# zlib, the MinGW runtime), Qt's plugins, the icon, and the fonts with their licences.
lay_out_program() {
  local runtime
  rm -rf "$DIST_DIR"
  mkdir -p "$DIST_DIR/platforms" "$DIST_DIR/styles" "$DIST_DIR/fonts"
  cp "$BUILD_DIR/halvenor.exe" "$SOURCE_DIR/resources/windows/halvenor.ico" "$DIST_DIR/"
  cp "$DEPS_PREFIX"/bin/{Qt6Core,Qt6Gui,Qt6Widgets,Qt6PrintSupport,libzip,zlib1}.dll "$DIST_DIR/"
  for runtime in libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll; do
    cp "$("$TRIPLET-g++-posix" -print-file-name="$runtime")" "$DIST_DIR/"
  done
  cp "$DEPS_PREFIX"/plugins/platforms/{qwindows,qoffscreen}.dll "$DIST_DIR/platforms/"
  cp "$DEPS_PREFIX/plugins/styles/qwindowsvistastyle.dll" "$DIST_DIR/styles/"
  local pattern entry
  for pattern in "${SHIPPED_FONTS[@]}"; do
    # shellcheck disable=SC2086 # the pattern is meant to expand
    cp $pattern "$DIST_DIR/fonts/"
  done
  for entry in "${FONT_LICENCES[@]}"; do cp "${entry%%:*}" "$DIST_DIR/fonts/${entry#*:}"; done
  # Every DLL the program and its plugins import must be one laid out here or one of
  # Windows' own.
  local dll missing=()
  while read -r dll; do
    [[ -e "$DIST_DIR/$dll" ]] || missing+=("$dll")
  done < <(find "$DIST_DIR" \( -name '*.exe' -o -name '*.dll' \) -exec "$TRIPLET-objdump" -p {} + |
           sed -n 's/^\s*DLL Name: //p' | sort -u |
           grep -E '^(Qt6|lib|zlib)' || true)
  [[ ${#missing[@]} -eq 0 ]] || die "the laid-out program lacks: ${missing[*]}"
}

stage_halvenor() {
  local started=$SECONDS
  require_deps
  install_build_packages
  build_googletest
  local launcher=()
  if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    export CCACHE_BASEDIR="$SOURCE_DIR" CCACHE_NOHASHDIR=1
  fi
  log "building halvenor.exe and its tests in $BUILD_DIR"
  heavy cmake -G Ninja -S "$SOURCE_DIR" -B "$BUILD_DIR" \
    -DCMAKE_TOOLCHAIN_FILE="$TOOLCHAIN_FILE" -DHALVENOR_WIN_PREFIX="$DEPS_PREFIX" \
    -DCMAKE_BUILD_TYPE=Release -DHALVENOR_BENCH=OFF -DHALVENOR_TESTS=ON \
    -DGTest_DIR="$GTEST_PREFIX/lib/cmake/GTest" "${launcher[@]}" >/dev/null
  heavy cmake --build "$BUILD_DIR" -j "$JOBS"
  lay_out_program
  log "halvenor: took $((SECONDS - started)) s"
}

# Runs a Windows program under wine64 with Qt on the offscreen platform. Wine hands Windows
# programs none of the Linux side's QT_* variables, so Qt's are given with a WINE prefix;
# the offscreen platform on Windows reads fonts from QT_QPA_FONTDIR only: the shipped ones.
under_wine() {
  env WINEDEBUG=-all WINEPREFIX="$WINEPREFIX" \
    WINEPATH="Z:$DIST_DIR;Z:$DEPS_PREFIX/bin" \
    WINEQT_QPA_PLATFORM="${WINEQT_QPA_PLATFORM:-offscreen}" \
    WINEQT_QPA_FONTDIR="Z:$DIST_DIR/fonts" WINEQT_PLUGIN_PATH="Z:$DEPS_PREFIX/plugins" \
    timeout "${WINE_TIMEOUT:-3600}" "$WINE" "$@"
}

prepare_wine() {
  export WINEPREFIX="${WINEPREFIX:-$BUILD_DIR/wineprefix}"
  if [[ ! -f "$WINEPREFIX/system.reg" ]]; then
    log "making the wine prefix $WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    WINEDEBUG=-all wineboot -i >/dev/null 2>&1 || die "wineboot -i failed in $WINEPREFIX"
  fi
}

# The tests that cannot run under wine, as GoogleTest filters, each with why; the rest must
# pass. (The source files tests/CMakeLists.txt leaves out of the Windows build are others.)
readonly TESTS_NOT_UNDER_WINE=(
  "WholePlan.PythonDocx*:WholePlan.LibreOffice*:WholePlan.SectionsBeginOnThePagesTheContentsName:WholePlan.TextAfterAListStandsAtTheMarginAndNestedItemsRightOfTheirParent:PlanInEngine.SavedFileOpensInPythonDocxWithTheParagraphsInOrder:FinishTest.WithoutTempThePrivateFolderHoldsTheDocument|check the plan with python-docx or LibreOffice, Linux programs, which cannot open the Windows paths a Windows program gives them"
  "SavedValuesTest.SavingKeepsTheFilesPrivateMode:FinishTest.SavesClosesAndDrawsThePagesIntoTheResult|read POSIX permission bits; on Windows a file takes its folder's access rules"
  "FinishTest.AnUnusableFolderIsReportedOnceAndNothingElseHappens|expect POSIX's wording of the reason (File name too long)"
  "FinishTest.APageImageThatCannotBeWrittenIsReportedOnce|set the variables temp and TEMP apart, which on Windows are one"
  "BatchWorkers.AWorkerThatCannotStartOrCrashesFailsItsRow|stand in for a crashing worker with a shell script, which Windows cannot start"
  "BusinessRecord.StoreFilesWrittenElsewhereReadPlainlyAndStartingChangesNothing:BusinessRecord.AFailedWriteWarnsOnceAndAWriteAfterRecoveryCountsAsSaved|read and block this user's INI file, which on Windows is the registry"
)

# The GoogleTest filter that leaves those out.
wine_test_filter() {
  local entry filter=""
  for entry in "${TESTS_NOT_UNDER_WINE[@]}"; do filter+="${filter:+:}${entry%%|*}"; done
  printf -- '-%s' "$filter"
}

list_tests_not_under_wine() {
  local entry
  log "left out under wine:"
  for entry in "${TESTS_NOT_UNDER_WINE[@]}"; do
    printf '    %s\n      because they %s\n' "${entry%%|*}" "${entry#*|}" | tr ':' ' ' >&2
  done
}

# The test programs, one by one; prints "name passed/failed count" lines and fails when one
# does.
run_test_programs() {
  local program name log status failed=0 total=0 skips=0
  list_tests_not_under_wine
  for program in "$BUILD_DIR"/tests/test_*.exe; do
    name="${program##*/}"; name="${name%.exe}"
    log="$BUILD_DIR/wine-$name.log"
    status=0
    (cd "$BUILD_DIR/tests" && under_wine "$program" --gtest_brief=1 \
      --gtest_filter="$(wine_test_filter)") \
      >"$log" 2>&1 || status=$?
    local passed skipped
    passed=$(sed -n 's/^\[  PASSED  \] \([0-9]*\) test.*/\1/p' "$log" | tail -n 1)
    skipped=$(sed -n 's/^\[  SKIPPED \] \([0-9]*\) test.*/\1/p' "$log" | tail -n 1)
    total=$((total + ${passed:-0}))
    skips=$((skips + ${skipped:-0}))
    if [[ $status -eq 0 ]]; then
      printf '%-16s passed %s, skipped %s\n' "$name" "${passed:-0}" "${skipped:-0}"
    else
      printf '%-16s FAILED (exit %s; %s passed; see %s)\n' "$name" "$status" "${passed:-0}" "$log"
      grep -E '^\[  FAILED  \]' "$log" | sort -u | head -n 20 >&2 || true
      failed=1
    fi
  done
  log "test programs under wine: $total tests passed, $skips skipped (see their logs for why)"
  return $failed
}

# The details of the README's example plan.
readonly PLAN_DETAILS=(--name "Acme Tools" --street1 "1 Main St" --street2 "Suite 2"
  --city-state "Springfield, IL" --zip 62701 --phone "555-0100" --fax "555-0101"
  --email "info@acme.test")

linux_halvenor() {
  [[ -x "$LINUX_BUILD/halvenor" ]] ||
    die "no Linux build at $LINUX_BUILD to compare with (scripts/test.sh or scripts/run.sh makes it)"
  QT_QPA_PLATFORM=offscreen "$LINUX_BUILD/halvenor" "$@"
}

same_document() {
  cmp -s <(unzip -p "$1" word/document.xml) <(unzip -p "$2" word/document.xml)
}

# One plan from the command line: its Word document is the Linux build's, byte for byte.
check_one_plan() {
  local work="$BUILD_DIR/wine-checks/plan"
  rm -rf "$work"; mkdir -p "$work/linux" "$work/windows"
  (cd "$work/linux" && linux_halvenor --output plan.doc "${PLAN_DETAILS[@]}" 2>/dev/null) ||
    die "the Linux build could not write the plan"
  (cd "$work/windows" &&
    under_wine "$DIST_DIR/halvenor.exe" --output plan.doc --pdf plan.pdf "${PLAN_DETAILS[@]}") ||
    die "check one plan: halvenor.exe failed"
  [[ "$(head -c 5 "$work/windows/plan.pdf")" == "%PDF-" ]] || die "check one plan: no PDF"
  same_document "$work/linux/plan.doc" "$work/windows/plan.doc" ||
    die "check one plan: word/document.xml differs from the Linux build's ($work)"
  log "check one plan: word/document.xml is the Linux build's:" \
    "$(unzip -p "$work/windows/plan.doc" word/document.xml | sha256sum | cut -c1-16)..."
}

# A batch with two workers: a plan per row, each the Linux build's for the same row.
check_batch() {
  local work="$BUILD_DIR/wine-checks/batch" name count=0
  rm -rf "$work"; mkdir -p "$work/linux" "$work/windows"
  printf '%s\r\n' 'Business Name,Street Address 1,City,Zip Code,Email' \
    'Acme Tools,1 Main St,"Springfield, IL",62701,info@acme.test' \
    'Café Ünal,Hauptstraße 5,Köln,50667,' 'Beta Works,,Boston MA,02110,' > "$work/rows.csv"
  (cd "$work" && linux_halvenor --batch rows.csv --output-dir linux --jobs 1 2>/dev/null) ||
    die "the Linux build could not write the batch"
  (cd "$work" && under_wine "$DIST_DIR/halvenor.exe" --batch rows.csv --output-dir windows \
    --pdf --jobs 2) || die "check batch: halvenor.exe failed"
  for name in "$work"/linux/*.doc; do
    name="${name##*/}"
    [[ -f "$work/windows/$name" && -f "$work/windows/${name%.doc}.pdf" ]] ||
      die "check batch: no $name (and its PDF) from halvenor.exe"
    same_document "$work/linux/$name" "$work/windows/$name" ||
      die "check batch: $name differs from the Linux build's"
    count=$((count + 1))
  done
  [[ $count -eq 3 ]] || die "check batch: $count plans instead of 3"
  log "check batch: 3 plans, each the Linux build's"
}

stage_tests() {
  local started=$SECONDS status=0
  require_deps
  [[ -x "$DIST_DIR/halvenor.exe" ]] || die "no Windows build in $BUILD_DIR: run the halvenor stage"
  prepare_wine
  run_test_programs || status=1
  check_one_plan
  check_batch
  log "tests: took $((SECONDS - started)) s"
  [[ $status -eq 0 ]] || die "some test programs failed under wine"
}

project_version() {
  sed -n 's/^project(Halvenor VERSION \([0-9.]*\).*/\1/p' "$SOURCE_DIR/CMakeLists.txt"
}

stage_installer() {
  local started=$SECONDS version setup
  [[ -x "$DIST_DIR/halvenor.exe" ]] || die "no Windows build in $BUILD_DIR: run the halvenor stage"
  version="$(project_version)"
  [[ -n "$version" ]] || die "no version in CMakeLists.txt"
  setup="$BUILD_DIR/halvenor-$version-setup.exe"
  log "making $setup"
  makensis -V2 -DVERSION="$version" -DDIST="$DIST_DIR" -DOUTFILE="$setup" \
    "$SOURCE_DIR/packaging/windows/halvenor.nsi" >&2
  # Installed and removed again under wine, as a user without administrator rights would.
  prepare_wine
  local folder
  # Wine names the Windows user after the Linux one.
  folder="$WINEPREFIX/drive_c/users/$(id -un)/AppData/Local/Programs/Halvenor"
  under_wine "$setup" /S || die "the installer failed"
  [[ -f "$folder/halvenor.exe" && -f "$folder/platforms/qwindows.dll" &&
     -f "$folder/fonts/EBGaramond12-Regular.otf" ]] || die "the installer left no program in $folder"
  under_wine "$folder/halvenor.exe" --version >/dev/null || die "the installed program does not start"
  under_wine "$folder/uninstall.exe" /S _?="$(winepath_of "$folder")" || die "the uninstaller failed"
  [[ ! -e "$folder/halvenor.exe" ]] || die "the uninstaller left $folder/halvenor.exe"
  rm -rf "$folder"  # the uninstaller run with _? stays in the folder
  log "installer: $setup ($(du -h "$setup" | cut -f1)); installed, started and removed under wine"
  log "installer: took $((SECONDS - started)) s"
}

stage_ci() {
  if [[ ! -f "$DEPS_STAMP" ]]; then
    printf 'Windows part skipped: no dependency cache at %s; build it once with %s deps (about 92 minutes on two busy cores)\n' \
      "$DEPS_PREFIX" "scripts/build-windows.sh" >&2
    return
  fi
  local started=$SECONDS
  stage_halvenor
  stage_tests
  stage_installer
  log "Windows part: took $((SECONDS - started)) s"
}

winepath_of() { WINEDEBUG=-all WINEPREFIX="$WINEPREFIX" winepath -w "$1" 2>/dev/null; }

stage_deps() {
  local started=$SECONDS
  if [[ -f "$DEPS_STAMP" ]]; then
    log "dependencies: cached in $DEPS_PREFIX"
    log "dependencies: took $((SECONDS - started)) s"
    return
  fi
  install_build_packages
  mkdir -p "$DEPS_WORK" "${DEPS_TOOLCHAIN%/*}"
  cp "$TOOLCHAIN_FILE" "$DEPS_TOOLCHAIN"
  if [[ ! -f "$DEPS_WORK/sources.done" ]]; then
    fetch_sources
    touch "$DEPS_WORK/sources.done"
  fi
  local zlib_src libzip_src qt_src
  zlib_src="$(unpack_source zlib "$ZLIB_VERSION")"
  libzip_src="$(unpack_source libzip "$LIBZIP_VERSION")"
  qt_src="$(unpack_source qt6-base "$QT_VERSION")"

  build_zlib "$zlib_src"
  build_libzip "$libzip_src"
  build_qtbase "$qt_src"
  check_deps

  printf 'qtbase %s\nlibzip %s\nzlib %s\nbuilt %s\n' "$QT_VERSION" "$LIBZIP_VERSION" \
    "$ZLIB_VERSION" "$(date -u +%Y-%m-%dT%H:%M:%SZ)" > "$DEPS_STAMP"
  [[ "${HALVENOR_WIN_KEEP_WORK:-0}" == 1 ]] || rm -rf "$DEPS_WORK"
  log "dependencies: built into $DEPS_PREFIX"
  log "dependencies: took $((SECONDS - started)) s"
}

main() {
  local stages=("$@") stage
  [[ ${#stages[@]} -gt 0 ]] || stages=(deps halvenor tests installer)
  for stage in "${stages[@]}"; do
    case "$stage" in
      deps) stage_deps ;;
      halvenor) stage_halvenor ;;
      tests) stage_tests ;;
      installer) stage_installer ;;
      ci) stage_ci ;;
      *) die "unknown stage '$stage' (known: deps halvenor tests installer)" ;;
    esac
  done
}

# On one line with the exit, so that bash reads no more of this file once the stages run:
# editing the script during a long build cannot derail the build.
main "$@"; exit
