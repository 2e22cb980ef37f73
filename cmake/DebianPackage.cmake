# Linux installs, and the Debian package CPack makes of them (scripts/package-deb.sh).
# Included after the program's own install rules (binary, icon, desktop entry).
include(GNUInstallDirs)
set(HALVENOR_PACKAGE halvenor)
set(linux_files ${PROJECT_SOURCE_DIR}/packaging/linux)

# Garamond, which the plans name, drawn by EB Garamond for every fontconfig client, so
# another word processor opening a saved plan uses the preview's face. fontconfig reads
# /etc/fonts/conf.d only; the rule lives in conf.avail and conf.d links to it, as Debian's
# own rules do. The link is made at install time, when the prefix is the package's; an
# install elsewhere (a user's own folder) leaves /etc alone.
set(garamond_rule 30-halvenor-garamond.conf)
install(FILES ${linux_files}/${garamond_rule}
        DESTINATION ${CMAKE_INSTALL_DATADIR}/fontconfig/conf.avail)
install(CODE "
  set(rule \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/fontconfig/conf.avail/${garamond_rule}\")
  set(link \"\$ENV{DESTDIR}/etc/fonts/conf.d/${garamond_rule}\")
  if(CMAKE_INSTALL_PREFIX MATCHES \"^/usr(/local)?/?$\")
    file(MAKE_DIRECTORY \"\$ENV{DESTDIR}/etc/fonts/conf.d\")
    file(CREATE_LINK \"\${rule}\" \"\${link}\" SYMBOLIC)
    message(STATUS \"Installing: \${link}\")
  else()
    message(STATUS \"Not linked from /etc/fonts/conf.d (prefix outside /usr): \${rule}\")
  endif()")

# Debian wants a package's copyright and changelog under its own name in /usr/share/doc,
# the changelog compressed as gzip -9n does it (no name, no time stamp).
set(doc_dir ${CMAKE_INSTALL_DATADIR}/doc/${HALVENOR_PACKAGE})
file(STRINGS ${linux_files}/changelog changelog_top LIMIT_COUNT 1)
if(NOT changelog_top MATCHES "^${HALVENOR_PACKAGE} \\(${PROJECT_VERSION}\\) ")
  message(FATAL_ERROR "packaging/linux/changelog must start with version ${PROJECT_VERSION}")
endif()
find_program(GZIP gzip REQUIRED)
add_custom_command(OUTPUT changelog.gz
                   COMMAND ${GZIP} -9nc ${linux_files}/changelog > changelog.gz
                   DEPENDS ${linux_files}/changelog)
install(FILES ${linux_files}/copyright ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz
        DESTINATION ${doc_dir})
set(package_docs changelog.gz)

# The manual page is the program's own --help and --version, set out by help2man
# (scripts/package-deb.sh installs it). A sanitizer build's program is not run here.
find_program(HELP2MAN help2man)
if(HELP2MAN AND NOT HALVENOR_SANITIZE)
  add_custom_command(OUTPUT halvenor.1.gz
                     COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
                             ${HELP2MAN} --no-info --output halvenor.1
                             --name "writes business-plan templates for start-ups"
                             $<TARGET_FILE:halvenor>
                     COMMAND ${GZIP} -9nf halvenor.1
                     DEPENDS halvenor)
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/halvenor.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  list(APPEND package_docs halvenor.1.gz)
else()
  message(STATUS "No manual page: help2man is not installed, or this is a sanitizer build")
endif()
add_custom_target(package_docs ALL DEPENDS ${package_docs})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${HALVENOR_PACKAGE})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Halvenor maintainers <maintainers@users.noreply.c-seed-57084be1.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "writes a business-plan template for a start-up")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Halvenor asks for a business's name, address and contacts and types a long,
formatted business-plan template into its own built-in word processor: a cover
page, contents, and sections with guidance text, lists and tables. It saves the
plan as a Word document (.docx), shows every page in a preview, writes PDF, and
writes plans from the command line without a window.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION editors)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_STRIP_FILES ON)
# The libraries the program links (Qt, libzip, the C++ runtime) come from dpkg-shlibdeps.
# Listed here are what it loads or names at run time: the SVG icon's Qt plugins and the
# faces that draw the fonts the plan names. (Debian 12's xcb platform plugin is part of
# libqt6gui6.)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6svg6, fonts-ebgaramond, fonts-crosextra-carlito, fonts-liberation2")
set(CPACK_OUTPUT_FILE_PREFIX ${CMAKE_BINARY_DIR}/package)
include(CPack)
