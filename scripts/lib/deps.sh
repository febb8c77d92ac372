# Sourced by the scripts a user runs: ensure_deps installs the Debian packages of
# scripts/packages.txt (and the decimal-comma locale the tests use) when any is
# missing. As root it installs them; otherwise through sudo where there is one;
# else it prints the command to run and stops.
ensure_deps() {
  local scripts
  scripts=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
  local missing=()
  local no_locale=0
  local package
  while read -r package; do
    case $package in ''|'#'*) continue ;; esac
    if [ "$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null)" != "install ok installed" ]; then
      missing+=("$package")
    fi
  done < "$scripts/packages.txt"
  if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
    no_locale=1
  fi
  [ ${#missing[@]} -eq 0 ] && [ $no_locale -eq 0 ] && return 0

  [ ${#missing[@]} -gt 0 ] && echo "Missing Debian packages: ${missing[*]}" >&2
  [ $no_locale -eq 1 ] && echo "Missing locale: de_DE.UTF-8 (the tests use its decimal comma)" >&2
  if [ "$(id -u)" -eq 0 ]; then
    bash "$scripts/install-deps.sh"
  elif command -v sudo >/dev/null 2>&1; then
    echo "Installing them with sudo." >&2
    sudo bash "$scripts/install-deps.sh"
  else
    echo "There is no sudo here. As root, run:" >&2
    if [ ${#missing[@]} -gt 0 ]; then
      echo "  apt-get update && apt-get install -y --no-install-recommends ${missing[*]}" >&2
    fi
    if [ $no_locale -eq 1 ]; then
      echo "  sed -i 's/^# *de_DE.UTF-8 UTF-8/de_DE.UTF-8 UTF-8/' /etc/locale.gen && locale-gen" >&2
    fi
    echo "(or: bash $scripts/install-deps.sh), then run this command again." >&2
    exit 1
  fi
}
