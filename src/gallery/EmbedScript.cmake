# Writes the gallery script as a byte array of a C++ source, so the program carries a copy of
# its own. A missing script gives an empty array: Make then refuses until the script exists.
#   cmake -DSOURCE=<script> -DOUTPUT=<source file> -P EmbedScript.cmake
if(EXISTS "${SOURCE}")
    file(READ "${SOURCE}" hex HEX)
else()
    set(hex "")
endif()
string(LENGTH "${hex}" digits)
math(EXPR size "${digits} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)"
       "\\1\n" bytes "${bytes}")
file(WRITE "${OUTPUT}.tmp"
     "// Made by EmbedScript.cmake from the resource folder's gallery script.\n"
     "#include <cstddef>\n\nnamespace qor {\n\n"
     "extern const unsigned char BuiltinScriptBytes[] = {\n${bytes}0};\n"
     "extern const std::size_t BuiltinScriptSize = ${size};\n\n} // namespace qor\n")
configure_file("${OUTPUT}.tmp" "${OUTPUT}" COPYONLY)
