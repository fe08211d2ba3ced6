# The Windows benchmarks' programs, built by the win64 build (which has no bench preset of
# its own) and run by windows_bench.sh from `make bench`: a bare Win32 window of
# dravello.exe's make-up, the timer that starts both, the one that types into both and the
# one that pastes into both.
# The baseline is stripped, as the user's dravello.exe is.
add_executable(baseline_win32 WIN32 ${CMAKE_CURRENT_LIST_DIR}/BaselineWin32.cpp ${CMAKE_CURRENT_LIST_DIR}/BaselineWin32.rc)
target_compile_definitions(baseline_win32 PRIVATE UNICODE _UNICODE NOMINMAX)
target_compile_options(baseline_win32 PRIVATE -municode)
target_link_options(baseline_win32 PRIVATE -municode -s)
# The manifest beside the program's resources, the icon it renders, and the material table
# (plain data).
target_include_directories(baseline_win32 PRIVATE ${PROJECT_SOURCE_DIR}/app ${CMAKE_BINARY_DIR}/icon ${PROJECT_SOURCE_DIR})
set_source_files_properties(${CMAKE_CURRENT_LIST_DIR}/BaselineWin32.rc PROPERTIES OBJECT_DEPENDS ${DRAVELLO_ICO})
add_dependencies(baseline_win32 windows_icon)
target_link_libraries(baseline_win32 PRIVATE comctl32)

add_library(win32_program STATIC ${CMAKE_CURRENT_LIST_DIR}/Win32Program.cpp)
target_compile_definitions(win32_program PUBLIC UNICODE _UNICODE NOMINMAX)
add_executable(startup_timer ${CMAKE_CURRENT_LIST_DIR}/StartupTimerWin32.cpp)
add_executable(keystroke_timer ${CMAKE_CURRENT_LIST_DIR}/KeystrokeTimerWin32.cpp)
add_executable(paste_timer ${CMAKE_CURRENT_LIST_DIR}/PasteTimerWin32.cpp)
foreach(timer startup_timer keystroke_timer paste_timer)
    target_compile_options(${timer} PRIVATE -municode)
    target_link_options(${timer} PRIVATE -municode)
    target_link_libraries(${timer} PRIVATE win32_program)
endforeach()
target_link_libraries(keystroke_timer PRIVATE user32)
target_link_libraries(paste_timer PRIVATE user32)

# What keystroke_timer puts into the programs it types into.
add_library(keystroke_probe SHARED ${CMAKE_CURRENT_LIST_DIR}/KeystrokeProbeWin32.cpp)
set_target_properties(keystroke_probe PROPERTIES PREFIX "")
target_compile_definitions(keystroke_probe PRIVATE UNICODE _UNICODE NOMINMAX)
add_dependencies(keystroke_timer keystroke_probe)
