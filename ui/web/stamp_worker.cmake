# Writes the service worker from its template: the list of the page's files and
# a name for their cache taken from their contents.
#   cmake -DPAGE_DIR=... -DFILES="index.html;..." -DTEMPLATE=sw.js.in -DOUTPUT=sw.js -P stamp_worker.cmake
set(digests "")
set(PAGE_FILES "\"./\"")
foreach(name IN LISTS FILES)
  file(SHA256 "${PAGE_DIR}/${name}" digest)
  string(APPEND digests "${digest} ${name}\n")
  string(APPEND PAGE_FILES ", \"${name}\"")
endforeach()
string(SHA256 whole "${digests}")
string(SUBSTRING "${whole}" 0 16 PAGE_HASH)
configure_file("${TEMPLATE}" "${OUTPUT}" @ONLY)
# Newer than what it was made from, even when its content came out the same.
file(TOUCH "${OUTPUT}")
