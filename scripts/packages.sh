# Shared by the scripts: the Debian packages they need and the helpers that install them.

# Installs the Debian packages that are missing.
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
    as_root apt-get update -qq
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
        "${missing[@]}"
}

# Generates the locale NAME.UTF-8 (needs the package locales) unless `locale -a` lists it.
# Usage: ensure_utf8_locale NAME   (for example sk_SK)
ensure_utf8_locale() {
    local name=$1
    if locale -a 2>/dev/null | grep -qixE "$name\.utf-?8"; then
        return 0
    fi
    echo "Generating the locale $name.UTF-8"
    as_root localedef -i "$name" -f UTF-8 "$name.UTF-8"
}

# Runs a command as root: directly when root, through sudo otherwise.
as_root() {
    if [ "$(id -u)" -eq 0 ]; then
        "$@"
    else
        sudo "$@"
    fi
}

# What building the program needs (qt6-svg-dev: pictures saved as SVG; libmpfr-dev: the
# laboratory's exact values).
BUILD_PACKAGES=(cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev
                qt6-qpa-plugins qt6-translations-l10n fonts-liberation2 fonts-dejavu-core
                librsvg2-bin libmpfr-dev)

# What scripts/package needs beside the build: dpkg-shlibdeps (dpkg-dev, file) for the
# package's library dependencies.
PACKAGE_PACKAGES=(dpkg-dev file)

# What the package's test needs: the validators the package must pass.
PACKAGE_CHECK_PACKAGES=(lintian desktop-file-utils appstream)

# What the end-to-end tests and scripts/screenshot need: an X server, input events, the
# accessibility bus with Debian's Python bindings, screenshots, the reading of a plot's text
# from the screen (tesseract), and of a saved worksheet's pages and text (poppler-utils).
E2E_PACKAGES=(xvfb xdotool dbus-daemon at-spi2-core python3-pyatspi python3-xlib imagemagick
              xclip tesseract-ocr tesseract-ocr-eng poppler-utils)

# What the plots' test under a dark desktop scheme needs: Debian's Adwaita styles for Qt 6.
SCHEME_PACKAGES=(adwaita-qt6)
