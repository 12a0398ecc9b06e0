# Runs the generator into a scratch folder and checks that it draws exactly
# what is committed in assets/: the same files, byte for byte.
#
# Bytes, not decoded pixels: JPEG is lossy, so another encoder would change
# the pixels as well, and everything else (BMP, the icons, the resource list)
# is written byte by byte. On the pinned toolchain the output is identical.
#
#   cmake -DGENERATOR=make_assets -DASSETS=assets -DSCRATCH=folder -P compare.cmake

cmake_minimum_required(VERSION 3.25)

file(REMOVE_RECURSE "${SCRATCH}")
execute_process(COMMAND "${GENERATOR}" "${SCRATCH}"
    RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "make_assets failed (${status}):\n${output}")
endif()

file(GLOB_RECURSE drawn RELATIVE "${SCRATCH}" "${SCRATCH}/*")
file(GLOB_RECURSE committed RELATIVE "${ASSETS}" "${ASSETS}/*")
list(REMOVE_ITEM committed README.md)

set(differences "")
foreach(name IN LISTS committed)
    if(NOT name IN_LIST drawn)
        string(APPEND differences "  not drawn any more: ${name}\n")
        continue()
    endif()
    file(SHA256 "${ASSETS}/${name}" committedHash)
    file(SHA256 "${SCRATCH}/${name}" drawnHash)
    if(NOT committedHash STREQUAL drawnHash)
        string(APPEND differences "  drawn differently: ${name}\n")
    endif()
endforeach()
foreach(name IN LISTS drawn)
    if(NOT name IN_LIST committed)
        string(APPEND differences "  drawn but not committed: ${name}\n")
    endif()
endforeach()

if(differences)
    message(FATAL_ERROR "make_assets no longer draws the committed assets:\n${differences}"
        "(the new drawing is in ${SCRATCH}; its output:\n${output})")
endif()
