# Installs the build (BUILD) into a fresh prefix (PREFIX) and checks what a desktop finds there.
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD}" --prefix "${PREFIX}"
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(result)
    message(FATAL_ERROR "cmake --install failed (${result}):\n${output}")
endif()

set(id org.orvel.Orvel)
set(desktop "${PREFIX}/share/applications/${id}.desktop")
set(metainfo "${PREFIX}/share/metainfo/${id}.metainfo.xml")
foreach(path "${PREFIX}/bin/orvel" "${desktop}" "${metainfo}"
        "${PREFIX}/share/icons/hicolor/scalable/apps/${id}.svg"
        "${PREFIX}/share/doc/orvel/manual.txt" "${PREFIX}/share/doc/orvel/README.md")
    if(NOT EXISTS "${path}")
        message(FATAL_ERROR "not installed: ${path}")
    endif()
endforeach()
execute_process(COMMAND test -x "${PREFIX}/bin/orvel" RESULT_VARIABLE result)
if(result)
    message(FATAL_ERROR "the installed program cannot be run: ${PREFIX}/bin/orvel")
endif()

# The menu entry starts the installed program with the page and shows the installed picture; the
# catalogue entry names the menu entry.
file(READ "${desktop}" entry)
foreach(line "Exec=orvel %f" "Icon=${id}" "MimeType=text/html;")
    string(FIND "${entry}" "\n${line}" at)
    if(at LESS 0)
        message(FATAL_ERROR "${desktop} lacks the line \"${line}\"")
    endif()
endforeach()
file(READ "${metainfo}" catalogue)
string(FIND "${catalogue}" "<launchable type=\"desktop-id\">${id}.desktop</launchable>" at)
if(at LESS 0)
    message(FATAL_ERROR "${metainfo} does not launch ${id}.desktop")
endif()

# The desktop's own checkers, where the machine has them.
find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
if(DESKTOP_FILE_VALIDATE)
    execute_process(COMMAND "${DESKTOP_FILE_VALIDATE}" "${desktop}" RESULT_VARIABLE result
        OUTPUT_VARIABLE output ERROR_VARIABLE output)
    if(result OR NOT output STREQUAL "")
        message(FATAL_ERROR "desktop-file-validate: ${output}")
    endif()
else()
    message(STATUS "desktop-file-validate not found: the menu entry is not validated")
endif()
find_program(APPSTREAMCLI appstreamcli)
if(APPSTREAMCLI)
    execute_process(COMMAND "${APPSTREAMCLI}" validate --no-net "${metainfo}"
        RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
    if(result)
        message(FATAL_ERROR "appstreamcli validate: ${output}")
    endif()
else()
    message(STATUS "appstreamcli not found: the catalogue entry is not validated")
endif()
