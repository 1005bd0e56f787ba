# Installs the build into a fresh prefix and checks what a desktop relies on:
#   cmake -DBUILD_DIR=... -DWORK_DIR=... -DSOURCE_DIR=... -P check_install.cmake
# must(MESSAGE CONDITION...): stops with MESSAGE unless the condition holds.
macro(must message)
    if(NOT (${ARGN}))
        message(FATAL_ERROR "${message}")
    endif()
endmacro()

file(REMOVE_RECURSE ${WORK_DIR})
set(prefix ${WORK_DIR}/usr)
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix}
                RESULT_VARIABLE rc OUTPUT_QUIET)
must("cmake --install failed (${rc})" rc EQUAL 0)

set(expected
    bin/lumetra
    share/applications/lumetra.desktop
    share/mime/packages/lumetra.xml
    share/thumbnailers/lumetra.thumbnailer
    share/icons/hicolor/scalable/apps/lumetra.svg
    share/icons/hicolor/scalable/mimetypes/application-x-lumetra.svg)
foreach(size 16 22 24 32 48 64 128 256)
    list(APPEND expected share/icons/hicolor/${size}x${size}/apps/lumetra.png)
endforeach()
foreach(file IN LISTS expected)
    must("not installed: ${file}" EXISTS ${prefix}/${file})
endforeach()

# Each PNG icon is as large as its folder says.
function(png_size file out_width out_height)
    file(READ ${file} header LIMIT 24 HEX)
    string(SUBSTRING "${header}" 0 16 magic)
    must("not a PNG: ${file}" magic STREQUAL 89504e470d0a1a0a)
    string(SUBSTRING "${header}" 32 8 w)
    string(SUBSTRING "${header}" 40 8 h)
    math(EXPR w "0x${w}")
    math(EXPR h "0x${h}")
    set(${out_width} ${w} PARENT_SCOPE)
    set(${out_height} ${h} PARENT_SCOPE)
endfunction()
foreach(size 16 48 256)
    png_size(${prefix}/share/icons/hicolor/${size}x${size}/apps/lumetra.png w h)
    must("the ${size} px icon is ${w} x ${h}" w EQUAL ${size} AND h EQUAL ${size})
endforeach()

find_program(VALIDATE desktop-file-validate REQUIRED)
execute_process(COMMAND ${VALIDATE} ${prefix}/share/applications/lumetra.desktop
                RESULT_VARIABLE rc OUTPUT_VARIABLE said ERROR_VARIABLE said)
must("desktop-file-validate: ${said}" rc EQUAL 0 AND NOT said)
file(STRINGS ${prefix}/share/applications/lumetra.desktop mime REGEX "^MimeType=")
string(COMPARE EQUAL "${mime}" "MimeType=application/x-lumetra\\;" mime_ok)
must("the launcher's types: ${mime}" mime_ok)

# The file type as the desktop's database sees it, built from our package alone.
find_program(UPDATE_MIME update-mime-database REQUIRED)
execute_process(COMMAND ${UPDATE_MIME} ${prefix}/share/mime RESULT_VARIABLE rc)
must("update-mime-database failed" rc EQUAL 0)
file(STRINGS ${prefix}/share/mime/globs2 globs REGEX "application/x-lumetra")
must("no *.lmx glob: ${globs}" globs MATCHES "application/x-lumetra:[*][.]lmx")

# The thumbnailer's command, run as a file manager would, on a design.
file(STRINGS ${prefix}/share/thumbnailers/lumetra.thumbnailer exec REGEX "^Exec=")
must("thumbnailer: ${exec}" exec STREQUAL "Exec=lumetra --thumbnail %i %o %s")
set(lumetra ${prefix}/bin/lumetra)
execute_process(COMMAND ${lumetra} --export ${SOURCE_DIR}/resources/background.png
                        ${WORK_DIR}/design.lmx RESULT_VARIABLE rc ERROR_VARIABLE said)
must("export failed: ${said}" rc EQUAL 0)
foreach(asked 48 128)
    set(thumbnail ${WORK_DIR}/thumbnail-${asked})
    execute_process(COMMAND ${lumetra} --thumbnail ${WORK_DIR}/design.lmx ${thumbnail} ${asked}
                    RESULT_VARIABLE rc ERROR_VARIABLE said)
    must("thumbnail failed: ${said}" rc EQUAL 0)
    png_size(${thumbnail} w h)
    # No side larger than asked, the longer one as large as asked.
    must("thumbnail ${w} x ${h} > ${asked}" w LESS_EQUAL ${asked} AND h LESS_EQUAL ${asked})
    must("thumbnail ${w} x ${h} for ${asked}" w EQUAL ${asked} OR h EQUAL ${asked})
endforeach()

# The translations are built into the program: the built and the installed one
# both answer in the language the window was left in.
file(WRITE $ENV{XDG_CONFIG_HOME}/Lumetra/Lumetra.conf "[General]\nlanguage=1\n")
foreach(program ${BUILT} ${lumetra})
    execute_process(COMMAND ${program} --export ${SOURCE_DIR}/resources/background.png
                            ${WORK_DIR}/design.xyz RESULT_VARIABLE rc ERROR_VARIABLE said)
    must("${program} did not refuse .xyz in German: ${said}"
         rc EQUAL 1 AND said MATCHES "kein Dateityp, den Lumetra schreibt")
endforeach()
file(REMOVE $ENV{XDG_CONFIG_HOME}/Lumetra/Lumetra.conf)
