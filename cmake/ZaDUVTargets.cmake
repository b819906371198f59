# Definitions every user of the libraries compiles with (Unicode Win32 for Windows 7 and later),
# exported with the package; warnings stay inside this tree.
add_library(zaduv_defs INTERFACE)
target_compile_definitions(zaduv_defs INTERFACE
  UNICODE _UNICODE NOMINMAX WINVER=0x0601 _WIN32_WINNT=0x0601 _WIN32_IE=0x0800 STRICT)
# Framework code calls members through pointers that may be null (pWnd->GetSafeHwnd()); GCC
# would otherwise assume `this` is never null and drop the checks that follow such a call.
# A class object passed through "..." (a CString to swprintf) arrives as the address of a
# temporary copy; hosts learn of it when they build, not from garbage text at run time.
target_compile_options(zaduv_defs INTERFACE
  $<$<COMPILE_LANGUAGE:CXX>:-fno-delete-null-pointer-checks -Werror=conditionally-supported>)
set_target_properties(zaduv_defs PROPERTIES EXPORT_NAME defs)

add_library(zaduv_warnings INTERFACE)
target_compile_options(zaduv_warnings INTERFACE
  $<$<COMPILE_LANGUAGE:CXX>:-Wall -Wextra -Wno-unused-parameter -Wno-cast-function-type
    -Wno-missing-field-initializers -Wno-invalid-offsetof>)

# The mingw runtime DLLs sit next to our own so that every executable in bin/ starts as it is.
set(ZADUV_RUNTIME_DLLS)
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                  OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT IS_ABSOLUTE "${path}" OR NOT EXISTS "${path}")
    set(path /usr/${ZADUV_MINGW_TRIPLE}/lib/${dll})
  endif()
  if(EXISTS "${path}")
    list(APPEND ZADUV_RUNTIME_DLLS ${path})
    file(COPY ${path} DESTINATION ${CMAKE_BINARY_DIR}/bin)
  endif()
endforeach()

# One shared library of this tree: its sources, its public include folder, what it links.
function(zaduv_add_dll target)
  cmake_parse_arguments(ARG "" "EXPORT_MACRO" "SOURCES;INCLUDES;LINK" ${ARGN})
  add_library(${target} SHARED ${ARG_SOURCES})
  foreach(dir ${ARG_INCLUDES})
    target_include_directories(${target} PUBLIC $<BUILD_INTERFACE:${dir}>)
  endforeach()
  target_include_directories(${target} PUBLIC $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}>)
  target_compile_definitions(${target} PRIVATE ${ARG_EXPORT_MACRO})
  target_link_libraries(${target} PUBLIC zaduv_defs ${ARG_LINK} PRIVATE zaduv_warnings)
  set_target_properties(${target} PROPERTIES PREFIX "" IMPORT_PREFIX "lib")
  zaduv_precompile(${target})
endfunction()

# The stdafx idiom: every target of this tree compiles the framework's headers once, as a
# precompiled header, instead of in each source file. Hosts outside the tree are not affected.
set(ZADUV_FRAMEWORK_HEADERS <afxwin.h> <afxcmn.h> <afxext.h> <afxtempl.h> <afxmt.h>)
function(zaduv_precompile target)
  target_precompile_headers(${target} PRIVATE ${ZADUV_FRAMEWORK_HEADERS} ${ARGN})
endfunction()
