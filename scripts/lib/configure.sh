# Sourced by the scripts that build: configure_build DIR [CMAKE ARGUMENTS...] configures
# the source tree into DIR. A folder configured before keeps its generator (CMake
# refuses to change it), whether it came from a script (Ninja) or from a plain
# `cmake -S . -B build` (Unix Makefiles); a new one gets Ninja. The run folder must be
# DIR/run itself, so a multi-configuration generator is refused with what to do.
configure_build() {
  local dir=$1
  shift
  local generator=Ninja
  if [ -f "$dir/CMakeCache.txt" ]; then
    generator=$(sed -n 's/^CMAKE_GENERATOR:INTERNAL=//p' "$dir/CMakeCache.txt")
    [ -n "$generator" ] || generator=Ninja
    if [ -n "$(sed -n 's/^CMAKE_CONFIGURATION_TYPES:[A-Z]*=//p' "$dir/CMakeCache.txt")" ] ||
       [[ $generator == *Multi-Config* ]]; then
      echo "$dir was configured with \"$generator\", which builds several configurations;" >&2
      echo "these scripts need one: remove $dir, or configure it with -G Ninja or -G 'Unix Makefiles'." >&2
      exit 1
    fi
  fi
  cmake -S . -B "$dir" -G "$generator" "$@"
}
