# Writes INPUT (the board page) into OUTPUT as a C++ byte array, so that the
# server carries the page and reads no file for it.
file(READ ${INPUT} bytes HEX)
string(LENGTH "${bytes}" hex_length)
math(EXPR size "${hex_length} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${bytes}")
string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)" "\\1\n" bytes "${bytes}")
file(WRITE ${OUTPUT}
  "// Made from scores/board/board.html by embed_page.cmake; do not edit.\n"
  "#include \"scores/board/board_page.h\"\n\n"
  "namespace scores {\n\n"
  "namespace {\n"
  "constexpr unsigned char kBoardPage[${size}] = {\n${bytes}};\n"
  "}  // namespace\n\n"
  "std::string_view boardPageHtml() {\n"
  "  return {reinterpret_cast<const char*>(kBoardPage), sizeof kBoardPage};\n"
  "}\n\n"
  "}  // namespace scores\n")
