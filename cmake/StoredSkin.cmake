# vcu_pack_skin(<var> <skin> <file name> [TOOL <skinpack>]): packs the folder skins/<skin> with
# the native skinpack (VCU_SKINPACK, which scripts/build.sh passes, unless TOOL names another,
# such as the skinpack target of a native tree) into <file name> of the current build folder.
# <var> is set to the packed file's path. Only targets of the current folder can depend on it;
# vcu_skin_target makes it reachable from elsewhere.
function(vcu_pack_skin var skin file_name)
  cmake_parse_arguments(PARSE_ARGV 3 arg "" "TOOL" "")
  set(tool "${arg_TOOL}")
  if(NOT tool)
    set(tool "${VCU_SKINPACK}")
  endif()
  if(NOT tool)
    message(FATAL_ERROR "VCU_SKINPACK must name the native skinpack (scripts/build.sh passes it)")
  endif()
  set(skin_dir "${CMAKE_SOURCE_DIR}/skins/${skin}")
  file(GLOB skin_files CONFIGURE_DEPENDS "${skin_dir}/*")
  set(skin_file "${CMAKE_CURRENT_BINARY_DIR}/${file_name}")
  add_custom_command(OUTPUT "${skin_file}"
    COMMAND "${tool}" pack "${skin_dir}" -o "${skin_file}"
    DEPENDS ${skin_files} "${tool}"
    COMMENT "Packing the ${skin} skin")
  set(${var} "${skin_file}" PARENT_SCOPE)
endfunction()

# vcu_skin_target(<target> <skin> <file name>): vcu_pack_skin, and a target of that name that
# makes the packed file, for targets of other folders to depend on.
function(vcu_skin_target target skin file_name)
  vcu_pack_skin(skin_file ${skin} ${file_name})
  add_custom_target(${target} DEPENDS "${skin_file}")
endfunction()

# vcu_layout_with_default_skin(<var> <layout>): packs skins/default into default.skin of the
# current build folder and writes a copy of <layout> (a file of the current source folder)
# whose skin data carries that archive as its SkinStream. <var> is set to the written
# layout's path. The program and every window of its own that carries our skin store it this
# way.
function(vcu_layout_with_default_skin var layout)
  vcu_pack_skin(skin_file default default.skin)
  set(out "${CMAKE_CURRENT_BINARY_DIR}/${layout}")
  set(embed_script "${CMAKE_SOURCE_DIR}/cmake/EmbedSkinStream.cmake")
  add_custom_command(OUTPUT "${out}"
    COMMAND "${CMAKE_COMMAND}" -DSKIN=${skin_file} -DLAYOUT_IN=${CMAKE_CURRENT_SOURCE_DIR}/${layout}
            -DLAYOUT_OUT=${out} -P "${embed_script}"
    DEPENDS "${skin_file}" "${CMAKE_CURRENT_SOURCE_DIR}/${layout}" "${embed_script}"
    COMMENT "Storing the default skin in ${layout}")
  set(${var} "${out}" PARENT_SCOPE)
endfunction()
