# Debian packages the build, the window, the package and the tests need (sourced by run.sh
# and test.sh). python3-iapws writes the reference tables of the accuracy page
# (tools/accuracy/). poppler-utils (pdftotext) reads back the calculation sheets in the tests.
VORTALIN_PACKAGES=(
    build-essential cmake ninja-build pkg-config clang-format
    qt6-base-dev libgl-dev qt6-translations-l10n
    libgtest-dev libbenchmark-dev
    xvfb xauth fonts-dejavu-core
    python3-iapws
    dpkg-dev file fakeroot lintian appstream desktop-file-utils help2man librsvg2-bin
    poppler-utils
)
