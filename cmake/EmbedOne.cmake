file(READ ${INPUT} hex HEX)
string(LENGTH "${hex}" hex_length)
math(EXPR size "${hex_length} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," body "${hex}")
file(WRITE ${OUTPUT}
"#include <cstddef>\n"
"extern const char dvk_resource_${STEM}[] = {${body} '\\0'};\n"
"extern const std::size_t dvk_resource_${STEM}_size = ${size};\n")
