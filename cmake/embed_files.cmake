# Script mode: writes a C++ source holding the bytes of each file in INPUTS
# (paths parted by bars), so that the program needs no file of them at run time.
#   cmake -DOUT=file.cpp "-DINPUTS=a.png|b.png" -DFUNCTION=Name -DHEADER=core/x/y.h -P embed_files.cmake
# The source defines `std::span<const EmbeddedFile> FUNCTION()` in namespace
# zan, the files in the order given, each by its file name.
set(text "// Made at build time by cmake/embed_files.cmake: do not edit.\n")
string(APPEND text "#include \"${HEADER}\"\n\nnamespace zan {\n\nnamespace {\n\n")
string(REPLACE "|" ";" INPUTS "${INPUTS}")
set(entries "")
set(index 0)
foreach(input IN LISTS INPUTS)
  file(READ ${input} hex HEX)
  string(LENGTH "${hex}" digits)
  math(EXPR size "${digits} / 2")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  # Lines of 32 bytes, for editors that open the file.
  string(REGEX REPLACE "((0x..,){32})" "\\1\n" bytes "${bytes}")
  string(APPEND text "const unsigned char kFile${index}[${size}] = {\n${bytes}};\n\n")
  get_filename_component(name ${input} NAME)
  string(APPEND entries "        EmbeddedFile{\"${name}\", kFile${index}},\n")
  math(EXPR index "${index} + 1")
endforeach()
string(APPEND text "}  // namespace\n\nstd::span<const EmbeddedFile> ${FUNCTION}()\n{\n")
string(APPEND text "    static const EmbeddedFile files[] = {\n${entries}    };\n    return files;\n}\n\n}  // namespace zan\n")
file(WRITE ${OUT}.new "${text}")
# Unchanged bytes leave the source's time alone: nothing is compiled again.
file(COPY_FILE ${OUT}.new ${OUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUT}.new)
