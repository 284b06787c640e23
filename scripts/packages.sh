# Shared by the scripts: installs the Debian packages that are missing.
# Usage: ensure_packages NAME...
ensure_packages() {
    local missing=()
    local package
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$package")
        fi
    done
    if [ ${#missing[@]} -eq 0 ]; then
        return 0
    fi
    echo "Installing: ${missing[*]}"
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        sudo=(sudo)
    fi
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
        "${missing[@]}"
}

# What building the program needs.
BUILD_PACKAGES=(cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools libgl-dev
                qt6-qpa-plugins fonts-liberation2 fonts-dejavu-core librsvg2-bin)

# What scripts/package needs beside the build: dpkg-shlibdeps (dpkg-dev, file) for the
# package's library dependencies.
PACKAGE_PACKAGES=(dpkg-dev file)

# What the package's test needs: the validators the package must pass.
PACKAGE_CHECK_PACKAGES=(lintian desktop-file-utils appstream)

# What the end-to-end tests and scripts/screenshot need: an X server, input events, the
# accessibility bus with Debian's Python bindings, and screenshots.
E2E_PACKAGES=(xvfb xdotool dbus-daemon at-spi2-core python3-pyatspi python3-xlib imagemagick)
