#!/usr/bin/env bash
# Builds a native ImageMagick 7 (Q16 HDRI, as distributions that ship 7 build
# it) from the upstream tarball of Debian 13's imagemagick source package, for
# the checks that run the Linux program against ImageMagick 7. Installs it as
# ImageMagick installs itself, magick with its legacy links convert,
# composite and the rest beside it, into a private prefix, and prints that
# prefix's bin folder.
#   scripts/imagemagick7_linux.sh    # prints .../bin
#
# The tarball (with its sha256) and the build are kept in $GLYPHRIG_CACHE
# (default: ${XDG_CACHE_HOME:-~/.cache}/glyphrig), outside the clone, once per
# version and per version of this script. The first run reads Debian 13's
# Sources index through source entries of its own, derived from the
# machine's Debian sources and kept in the cache, so that the machine's own
# package lists never see Debian 13. The mirror serves the upstream tarball
# but not always the .dsc and Debian's changes, so the tarball is fetched by
# its pool path; the newest version whose tarball is served is taken.
# GLYPHRIG_IMAGEMAGICK_REFRESH=1 looks for newer ones again.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
cache=$glyphrig_cache
suite=trixie
glyphrig_me=imagemagick7_linux

mkdir -p "$cache/sources/imagemagick7"
exec 9>"$cache/imagemagick7-linux.lock"
flock 9


# fetch: the newest upstream tarball of the suite that the mirror serves,
# into the cache. Prints its version.
fetch() {
  local apt_dir=$cache/apt-$suite debian=/etc/apt/sources.list.d/debian.sources
  [ -f "$debian" ] || die "$debian (Debian's own sources, deb822) is missing"
  mkdir -p "$apt_dir/lists/partial" "$apt_dir/cache/archives/partial"
  # The first stanza is the release itself; the others are its updates and security.
  awk 'BEGIN { RS = ""; ORS = "\n" } NR == 1' "$debian" |
    sed -e 's/^Types:.*/Types: deb-src/' -e "s/^Suites:.*/Suites: $suite/" >"$apt_dir/$suite.sources"
  local apt=(-o Dir::Etc::sourcelist="$apt_dir/$suite.sources" -o Dir::Etc::sourceparts=-
    -o Dir::State::Lists="$apt_dir/lists" -o Dir::Cache="$apt_dir/cache"
    -o Dir::State::status=/dev/null)
  apt-get update -qq "${apt[@]}" >&2 || die "cannot fetch the source lists of $apt_dir/$suite.sources"
  local mirror
  mirror=$(sed -n 's/^URIs: *\([^ ]*\).*/\1/p' "$apt_dir/$suite.sources" | head -n 1)
  local directory sum file version tmp
  # Each ImageMagick 7 of the index as: directory, sha256 and name of its tarball.
  while read -r directory sum file; do
    version=${file#imagemagick_}
    version=${version%.orig.tar.xz}
    if cached_versions "$cache/sources/imagemagick7" | grep -qxF "$version"; then
      echo "$version"
      return 0
    fi
    tmp=$(mktemp -d "$cache/sources/.fetch.XXXXXX")
    if /usr/lib/apt/apt-helper download-file "$mirror/$directory/$file" "$tmp/$file" \
      "SHA256:$sum" >/dev/null 2>&1; then
      keep_fetched "$tmp" "$cache/sources/imagemagick7" "$version"
      say "fetched $file"
      echo "$version"
      return 0
    fi
    rm -rf "$tmp"
    say "$file is listed but not served; trying an older one"
  done < <(apt-cache "${apt[@]}" showsrc imagemagick | awk '
      /^Directory: / { directory = $2 }
      /^Checksums-Sha256:/ { sums = 1; next }
      /^[^ ]/ || /^$/ { sums = 0 }
      sums && $3 ~ /^imagemagick_7\..*\.orig\.tar\.xz$/ { tarball = $1 " " $3 }
      /^$/ && tarball != "" { print directory, tarball; tarball = "" }
      END { if (tarball != "") print directory, tarball }' |
    sort -u | sort -k3,3rV)
  return 1
}

version=$(cached_versions "$cache/sources/imagemagick7" | head -n 1)
if [ -z "$version" ] || [ -n "${GLYPHRIG_IMAGEMAGICK_REFRESH:-}" ]; then
  version=$(fetch) || die "no ImageMagick 7 source of Debian's $suite can be fetched"
fi

key=$(sha256sum <<<"$version $(cat "$0")" | cut -c1-16)
built=$cache/imagemagick7-linux/$version-$key
if [ ! -f "$built/done" ]; then
  say "building ImageMagick $version (a few minutes)"
  started=$(date +%s)
  work=$(mktemp -d "${TMPDIR:-/tmp}/glyphrig-imagemagick7.XXXXXX")
  tar -xJf "$cache/sources/imagemagick7/$version"/*.orig.tar.xz -C "$work"
  source_dir=$(echo "$work"/*/)
  rm -rf "$built"
  # Static and without modules, and not bound to its prefix: it finds its
  # configuration files from where magick is, so the cache can move. dash and
  # no dependency files, as scripts/imagemagick_tools.sh says, for less CPU time.
  (
    cd "$source_dir" &&
    CONFIG_SHELL=/bin/dash ./configure --prefix="$built" --disable-installed --disable-shared \
      --enable-static --disable-dependency-tracking \
      --without-modules --disable-docs --without-perl --without-magick-plus-plus --without-x &&
    make -j"$(nproc)" &&
    make install
  ) >"$work/build.log" 2>&1 || {
    tail -n 40 "$work/build.log" >&2
    rm -rf "$built"
    die "the build failed; its files and build.log are in $work"
  }
  if [ ! -x "$built/bin/magick" ] || [ ! -L "$built/bin/convert" ]; then
    die "no magick with its legacy links in $built/bin"
  fi
  touch "$built/done"
  rm -rf "$work"
  say "built in $(($(date +%s) - started)) s: $built"
fi
echo "$built/bin"
