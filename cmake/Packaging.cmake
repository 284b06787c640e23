# The documentation `cmake --install` puts beside the program, and the Debian package of it all
# (`cpack -G DEB` in a release build folder; scripts/package does the whole sequence).
#
# The package is native (version = project version, no Debian revision), so Debian wants its
# changelog as share/doc/cordic-demo/changelog.gz and the licence, in the machine-readable
# copyright format, as share/doc/cordic-demo/copyright. Both, and the manual page, are
# compressed with `gzip -9n` (no name or time stamp inside) as lintian asks.
include(GNUInstallDirs)

set(CORDIC_DEB_CHANGELOG ${PROJECT_SOURCE_DIR}/cmake/debian/changelog)

# The newest changelog entry must name the version being built, or the package would carry a
# history that stops before it.
file(STRINGS ${CORDIC_DEB_CHANGELOG} changelog_head LIMIT_COUNT 1)
if(NOT changelog_head MATCHES "^${PROJECT_NAME} \\(${PROJECT_VERSION}\\) ")
    message(FATAL_ERROR "cmake/debian/changelog starts with \"${changelog_head}\"; "
                        "add an entry for version ${PROJECT_VERSION} at its top")
endif()

# share/doc/cordic-demo/copyright, from LICENSE: its copyright line and its licence text, the
# text indented by one space with "." for empty lines as the format asks.
file(READ ${PROJECT_SOURCE_DIR}/LICENSE license)
string(REGEX MATCH "Copyright \\(c\\) ([^\n]*)" _ "${license}")
set(license_holder "${CMAKE_MATCH_1}")
string(REGEX REPLACE "^.*Copyright \\(c\\) [^\n]*\n\n" "" license_text "${license}")
string(STRIP "${license_text}" license_text)
string(REPLACE "\n\n" "\n.\n" license_text "${license_text}")
string(REPLACE "\n" "\n " license_text "${license_text}")
set(CORDIC_COPYRIGHT ${CMAKE_BINARY_DIR}/doc/copyright)
file(CONFIGURE OUTPUT ${CORDIC_COPYRIGHT} @ONLY CONTENT
"Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/
Upstream-Name: @PROJECT_NAME@

Files: *
Copyright: @license_holder@
License: Expat
 @license_text@
")

# gzip -9n of each documentation file into the build folder.
set(doc_gz)
foreach(source IN ITEMS ${CORDIC_DEB_CHANGELOG} ${PROJECT_SOURCE_DIR}/docs/cordic-demo.1
                       ${PROJECT_SOURCE_DIR}/docs/cordic-lab.1)
    get_filename_component(name ${source} NAME)
    set(output ${CMAKE_BINARY_DIR}/doc/${name}.gz)
    add_custom_command(
        OUTPUT ${output}
        COMMAND gzip -9n --stdout ${source} > ${output}
        DEPENDS ${source}
        COMMENT "Compressing ${name}"
    )
    list(APPEND doc_gz ${output})
endforeach()
add_custom_target(cordic_doc_gz ALL DEPENDS ${doc_gz})

install(FILES ${CORDIC_COPYRIGHT} ${CMAKE_BINARY_DIR}/doc/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${CMAKE_BINARY_DIR}/doc/cordic-demo.1.gz ${CMAKE_BINARY_DIR}/doc/cordic-lab.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# The Debian package.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${PROJECT_NAME})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT
    "cordic-demo maintainers <maintainers@users.noreply.c-seed-eeee392c.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "step-by-step demonstration of the CORDIC sine and cosine")
# Paragraphs separated by empty lines; CPack indents them for the control file.
set(CPACK_PACKAGE_DESCRIPTION
"A teaching program for the CORDIC algorithm in rotation mode. Type an angle
between -pi/2 and pi/2 in degrees or radians and start the run: the program
turns a vector step by step towards the angle, lists the x and y of each of
its 54 steps, draws the rotating vector on the unit circle beside the target
angle and ends with the CORDIC sine and cosine beside those of the C
library.

The computation runs in x87 80-bit extended precision. The window's texts
are Slovak.

A laboratory window, and the command-line program cordic-lab with the same
engine, run CORDIC in the circular, linear and hyperbolic systems with 1 to
64 steps in extended, double, single or fixed-point arithmetic, bit for bit
as a hardware core computes it, with the errors against exact values.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries come from dpkg-shlibdeps over the binary: among them libmpfr6, which the
# laboratory's engine (cordic_lab) links dynamically, so the binary names libmpfr.so.6 itself
# and dpkg-shlibdeps adds "libmpfr6 (>= 3.1.3)" from the library's symbols file. Beside them:
# the xcb platform plugin, without which Qt opens no window on X (libqt6gui6 only recommends
# it); Qt's own Slovak translations, loaded at start-up; and the window's font.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n, fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
