# Installs the build tree into PREFIX and checks that every file a desktop needs is there.
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${PREFIX}
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

set(expected
    bin/tavrolin
    share/applications/${APP_ID}.desktop
    share/metainfo/${APP_ID}.metainfo.xml
    share/icons/hicolor/scalable/apps/${APP_ID}.svg)
foreach(size IN LISTS SIZES)
    list(APPEND expected share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
endforeach()
foreach(file IN LISTS expected)
    if(NOT EXISTS ${PREFIX}/${file})
        message(SEND_ERROR "not installed: ${file}")
    endif()
endforeach()

# The entry must start the installed program with the files it opens and name the installed
# icon.
file(STRINGS ${PREFIX}/share/applications/${APP_ID}.desktop entry)
foreach(line "Exec=tavrolin %F" Icon=${APP_ID})
    if(NOT line IN_LIST entry)
        message(SEND_ERROR "desktop entry lacks ${line}")
    endif()
endforeach()

# "Open With" offers the program for the types its entry lists; software centres read them from
# the metainfo. Both must name the same types.
file(READ ${PREFIX}/share/applications/${APP_ID}.desktop entry_text)
string(REGEX MATCH "\nMimeType=([^\n]*)" found "${entry_text}")
set(entry_types "${CMAKE_MATCH_1}")
list(REMOVE_ITEM entry_types "")
file(READ ${PREFIX}/share/metainfo/${APP_ID}.metainfo.xml metainfo)
string(REGEX MATCHALL "<mediatype>[^<]*</mediatype>" metainfo_types "${metainfo}")
list(TRANSFORM metainfo_types REPLACE "</?mediatype>" "")
list(SORT entry_types)
list(SORT metainfo_types)
if(NOT entry_types OR NOT entry_types STREQUAL metainfo_types)
    message(SEND_ERROR "desktop entry types \"${entry_types}\" differ from metainfo types "
                       "\"${metainfo_types}\"")
endif()
