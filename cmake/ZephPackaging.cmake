# The Debian packages, built with `cpack -G DEB` (tools/zeph package):
#   zeph      the program, the command-line zeph-batch, the two shared
#             libraries, the desktop entry and icons (install component
#             Runtime)
#   zeph-dev  headers and CMake packages of the libraries (component
#             Development)
# Build with CMAKE_INSTALL_PREFIX=/usr so the libraries land in the system's
# library directory and the program needs no run path.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zeph)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Zeph maintainers" CACHE STRING
  "Maintainer field of the Debian packages (\"Name <address>\")")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL Runtime Development)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)

set(CPACK_DEBIAN_RUNTIME_PACKAGE_NAME zeph)
set(CPACK_DEBIAN_RUNTIME_PACKAGE_SECTION science)
string(JOIN "\n" CPACK_COMPONENT_RUNTIME_DESCRIPTION
  "Zeph solves the state of moist air from any two of its properties (dry"
  "bulb, wet bulb, relative humidity, dew point, enthalpy, humidity ratio) at"
  "the site's atmospheric pressure and plots the states on a dry-bulb /"
  "humidity-ratio chart. From points on the chart it simulates the processes"
  "of an air-handling unit (cooling and dehumidifying, mixing, heating,"
  "humidification), sizes coils, air flows and whole air-conditioning units,"
  "and writes a text report. Its user interface is in Japanese and English."
  "zeph-batch solves tables of states and sizes air-conditioning units from"
  "the command line, without a display.")
# The Qt libraries come from the program's own links (dpkg-shlibdeps);
# the Japanese font and the Latin font that stand in for the fonts the
# chart and dialogs ask for are named here.
set(CPACK_DEBIAN_RUNTIME_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_RUNTIME_PACKAGE_DEPENDS "fonts-ipafont-gothic, fonts-liberation")
# Qt's own texts (standard buttons, file dialogs) in Japanese.
set(CPACK_DEBIAN_RUNTIME_PACKAGE_RECOMMENDS "qt6-translations-l10n")
# dpkg-shlibdeps finds the package's own libraries in the build tree.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS
  ${PROJECT_BINARY_DIR}/corvo ${PROJECT_BINARY_DIR}/tolvex)

set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_NAME zeph-dev)
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_DEPENDS "zeph (= ${PROJECT_VERSION})")
string(JOIN "\n" CPACK_COMPONENT_DEVELOPMENT_DESCRIPTION
  "Headers and CMake packages (find_package(Corvo), find_package(Tolvex)) of"
  "Zeph's psychrometric engine and of its number-checking library.")

include(CPack)
