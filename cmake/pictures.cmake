# The program's pictures and icons, named once for every front-end.

# The windows' pictures in assets/, as the windows' tables name them.
set(hourvault_pictures banner.jpg brand_logo.gif company_logo.gif favor16.jpg favor9.jpg
    tx4090.gif tx4160.gif)

# A picture's twice-as-large twin beside it: name@2x.ext, drawn above 100 %.
function(hourvault_twin variable picture)
    string(REGEX REPLACE "^(.*)\\.([a-z]+)$" "\\1@2x.\\2" twin ${picture})
    set(${variable} ${twin} PARENT_SCOPE)
endfunction()

# hourvault_assets(<variable> [NAMES] [PICTURES] [TWINS] [ICON_THEME] [WINDOW_ICONS]): the
# assets of the kinds named, as paths (as names within assets/ with NAMES). PICTURES are the
# windows' pictures and TWINS their twins; ICON_THEME is the icon at each size of the icon
# theme, as assets/source/make_assets draws them (icons/16x16.png, ...); WINDOW_ICONS are the
# sizes a window's icon is chosen from: icon.png, the window's own 32 px picture, and the theme's
# other sizes.
function(hourvault_assets variable)
    cmake_parse_arguments(PARSE_ARGV 1 want "NAMES;PICTURES;TWINS;ICON_THEME;WINDOW_ICONS" "" "")
    set(assets "")
    if(want_PICTURES)
        list(APPEND assets ${hourvault_pictures})
    endif()
    if(want_TWINS)
        foreach(picture IN LISTS hourvault_pictures)
            hourvault_twin(twin ${picture})
            list(APPEND assets ${twin})
        endforeach()
    endif()
    file(GLOB theme RELATIVE ${PROJECT_SOURCE_DIR}/assets ${PROJECT_SOURCE_DIR}/assets/icons/*x*.png)
    if(want_ICON_THEME)
        list(APPEND assets ${theme})
    endif()
    if(want_WINDOW_ICONS)
        list(REMOVE_ITEM theme icons/32x32.png)
        list(APPEND assets icon.png ${theme})
    endif()
    if(NOT want_NAMES)
        list(TRANSFORM assets PREPEND ${PROJECT_SOURCE_DIR}/assets/)
    endif()
    set(${variable} ${assets} PARENT_SCOPE)
endfunction()

# Writes the part of each main-window picture that its box shows (cmake/shown_pictures.py) to
# OUTPUT (the files the given option makes) when the layout or a picture changes: --qt FILE.cpp,
# or --bitmaps FOLDER with the bitmaps' paths as OUTPUT.
function(hourvault_shown_pictures option destination)
    hourvault_assets(pictures PICTURES TWINS)
    add_custom_command(OUTPUT ${ARGN}
        COMMAND Python3::Interpreter ${PROJECT_SOURCE_DIR}/cmake/shown_pictures.py
                ${PROJECT_SOURCE_DIR}/layout/main_window.cpp ${PROJECT_SOURCE_DIR}/assets
                ${option} ${destination}
        DEPENDS ${PROJECT_SOURCE_DIR}/cmake/shown_pictures.py
                ${PROJECT_SOURCE_DIR}/layout/main_window.cpp ${pictures}
        VERBATIM)
endfunction()
