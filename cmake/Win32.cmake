# Win32 tree: the core, the Win32 layer, QuizAssistant.exe and the tests that run under Wine.
set(QUIZ_WIN_LIBS
    user32 gdi32 comctl32 comdlg32 gdiplus ole32 oleaut32 uuid shell32 shlwapi wininet
    dinput dxguid msimg32)
add_link_options(-static)
# Every x86 processor the tool meets has SSE2; the line search uses it.
add_compile_options(-msse2 -mfpmath=sse)

# Every Windows test program runs under Wine on its own Xvfb display, in a prefix
# made once for this build tree.
set(CMAKE_CROSSCOMPILING_EMULATOR
    bash ${CMAKE_SOURCE_DIR}/tools/wine-test.sh ${CMAKE_BINARY_DIR}/wineprefix)

list(FILTER QUIZ_WIN_SOURCES EXCLUDE REGEX "/app/winmain_win\\.cpp$")
add_library(quiz_win STATIC ${QUIZ_WIN_SOURCES})
target_link_libraries(quiz_win PUBLIC quiz_core ${QUIZ_WIN_LIBS})

file(GLOB QUIZ_RESOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/app/*.rc)
add_executable(QuizAssistant WIN32 ${CMAKE_SOURCE_DIR}/app/winmain_win.cpp ${QUIZ_RESOURCES})
target_link_libraries(QuizAssistant PRIVATE quiz_win)

# GoogleTest from Debian's sources, built for this target.
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

# The end-to-end driver: a library for the tests and a command-line tool for scripts.
file(GLOB QUIZ_DRIVER_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/driver/*_win.cpp)
list(FILTER QUIZ_DRIVER_SOURCES EXCLUDE REGEX "/quiz_driver_cli_win\\.cpp$")
add_library(quiz_driver STATIC ${QUIZ_DRIVER_SOURCES})
target_link_libraries(quiz_driver PUBLIC quiz_win)
add_executable(QuizDriver ${CMAKE_SOURCE_DIR}/tests/driver/quiz_driver_cli_win.cpp)
target_link_libraries(QuizDriver PRIVATE quiz_driver)

# The portable core's tests also run as a 32-bit Windows program.
file(GLOB QUIZ_CORE_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/native/*_test.cpp)
add_executable(core_tests ${QUIZ_CORE_TESTS})
target_link_libraries(core_tests PRIVATE quiz_core gtest gtest_main)
# Source files are read through Wine's Z: drive.
target_compile_definitions(core_tests PRIVATE QUIZ_SOURCE_DIR="Z:${CMAKE_SOURCE_DIR}")
add_test(NAME win32.core_tests COMMAND core_tests)

# One Windows test program per file; end-to-end tests start the real tool.
file(GLOB QUIZ_WIN_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/win32/*_test.cpp)
foreach(test_source IN LISTS QUIZ_WIN_TESTS)
  get_filename_component(test_name ${test_source} NAME_WE)
  add_executable(${test_name} ${test_source})
  target_link_libraries(${test_name} PRIVATE quiz_win quiz_driver gtest gtest_main)
  add_dependencies(${test_name} QuizAssistant QuizDriver loader_fixture loader_fixture_refusing)
  if(test_name MATCHES "_net_test$")
    # Tests of the HTTP clients talk to the stand-in server on loopback.
    add_test(NAME win32.${test_name}
             COMMAND bash ${CMAKE_SOURCE_DIR}/tools/with-stand-in.sh http --slow 3 --
                     ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:${test_name}>)
  elseif(test_name MATCHES "_ocr_test$")
    # Tests of the recognition talk to the stand-in recognition service.
    add_test(NAME win32.${test_name}
             COMMAND bash ${CMAKE_SOURCE_DIR}/tools/with-stand-in.sh ocr --
                     ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:${test_name}>)
  else()
    add_test(NAME win32.${test_name} COMMAND ${test_name})
  endif()
  set_tests_properties(win32.${test_name} PROPERTIES TIMEOUT 300)
endforeach()
set_tests_properties(win32.core_tests PROPERTIES TIMEOUT 300)

# End-to-end scripts: the real programs under Wine driven from the X side (xdotool).
file(GLOB QUIZ_E2E_SCRIPTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/*_e2e.sh)
foreach(script IN LISTS QUIZ_E2E_SCRIPTS)
  get_filename_component(script_name ${script} NAME_WE)
  add_test(NAME e2e.${script_name}
           COMMAND ${CMAKE_CROSSCOMPILING_EMULATOR} ${script} ${CMAKE_BINARY_DIR}/bin)
  set_tests_properties(e2e.${script_name} PROPERTIES TIMEOUT 300)
endforeach()

# The JSON document once more with the script control switched off.
add_test(NAME win32.json_document_test.no_engine COMMAND json_document_test
         --gtest_filter=EngineMissingTest.*)
set_tests_properties(win32.json_document_test.no_engine PROPERTIES
                     ENVIRONMENT "QUIZ_NO_SCRIPT_ENGINE=1;WINEDLLOVERRIDES=msscript.ocx=d"
                     TIMEOUT 300)

# Modules mapped by the in-memory loader are built without the C runtime: nothing in
# them needs thread-local storage or start-up code the loader does not run.
set(QUIZ_BARE_DLL_OPTIONS -nostdlib -nostartfiles -fno-exceptions -fno-rtti
                          -fno-stack-protector -fno-asynchronous-unwind-tables)
function(quiz_bare_dll name entry)
  add_library(${name} SHARED ${ARGN})
  set_target_properties(${name} PROPERTIES PREFIX "" RUNTIME_OUTPUT_DIRECTORY
                                                     ${CMAKE_BINARY_DIR}/bin/modules)
  target_compile_options(${name} PRIVATE ${QUIZ_BARE_DLL_OPTIONS})
  target_link_options(${name} PRIVATE -nostdlib -Wl,-e,_${entry}@12 -Wl,--enable-stdcall-fixup)
  target_link_libraries(${name} PRIVATE kernel32 user32 gdi32)
endfunction()

quiz_bare_dll(loader_fixture FixtureEntry tests/fixtures/loader_fixture.cpp
              tests/fixtures/loader_fixture.def)
quiz_bare_dll(loader_fixture_refusing RefusingEntry tests/fixtures/loader_fixture.cpp
              tests/fixtures/loader_fixture.def)

# The skin library, and the tool carrying its image and the skin file in read-only data.
quiz_bare_dll(skin_library SkinEntry ${CMAKE_SOURCE_DIR}/skin/library/skin_library.cpp
              ${CMAKE_SOURCE_DIR}/skin/library/skin_library.def)
target_include_directories(skin_library PRIVATE ${CMAKE_SOURCE_DIR})
set(QUIZ_SKIN_DATA ${CMAKE_BINARY_DIR}/generated/skin_data.cpp)
add_custom_command(
  OUTPUT ${QUIZ_SKIN_DATA}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/generated
  COMMAND python3 ${CMAKE_SOURCE_DIR}/tools/embed_bytes.py ${QUIZ_SKIN_DATA}
          $<TARGET_FILE:skin_library> kSkinModuleImage
          ${CMAKE_SOURCE_DIR}/skin/default.she kSkinResource
  DEPENDS skin_library ${CMAKE_SOURCE_DIR}/skin/default.she ${CMAKE_SOURCE_DIR}/tools/embed_bytes.py
  VERBATIM)
target_sources(QuizAssistant PRIVATE ${QUIZ_SKIN_DATA})
