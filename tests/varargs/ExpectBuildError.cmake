# Builds TARGET in BUILD_DIR and passes only when the compiler refuses a class object passed
# through "...": any other failure, or a build that succeeds, is a test failure.
execute_process(COMMAND ${CMAKE_COMMAND} --build ${BUILD_DIR} --target ${TARGET}
  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(result EQUAL 0)
  message(FATAL_ERROR "${TARGET} built, but it passes a CString through '...'")
endif()
# The compiler quotes with the locale's quotation marks; match around them.
if(NOT output MATCHES "error: passing objects of non-trivially-copyable type [^ ]*class CString[^ ]* through [^ ]*\\.\\.\\.[^ ]* is conditionally.supported")
  message(FATAL_ERROR "${TARGET} failed for another reason:\n${output}")
endif()
message(STATUS "${TARGET} rejected as expected")
