# Shared by scripts/run and scripts/test: installs the Debian packages the build and
# the tests need when any is missing.

RENKALO_PACKAGES="cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins \
libgl-dev libsqlite3-dev libjpeg-dev fonts-liberation"

renkalo_missing_packages() {
    local missing="" p
    for p in $RENKALO_PACKAGES; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing="$missing $p"
    done
    echo "$missing"
}

renkalo_install_packages() {
    local missing
    missing=$(renkalo_missing_packages)
    [ -z "$missing" ] && return 0
    echo "Installing:$missing"
    # The variable goes on the command line: sudo would drop it from the environment.
    local apt=(env DEBIAN_FRONTEND=noninteractive apt-get)
    if [ "$(id -u)" -ne 0 ]; then
        if command -v sudo >/dev/null 2>&1; then
            apt=(sudo "${apt[@]}")
        else
            echo "These packages are missing; install them as root and run this again:" >&2
            echo "  apt-get update && apt-get install -y --no-install-recommends$missing" >&2
            exit 1
        fi
    fi
    "${apt[@]}" update -qq
    # shellcheck disable=SC2086 # one word per package
    "${apt[@]}" install -y -qq --no-install-recommends $missing
}
