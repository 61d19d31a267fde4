# System libraries, all from Debian packages (see scripts/install-deps.sh).
find_package(PkgConfig REQUIRED)
pkg_check_modules(PLIST REQUIRED IMPORTED_TARGET libplist-2.0)
# ZIP writing for the device library's packing function.
pkg_check_modules(LIBZIP REQUIRED IMPORTED_TARGET libzip)
# The demo device generator writes real PNG and JPEG pictures.
find_package(ZLIB REQUIRED)
find_package(JPEG REQUIRED)
find_package(EXPAT REQUIRED)
find_package(Threads REQUIRED)
find_package(CURL REQUIRED)
pkg_check_modules(GTK3 REQUIRED IMPORTED_TARGET gtk+-3.0)

find_package(wxWidgets 3.2 REQUIRED COMPONENTS core base xml net qa)
# One interface target for the toolkit; CMake 3.25 has no imported wx target.
add_library(wx_toolkit INTERFACE)
target_include_directories(wx_toolkit SYSTEM INTERFACE ${wxWidgets_INCLUDE_DIRS})
target_compile_definitions(wx_toolkit INTERFACE ${wxWidgets_DEFINITIONS})
target_compile_options(wx_toolkit INTERFACE ${wxWidgets_CXX_FLAGS})
target_link_libraries(wx_toolkit INTERFACE ${wxWidgets_LIBRARIES} Threads::Threads)

find_program(MSGFMT_EXECUTABLE msgfmt REQUIRED)
find_program(MSGCAT_EXECUTABLE msgcat REQUIRED)
