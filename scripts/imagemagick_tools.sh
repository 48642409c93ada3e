#!/usr/bin/env bash
# Builds ImageMagick 6's convert and composite for the release archive of one
# system from Debian 12's own sources of ImageMagick, libpng and zlib, with
# Debian's patches and one of ours: Q16 without HDRI (as Debian's own build),
# no modules, no OpenMP, PNG and zlib only, with Debian's colors.xml,
# english.xml and policy.xml (on Linux coder.xml, log.xml and magic.xml too),
# and on Linux mimalloc, from Debian's source too, in place of musl's malloc.
# Copies the two programs, the licences they need and a README that names the
# source versions into OUT_DIR.
#   scripts/imagemagick_tools.sh TARGET OUT_DIR
# TARGET is one of:
#   windows  convert.exe and composite.exe for 64-bit Windows, by Debian's
#            mingw-w64: static, the three files inside each program as
#            resources;
#   linux    convert and composite for any x86-64 Linux, by Debian's
#            musl-gcc: static, with the musl C library linked in, so that
#            they need no dynamic loader and no C library of the system; the
#            three files beside them in OUT_DIR, where the programs look for
#            them as imagemagick/ of the working directory (Glyphrig starts
#            them in its folder).
#   linux-aarch64
#            the same for any aarch64 (arm64) Linux, by Debian's
#            aarch64-linux-gnu-gcc, static with glibc (libc6-dev-arm64-cross)
#            linked in.
# OUT_DIR gets the programs, README.txt (from imagemagick_tools.README-windows.txt
# or -linux.txt) and licenses/.
#   scripts/imagemagick_tools.sh sources
# only fetches the sources of every target into the cache, at the caller's
# priority, so that a build started later at a low one finds them there.
#
# The sources (with their sha256) and the built programs are kept in
# $GLYPHRIG_CACHE (default: ${XDG_CACHE_HOME:-~/.cache}/glyphrig), outside the
# clone, so that a machine builds them once per source version and per version
# of this script and its patch. The first run fetches the newest source
# version that Debian's mirror still serves (fetching needs root, for the
# deb-src entries); later runs take the newest one in the cache, and
# GLYPHRIG_IMAGEMAGICK_REFRESH=1 looks for newer ones again.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"
usage="usage: scripts/imagemagick_tools.sh windows|linux|linux-aarch64 OUT_DIR, or sources"
[ $# -eq 2 ] || [ "$*" = sources ] || die "$usage"
patch_file=$here/imagemagick_tools.patch
target=$1
[ "$target" = sources ] || out=$(mkdir -p "$2" && cd "$2" && pwd)
cache=$glyphrig_cache
packages=(imagemagick libpng1.6 zlib)
glyphrig_me="imagemagick_tools $target"

# What differs between the systems: the compilers, the programs' suffix and
# where the configuration files go.
case $target in
windows)
  host=x86_64-w64-mingw32
  exe=.exe
  configure_host=("--host=$host")
  # zlib's configure takes the cross compiler from CHOST.
  export CHOST=$host CC=$host-gcc-posix AR=$host-ar RANLIB=$host-ranlib RC=$host-windres
  # studio.h takes in all of windows.h, through winsock2.h, before
  # nt-base.h asks for its lean part: parsing it was half of each file's
  # compile. Lean from the start, the build made the same programs, byte for
  # byte, with 29% less CPU time.
  arch_cflags=-DWIN32_LEAN_AND_MEAN=
  strip=$host-strip
  ;;
linux)
  exe=
  configure_host=()
  # musl-gcc compiles against musl's headers and links musl alone.
  export CC=musl-gcc AR=ar RANLIB=ranlib
  strip="strip"
  ;;
linux-aarch64)
  # glibc, whose static libraries Debian's cross toolchain brings, rather
  # than musl, which for arm64 only comes as a multiarch package of a
  # foreign architecture. The tools ask for no user names or plug-ins, the
  # parts of a static glibc that would look for the system's libraries.
  host=aarch64-linux-gnu
  exe=
  configure_host=("--host=$host")
  export CHOST=$host CC=$host-gcc AR=$host-ar RANLIB=$host-ranlib
  strip=$host-strip
  # a*b+c is rounded twice, as on x86-64, not once by a fused
  # multiply-add, so that both draw the same pixels.
  arch_cflags=-ffp-contract=off
  ;;
sources) ;;
*) die "the target is windows, linux or linux-aarch64, not '$target'" ;;
esac

# --- The allocator -----------------------------------------------------------

# musl's malloc gives each freed picture's memory back to the system, and
# ImageMagick's next picture faults it in anew: linked with it, the tools took
# twice the page faults of Debian's own and up to 1.2 times their time.
# mimalloc keeps freed memory for the next allocation. It is one C file that
# any gcc of a static Linux target compiles (build_allocator), and it is linked
# as an object, so that its malloc, free and the rest are found before the C
# library's; musl's own internal __libc_malloc callers keep musl's allocator,
# and free what they took with it. jemalloc, measured beside it, was as fast
# within the noise, and takes minutes to build.
case $target in
linux | linux-aarch64 | sources) allocator=mimalloc ;;
*) allocator= ;;
esac
[ -z "$allocator" ] || packages+=("$allocator")

# build_allocator OBJECT: the allocator for $CC, as one object file.
build_allocator() {
  # MI_MALLOC_OVERRIDE: it defines malloc and the rest, not only mi_malloc;
  # NDEBUG: without the checks of every call that its debug build makes. The
  # thread-local model is that of a program, as the tools are linked static.
  "$CC" -O2 -ffile-prefix-map="$work=/build" -DNDEBUG -DMI_MALLOC_OVERRIDE \
    -ftls-model=initial-exec -fno-builtin-malloc -I"${tree[$allocator]}/include" \
    -c "${tree[$allocator]}/src/static.c" -o "$1"
}

mkdir -p "$cache/sources"
# One build at a time per cache: a second caller waits and then finds the result.
if [ "$target" != sources ]; then
  exec 9>"$cache/imagemagick-$target.lock"
  flock 9
fi

# --- Sources ---------------------------------------------------------------


# The deb-src entries, derived from the machine's own Debian sources so that
# the same mirror (or snapshot) serves the sources as serves the packages, in a
# file of their own; then the source lists of those entries alone are fetched.
deb_src=/etc/apt/sources.list.d/glyphrig-deb-src.sources
update_source_lists() {
  [ "$(id -u)" -eq 0 ] || die "no cached sources in $cache/sources and not root: run" \
    "once as root (it adds $deb_src and fetches the sources), or copy a cache here"
  if [ ! -f "$deb_src" ]; then
    local debian=/etc/apt/sources.list.d/debian.sources
    [ -f "$debian" ] || die "$debian (Debian's own sources, deb822) is missing"
    sed 's/^Types:.*/Types: deb-src/' "$debian" >"$deb_src"
  fi
  local try
  for try in $(seq 60); do # another apt may hold the lists' lock for a while
    apt-get update -qq -o Dir::Etc::sourcelist="$deb_src" -o Dir::Etc::sourceparts=- \
      -o APT::Get::List-Cleanup=0 && return 0
    say "apt-get update failed (attempt $try); waiting for apt's lock"
    sleep 10
  done
  die "cannot fetch the source lists of $deb_src"
}

# fetch PACKAGE: the newest version of PACKAGE's source that the mirror
# actually serves (a security suite may list versions whose files it does not
# serve), into the cache with its sha256. Prints the version.
fetch() {
  local package=$1 listed version tmp
  for listed in $(apt-cache showsrc "$package" | sed -n 's/^Version: //p' | sort -rVu); do
    version=${listed#*:} # the epoch is not part of the file names
    if cached_versions "$cache/sources/$package" | grep -qxF "$version"; then
      echo "$version"
      return 0
    fi
    tmp=$(mktemp -d "$cache/sources/.fetch.XXXXXX")
    if (cd "$tmp" && apt-get source -qq --download-only "$package=$listed" >/dev/null 2>&1); then
      keep_fetched "$tmp" "$cache/sources/$package" "$version"
      say "fetched $package $version"
      echo "$version"
      return 0
    fi
    rm -rf "$tmp"
    say "$package $version is listed but not served; trying an older one"
  done
  return 1
}

declare -A version
lists_updated=
# The sources serve every target, and ./test builds two at once: one fetch at a time.
exec 8>"$cache/sources.lock"
flock 8
for package in "${packages[@]}"; do
  version[$package]=$(cached_versions "$cache/sources/$package" | head -n 1)
  if [ -z "${version[$package]}" ] || [ -n "${GLYPHRIG_IMAGEMAGICK_REFRESH:-}" ]; then
    [ -n "$lists_updated" ] || update_source_lists
    lists_updated=1
    version[$package]=$(fetch "$package") || die "no source of $package can be fetched"
  fi
done
flock -u 8
[ "$target" != sources ] || exit 0

# --- The build, once per source versions and script --------------------------

# The key: the sources' versions, the target, the patch, and this script
# without its comments, so that editing a comment rebuilds nothing.
key=$(
  for package in "${packages[@]}"; do echo "$package ${version[$package]}"; done
  echo "$target"
  sed -E '/^[[:space:]]*#/d; s/[[:space:]]+# .*$//' "$0"
  cat "$patch_file"
)
key=$(sha256sum <<<"$key" | cut -c1-16)
built=$cache/imagemagick-$target/${version[imagemagick]}-$key

if [ ! -f "$built/done" ]; then
  say "building ImageMagick ${version[imagemagick]} (a few minutes)"
  started=$(date +%s)
  work=$(mktemp -d "${TMPDIR:-/tmp}/glyphrig-imagemagick.XXXXXX")
  prefix=$work/prefix
  declare -A tree
  for package in "${packages[@]}"; do
    dsc=$(echo "$cache/sources/$package/${version[$package]}"/*.dsc)
    (cd "$work" && dpkg-source --no-check -x "$dsc" "$package" >/dev/null)
    tree[$package]=$work/$package
  done
  # Windows-only code that Debian never compiles; after Debian's own patches,
  # on every system, so that all build the same sources.
  patch -s -d "${tree[imagemagick]}" -p1 <"$patch_file"

  # The date of Debian's last change, so that the same sources give the same files.
  SOURCE_DATE_EPOCH=$(dpkg-parsechangelog -l "${tree[imagemagick]}/debian/changelog" -STimestamp)
  export SOURCE_DATE_EPOCH
  export CFLAGS="-O2 -ffile-prefix-map=$work=/build${arch_cflags:+ $arch_cflags}"
  export CPPFLAGS="-I$prefix/include" LDFLAGS="-L$prefix/lib"
  export PKG_CONFIG=pkg-config PKG_CONFIG_LIBDIR=$prefix/lib/pkgconfig PKG_CONFIG_PATH=
  jobs=$(nproc)

  # libtool looks for file(1) as if it were one of the cross tools.
  export FILECMD=file
  # configure, and libtool at every compile, fork a shell's worth of helpers:
  # under dash and without the dependency files that a build used once never
  # reads, a build took a fifth less CPU time, and made the same bytes.
  export CONFIG_SHELL=/bin/dash

  # Without the configuration files every colour name fails with
  # UnableToOpenConfigureFile and no resource limit holds.
  config=${tree[imagemagick]}/config
  case $target in
  windows)
    # ImageMagick 6 on Windows falls back to resources of the program itself.
    printf '%s IMAGEMAGICK "%s"\n' colors.xml "$config/colors.xml" english.xml \
      "$config/english.xml" policy.xml "$config/policy.xml" >"$work/config.rc"
    $RC "$work/config.rc" -O coff -o "$work/config.o"
    # -lws2_32 only at link time: given to configure it makes
    # distribute-cache.c take the POSIX sockets, which mingw lacks. libtool
    # drops a bare -static; -all-static links everything in.
    tool_ldflags="-all-static -L$prefix/lib -Wl,--no-insert-timestamp"
    tool_libs="$work/config.o -lws2_32"
    ;;
  linux*)
    # The search path of the configuration files is a relative one, the
    # working directory's imagemagick/, instead of the prefix's etc/: the
    # programs then read the files beside them wherever the archive is
    # unpacked, and never those of an ImageMagick the system has. The
    # prefix is one that no system has. Everything is linked in, musl
    # too (unlike glibc, it needs no libraries of the system at run time,
    # for the user names of "~user" paths, say), so that the programs start
    # on any Linux, whatever its C library, or none.
    CFLAGS="$CFLAGS -DMAGICKCORE_CONFIGURE_PATH='\"imagemagick/\"'"
    tool_ldflags="-all-static -L$prefix/lib"
    tool_libs=
    ;;
  esac
  # The allocator's object before the libraries, ahead of the C library.
  [ -z "$allocator" ] || tool_libs="$prefix/lib/$allocator.o${tool_libs:+ $tool_libs}"

  # zlib and libpng into $prefix, then ImageMagick: its libraries, then the
  # two programs alone.
  (
    cd "${tree[zlib]}" &&
    ./configure --static --prefix="$prefix" &&
    make -j"$jobs" libz.a &&
    make install &&
    cd "${tree[libpng1.6]}" &&
    ./configure "${configure_host[@]}" --prefix="$prefix" --disable-shared --enable-static \
      --disable-dependency-tracking &&
    make -j"$jobs" &&
    make install &&
    { [ -z "$allocator" ] || build_allocator "$prefix/lib/$allocator.o"; } &&
    cd "${tree[imagemagick]}" &&
    ./configure "${configure_host[@]}" --prefix=/opt/glyphrig-imagemagick \
      --disable-shared --enable-static --disable-dependency-tracking \
      --without-modules --with-quantum-depth=16 \
      --disable-hdri --disable-openmp --disable-opencl --disable-docs \
      --without-gcc-arch --without-magick-plus-plus \
      --without-perl --without-x --with-png --with-zlib --without-autotrace --without-bzlib \
      --without-djvu --without-dps --without-fftw --without-flif --without-fontconfig \
      --without-fpx --without-freetype --without-gslib --without-gvc --without-heic \
      --without-jbig --without-jpeg --without-lcms --without-lqr --without-lzma \
      --without-openexr --without-openjp2 --without-pango --without-raqm --without-raw \
      --without-rsvg --without-tiff --without-webp --without-wmf --without-xml \
      --without-zstd &&
    make -j"$jobs" magick/libMagickCore-6.Q16.la wand/libMagickWand-6.Q16.la &&
    make -j"$jobs" LDFLAGS="$tool_ldflags" LIBS="$tool_libs" \
      "utilities/convert$exe" "utilities/composite$exe"
  ) >"$work/build.log" 2>&1 || {
    tail -n 40 "$work/build.log" >&2
    die "the build failed; its files and build.log are in $work"
  }

  rm -rf "$built.tmp"
  mkdir -p "$built.tmp/licenses"
  for tool in convert composite; do
    $strip -o "$built.tmp/$tool$exe" "${tree[imagemagick]}/utilities/$tool$exe"
  done
  if [ "$target" != windows ]; then
    cp "$config"/{colors,english,policy}.xml "$built.tmp/"
  fi
  # coder.xml, log.xml and magic.xml change nothing that ImageMagick's
  # built-in defaults do not, but it looks for them at every start, and
  # Debian's own finds them in /etc: each one missing is a warning that
  # nobody sees, and the first warning reads and parses all of english.xml to
  # word it, more than half of a short call's instructions.
  [ "$target" = windows ] || cp "$config"/{coder,log,magic}.xml "$built.tmp/"
  licences=$built.tmp/licenses
  cp "${tree[imagemagick]}/LICENSE" "$licences/ImageMagick-LICENSE.txt"
  cp "${tree[imagemagick]}/NOTICE" "$licences/ImageMagick-NOTICE.txt"
  cp "${tree[imagemagick]}/debian/copyright" "$licences/imagemagick-copyright.txt"
  cp "${tree[libpng1.6]}/LICENSE" "$licences/libpng-LICENSE.txt"
  cp "${tree[libpng1.6]}/debian/copyright" "$licences/libpng1.6-copyright.txt"
  cp "${tree[zlib]}/LICENSE" "$licences/zlib-LICENSE.txt"
  cp "${tree[zlib]}/debian/copyright" "$licences/zlib-copyright.txt"
  if [ -n "$allocator" ]; then
    cp "${tree[$allocator]}/LICENSE" "$licences/$allocator-LICENSE.txt"
    cp "${tree[$allocator]}/debian/copyright" "$licences/$allocator-copyright.txt"
  fi
  case $target in
  windows) # winpthreads and the C runtime's start-up code are linked in.
    cp /usr/share/doc/mingw-w64-x86-64-dev/copyright "$licences/mingw-w64-copyright.txt" ;;
  linux) # the C library is linked in.
    cp /usr/share/doc/musl-dev/copyright "$licences/musl-copyright.txt" ;;
  linux-aarch64)
    cp /usr/share/doc/libc6-dev-arm64-cross/copyright "$licences/glibc-copyright.txt" ;;
  esac
  touch "$built.tmp/done"
  rm -rf "$built"
  mv "$built.tmp" "$built"
  rm -rf "$work"
  say "built in $(($(date +%s) - started)) s: $built"
fi

cp "$built/convert$exe" "$built/composite$exe" "$out/"
[ "$target" = windows ] || cp "$built"/*.xml "$out/"
line_end=
[ "$target" = windows ] && line_end='\r' # for Notepad
# One README for both Linux machines: what differs is filled in.
case $target in
linux) about=('gcc with the musl C library\n(musl-gcc)' x86-64 musl) ;;
linux-aarch64) about=('aarch64-linux-gnu-gcc with the GNU C\nlibrary' aarch64 glibc) ;;
*) about=() ;;
esac
sed -e "s/@IMAGEMAGICK@/${version[imagemagick]}/" -e "s/@LIBPNG@/${version[libpng1.6]}/" \
  -e "s/@ZLIB@/${version[zlib]}/" -e "s/@COMPILER@/${about[0]:-}/" \
  -e "s/@MACHINE@/${about[1]:-}/" -e "s/@LIBC@/${about[2]:-}/g" -e "s/\$/$line_end/" \
  "$here/imagemagick_tools.README-${target%-*}.txt" >"$out/README.txt"
[ -z "$allocator" ] || sed -i "s/@ALLOCATOR@/${version[$allocator]}/" "$out/README.txt"
rm -rf "$out/licenses"
cp -r "$built/licenses" "$out/"
