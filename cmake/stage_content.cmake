# Copies the content folder to TARGET. Files that change as the program runs (the worksheet register) are
# copied only when TARGET has none, so a rebuild never throws away a teacher's worksheets.
file(GLOB_RECURSE files RELATIVE ${SOURCE} ${SOURCE}/*)
foreach(f IN LISTS files)
    set(dest ${TARGET}/${f})
    if(f MATCHES "^multiple/track\\.txt$" AND EXISTS ${dest})
        continue()
    endif()
    if(NOT EXISTS ${dest} OR ${SOURCE}/${f} IS_NEWER_THAN ${dest})
        get_filename_component(dir ${dest} DIRECTORY)
        file(MAKE_DIRECTORY ${dir})
        file(COPY_FILE ${SOURCE}/${f} ${dest})
    endif()
endforeach()
