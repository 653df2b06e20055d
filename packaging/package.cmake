# `make package`: a Debian package built by CPack from the install rules.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME winstabix)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_CONTACT "The WinStabix authors <dev@winstabix.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "pitch stability calculator for model aircraft")
set(CPACK_PACKAGE_DESCRIPTION "\
WinStabix tells a model builder where the centre of gravity of a model
aircraft has to be. The main wing and, if the model has them, a tail plane
and a canard are each described as a half planform of one to four
trapeziums and placed in the aircraft; span, area, mean aerodynamic chord
and aspect ratio of every wing follow at once.

A vortex-lattice calculation over all wings together gives the neutral
point of every wing and of the whole aircraft, and from it a recommended
centre-of-gravity range or the position for a chosen static margin.
Planform, top and 3-D views, editing by mouse, a printed summary and an
English, German, French and Spanish interface; winstabix-calc calculates
aircraft files without a window.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Dependencies are read from the libraries the programs link.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
# The MIME and desktop databases and the icon cache are refreshed by the file
# triggers of shared-mime-info, desktop-file-utils and the GTK icon cache,
# which watch the folders the package installs into; no maintainer scripts.
include(CPack)
