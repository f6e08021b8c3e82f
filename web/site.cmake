# SPDX-License-Identifier: MIT
# The page as a site, a folder for any static web server: the same page as index.html, which also
# names its web app manifest and starts its service worker; the manifest, with the program's
# icons at 192 and 512 pixels; and the service worker, which keeps every file of the site for use
# offline, under a name that changes with the files, so that a new version replaces the old.
#   cmake -DPAGE=fan-selection.html -DICONS=folder -DWORKER=web/sw.js -DSITE=folder -P site.cmake
foreach(input PAGE ICONS WORKER SITE)
    if(NOT DEFINED ${input})
        message(FATAL_ERROR "site.cmake: ${input} is not given")
    endif()
endforeach()
file(READ ${PAGE} page)

# One replacement of a text that must stand in the page exactly once.
function(replace_once text by)
    string(FIND "${page}" "${text}" first)
    string(FIND "${page}" "${text}" last REVERSE)
    if(first EQUAL -1 OR NOT first EQUAL last)
        message(FATAL_ERROR "site.cmake: the page does not hold \"${text}\" once")
    endif()
    string(REPLACE "${text}" "${by}" page "${page}")
    set(page "${page}" PARENT_SCOPE)
endfunction()

# The site's page may ask its own server for its manifest, its icons and its service worker, and
# for nothing else.
replace_once("base-uri 'none'" "manifest-src 'self'; img-src 'self'; worker-src 'self'; base-uri 'none'")
replace_once("<!-- Everything the page is, is in this file: it asks for nothing, anywhere, ever. -->"
    "<!-- The page of the site: everything it is, is in this file, but for its manifest, icons and service worker. -->")
replace_once("</head>" "<link rel=\"manifest\" href=\"manifest.webmanifest\">
<link rel=\"icon\" href=\"icon-192.png\">
<link rel=\"apple-touch-icon\" href=\"icon-192.png\">
</head>")
replace_once("</body>" "<script>if (\"serviceWorker\" in navigator) navigator.serviceWorker.register(\"sw.js\");</script>
</body>")
string(REGEX MATCH "<title>([^<]*)</title>" title "${page}")
set(title "${CMAKE_MATCH_1}")
string(STRIP "${title}" title)

file(MAKE_DIRECTORY ${SITE})
file(WRITE ${SITE}/index.html "${page}")
foreach(size 192 512)
    file(COPY_FILE ${ICONS}/fan-selection-${size}.png ${SITE}/icon-${size}.png)
endforeach()
file(WRITE ${SITE}/manifest.webmanifest "{
  \"name\": \"${title}\",
  \"short_name\": \"Fan Seçimi\",
  \"description\": \"Vidalı kompresör soğutucusu için fan ve fan motoru seçimi\",
  \"lang\": \"tr\",
  \"id\": \"./\",
  \"start_url\": \"./\",
  \"scope\": \"./\",
  \"display\": \"standalone\",
  \"background_color\": \"#f0f0f0\",
  \"theme_color\": \"#f0f0f0\",
  \"icons\": [
    {\"src\": \"icon-192.png\", \"sizes\": \"192x192\", \"type\": \"image/png\", \"purpose\": \"any\"},
    {\"src\": \"icon-512.png\", \"sizes\": \"512x512\", \"type\": \"image/png\", \"purpose\": \"any\"}
  ]
}
")
# The worker's cache is named after what it keeps.
set(kept "")
foreach(file index.html manifest.webmanifest icon-192.png icon-512.png)
    file(MD5 ${SITE}/${file} sum)
    string(APPEND kept "${sum}")
endforeach()
string(MD5 version "${kept}")
file(READ ${WORKER} worker)
string(REPLACE "@VERSION@" "${version}" worker "${worker}")
file(WRITE ${SITE}/sw.js "${worker}")
