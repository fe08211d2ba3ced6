# The Windows start-up benchmark's programs, built by the win64 build (which has no bench
# preset of its own) and run by windows_bench.sh from `make bench`: a bare Win32 window of
# dravello.exe's make-up, and the timer that starts both. Both are stripped, as the
# user's dravello.exe is.
add_executable(baseline_win32 WIN32 ${CMAKE_CURRENT_LIST_DIR}/BaselineWin32.cpp ${CMAKE_CURRENT_LIST_DIR}/BaselineWin32.rc)
target_compile_definitions(baseline_win32 PRIVATE UNICODE _UNICODE NOMINMAX)
target_compile_options(baseline_win32 PRIVATE -municode)
target_link_options(baseline_win32 PRIVATE -municode -s)
target_include_directories(baseline_win32 PRIVATE ${PROJECT_SOURCE_DIR}/app)
target_link_libraries(baseline_win32 PRIVATE comctl32)

add_executable(startup_timer ${CMAKE_CURRENT_LIST_DIR}/StartupTimerWin32.cpp)
target_compile_definitions(startup_timer PRIVATE UNICODE _UNICODE NOMINMAX)
target_compile_options(startup_timer PRIVATE -municode)
target_link_options(startup_timer PRIVATE -municode)
