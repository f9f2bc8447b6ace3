# vcu_layout_with_default_skin(<var> <layout>): packs skins/default with the native skinpack
# into default.skin of the current build folder and writes a copy of <layout> (a file of the
# current source folder) whose skin data carries that archive as its SkinStream. <var> is set
# to the written layout's path. The program and every window of its own that carries our
# skin store it this way.
function(vcu_layout_with_default_skin var layout)
  if(NOT VCU_SKINPACK)
    message(FATAL_ERROR "VCU_SKINPACK must name the native skinpack (scripts/build.sh passes it)")
  endif()
  set(skin_dir "${CMAKE_SOURCE_DIR}/skins/default")
  file(GLOB skin_files CONFIGURE_DEPENDS "${skin_dir}/*")
  set(skin_file "${CMAKE_CURRENT_BINARY_DIR}/default.skin")
  add_custom_command(OUTPUT "${skin_file}"
    COMMAND "${VCU_SKINPACK}" pack "${skin_dir}" -o "${skin_file}"
    DEPENDS ${skin_files} "${VCU_SKINPACK}"
    COMMENT "Packing the default skin")
  set(out "${CMAKE_CURRENT_BINARY_DIR}/${layout}")
  set(embed_script "${CMAKE_SOURCE_DIR}/cmake/EmbedSkinStream.cmake")
  add_custom_command(OUTPUT "${out}"
    COMMAND "${CMAKE_COMMAND}" -DSKIN=${skin_file} -DLAYOUT_IN=${CMAKE_CURRENT_SOURCE_DIR}/${layout}
            -DLAYOUT_OUT=${out} -P "${embed_script}"
    DEPENDS "${skin_file}" "${CMAKE_CURRENT_SOURCE_DIR}/${layout}" "${embed_script}"
    COMMENT "Storing the default skin in ${layout}")
  set(${var} "${out}" PARENT_SCOPE)
endfunction()
