# Builds the Debian package of the build tree BUILD into OUT, copies it to OUT/tavrolin.deb for the
# lintian test, and checks what lintian cannot know: that the files a user looks for are in it,
# that the run-time plugin and font are asked for, and that the changelog names this version.
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE ${OUT})
execute_process(COMMAND cpack --config ${BUILD}/CPackConfig.cmake -B ${OUT}
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
file(GLOB debs ${OUT}/tavrolin_*.deb)
list(LENGTH debs count)
if(NOT result EQUAL 0 OR NOT count EQUAL 1)
    message(FATAL_ERROR "cpack failed (${result}), packages: ${debs}\n${output}")
endif()
file(COPY_FILE ${debs} ${OUT}/tavrolin.deb)

execute_process(COMMAND dpkg-deb --contents ${OUT}/tavrolin.deb
                OUTPUT_VARIABLE contents COMMAND_ERROR_IS_FATAL ANY)
foreach(file usr/bin/tavrolin usr/share/man/man1/tavrolin.1.gz
             usr/share/doc/tavrolin/copyright usr/share/doc/tavrolin/changelog.gz
             usr/share/applications/${APP_ID}.desktop usr/share/metainfo/${APP_ID}.metainfo.xml
             usr/share/icons/hicolor/scalable/apps/${APP_ID}.svg
             usr/share/bash-completion/completions/tavrolin)
    if(NOT contents MATCHES " \\./${file}\n")
        message(SEND_ERROR "not in the package: ${file}")
    endif()
endforeach()

execute_process(COMMAND dpkg-deb --field ${OUT}/tavrolin.deb Version Depends Recommends
                OUTPUT_VARIABLE fields COMMAND_ERROR_IS_FATAL ANY)
# Depends comes from dpkg-shlibdeps; an empty one means the libraries were never looked at.
foreach(wanted "Depends: [^\n]*libqt6widgets6" "Recommends: [^\n]*libqt6svg6"
               "Recommends: [^\n]*fonts-liberation")
    if(NOT fields MATCHES "${wanted}")
        message(SEND_ERROR "package fields lack ${wanted}:\n${fields}")
    endif()
endforeach()

# The top entry of the changelog is the version being packaged.
string(REGEX MATCH "Version: ([^\n]*)" _ "${fields}")
set(version ${CMAKE_MATCH_1})
file(STRINGS ${CHANGELOG} first_line LIMIT_COUNT 1)
if(NOT first_line MATCHES "^tavrolin \\(${version}\\) ")
    message(SEND_ERROR "the changelog starts \"${first_line}\", not version ${version}")
endif()
