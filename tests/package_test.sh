#!/usr/bin/env bash
# Makes every package of the build with CPack, in a scratch folder, unpacks
# each one with nothing but CMake, checks that it holds exactly the files it
# should, and runs the program in it on a real gorvi.in.
#
# Usage: package_test.sh CMAKE CPACK CPACK_CONFIG BUILD_CONFIG SOURCE_DIR VERSION [EMULATOR...]
#   BUILD_CONFIG   the configuration to package (Release, Debug, ...)
#   EMULATOR       what runs a Windows program here (the .zip's gorvi.exe)
set -u
cmake=$1 cpack=$2 config=$3 build_config=$4 source_dir=$5 version=$6
shift 6
emulator=("$@")

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
passed=0
failed=0

fail() {
  echo "FAIL $package: $*"
  package_failed=1
}

# Runs the unpacked program on the example input in a fresh folder and checks
# gorvi.out byte for byte, the empty console and the exit status.
check_answer() {
  local program=$1 eol=$2 run=$scratch/run-$package
  mkdir "$run"
  cp "$source_dir/examples/gorvi.in" "$run/"
  (cd "$run" && "${emulator[@]}" "$program" </dev/null >"$run.stdout" 2>"$run.stderr")
  local status=$?
  if ((status == 77)); then  # the emulator cannot run here, and said why
    cat "$run.stderr"
    exit 77
  fi
  ((status == 0)) || fail "exit status $status: $(head -c 300 "$run.stderr")"
  [[ ! -s $run.stdout && ! -s $run.stderr ]] || fail "console: $(head -c 300 "$run.stdout" "$run.stderr")"
  printf '4 10%s' "$eol" >"$run.want"
  cmp -s "$run/gorvi.out" "$run.want" || fail "gorvi.out is $(od -An -c "$run/gorvi.out")"
}

# Checks that the unpacked tree holds exactly the listed files.
check_files() {
  local tree=$1
  shift
  local have want
  have=$(cd "$tree" && find . -type f | sort)
  want=$(printf './%s\n' "$@" | sort)
  [[ $have == "$want" ]] || fail "holds $(echo $have), want $(echo $want)"
}

if ! "$cpack" --config "$config" -C "$build_config" -B "$scratch/packages" >"$scratch/cpack.log" 2>&1; then
  cat "$scratch/cpack.log"
  echo "cpack failed"
  exit 1
fi

shopt -s nullglob
packages=("$scratch"/packages/*.deb "$scratch"/packages/*.tar.gz "$scratch"/packages/*.zip)
((${#packages[@]} > 0)) || { echo "cpack wrote no package"; exit 1; }
for path in "${packages[@]}"; do
  package=$(basename "$path")
  package_failed=0
  tree=$scratch/unpacked-$package
  mkdir "$tree"
  (cd "$tree" && "$cmake" -E tar xf "$path") || fail "cannot be unpacked"
  case $package in
    *.deb)
      # An ar archive: the control data and the files, each a tarball.
      check_files "$tree" debian-binary control.tar.gz data.tar.gz
      mkdir "$tree/control" "$tree/data"
      (cd "$tree/control" && "$cmake" -E tar xf ../control.tar.gz)
      (cd "$tree/data" && "$cmake" -E tar xf ../data.tar.gz)
      grep -qx 'Package: gorvi' "$tree/control/control" || fail "control: $(cat "$tree/control/control")"
      grep -qx "Version: $version" "$tree/control/control" || fail "not version $version"
      check_files "$tree/data" usr/bin/gorvi usr/share/doc/gorvi/copyright usr/share/doc/gorvi/README.md
      cmp -s "$tree/data/usr/share/doc/gorvi/copyright" "$source_dir/LICENSE" || fail "copyright is not LICENSE"
      check_answer "$tree/data/usr/bin/gorvi" $'\n'
      ;;
    *.tar.gz)
      top=gorvi-$version-Linux
      check_files "$tree" "$top/bin/gorvi" "$top/LICENSE" "$top/README.md"
      cmp -s "$tree/$top/LICENSE" "$source_dir/LICENSE" || fail "LICENSE differs"
      check_answer "$tree/$top/bin/gorvi" $'\n'
      ;;
    *.zip)
      top=${package%.zip}
      check_files "$tree" "$top/gorvi.exe" "$top/LICENSE" "$top/README.md"
      cmp -s "$tree/$top/LICENSE" "$source_dir/LICENSE" || fail "LICENSE differs"
      check_answer "$tree/$top/gorvi.exe" $'\r\n'
      ;;
  esac
  if ((package_failed)); then
    failed=$((failed + 1))
  else
    echo "ok $package"
    passed=$((passed + 1))
  fi
done

echo "$passed passed, $failed failed"
((failed == 0))
