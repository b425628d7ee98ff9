# embed_files(OUT_VAR files): links each file into the program as
#   extern const unsigned char velmora_res_<name>[], velmora_res_<name>_end[];
# where <name> is the file name with every character that is not a letter or digit turned into '_'.
function(embed_files out_var files)
  set(asm "${CMAKE_CURRENT_BINARY_DIR}/embedded_files.S")
  set(content "")
  foreach(f ${files})
    get_filename_component(fname ${f} NAME)
    string(MAKE_C_IDENTIFIER "${fname}" ident)
    string(APPEND content
      "    .section .rodata.velmora_res_${ident},\"a\"\n"
      "    .balign 16\n"
      "    .global velmora_res_${ident}\n"
      "velmora_res_${ident}:\n"
      "    .incbin \"${f}\"\n"
      "    .global velmora_res_${ident}_end\n"
      "velmora_res_${ident}_end:\n"
      "    .byte 0\n")
  endforeach()
  string(APPEND content "    .section .note.GNU-stack,\"\",@progbits\n")
  file(CONFIGURE OUTPUT "${asm}" CONTENT "${content}")
  set_source_files_properties("${asm}" PROPERTIES OBJECT_DEPENDS "${files}")
  set(${out_var} "${asm}" PARENT_SCOPE)
endfunction()
