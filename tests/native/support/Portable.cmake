# The parts of the native test support that need only the standard library, for any build
# tree: the Windows tests compile them too (include this file, link the target).
if(NOT TARGET vcu_portable_test_support)
  add_library(vcu_portable_test_support STATIC
    ${CMAKE_CURRENT_LIST_DIR}/BmpReading.cpp
    ${CMAKE_CURRENT_LIST_DIR}/BmpWriting.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ReferenceIni.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SkinDescription.cpp)
  target_include_directories(vcu_portable_test_support PUBLIC ${CMAKE_CURRENT_LIST_DIR})
endif()
