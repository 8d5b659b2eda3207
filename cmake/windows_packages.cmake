# The Windows program's two packages, beside it in the build: an MSI built by wixl (msitools)
# from packaging/windows/hourvault.wxs.in, and a portable zip. Each holds the program, the
# licence and a short readme, with Windows' line ends; both are built with the program where
# wixl is installed, and otherwise only when asked for (the windows_packages target). The
# 32-bit build makes hourvault-X.Y.Z.msi and hourvault-X.Y.Z-portable.zip, the x86-64 build
# hourvault-X.Y.Z-x64.msi and hourvault-X.Y.Z-x64-portable.zip.
find_program(HOURVAULT_WIXL wixl)
find_program(HOURVAULT_MSIBUILD msibuild)
if(HOURVAULT_WIXL AND HOURVAULT_MSIBUILD)
    set(packages_with_the_program ALL)
else()
    set(packages_with_the_program "")
    message(STATUS "No wixl and msibuild: the Windows packages are built only when asked for")
endif()
set(package ${PROJECT_BINARY_DIR}/package)

# What the 32-bit (x86) and the 64-bit (x64) package differ in, by wixl's name for each: the
# files' suffix, the Program Files folder, whether the components are 64-bit, and the codes of
# the components Program, Documents and DesktopShortcut. A 64-bit component keeps its files and
# registry value elsewhere than the 32-bit one, so it has a code of its own.
set(HOURVAULT_MSI_x86 "" ProgramFilesFolder no 8e35544e-3f83-47cd-b9e5-aacaa9b842a9
    15e01278-25a8-4154-8cef-4a425e6018a6 dc421061-0a65-43f0-8a94-87002ddd2423)
set(HOURVAULT_MSI_x64 -x64 ProgramFiles64Folder yes d81e1312-384f-48be-9232-a1c69333a44b
    6b364faa-a77b-4d7a-8b84-b91834c880e7 94d4ea5a-6f14-45f5-aeac-101acda57580)
if(CMAKE_SYSTEM_PROCESSOR STREQUAL x86_64)
    set(arch x64)
else()
    set(arch x86)
endif()
list(GET HOURVAULT_MSI_${arch} 0 suffix)
set(msi ${package}/hourvault-${PROJECT_VERSION}${suffix}.msi)
set(zip ${package}/hourvault-${PROJECT_VERSION}${suffix}-portable.zip)
set(HOURVAULT_MSI ${msi} PARENT_SCOPE)
set(HOURVAULT_ZIP ${zip} PARENT_SCOPE)
set(HOURVAULT_MSI_ARCH ${arch} PARENT_SCOPE)
set(HOURVAULT_WXS ${package}/hourvault-${arch}.wxs PARENT_SCOPE)

# What both packages hold, gathered in one folder, where wixl finds the files by their names.
set(files ${package}/files)
set(HOURVAULT_LICENSE ${files}/LICENSE.txt)
set(HOURVAULT_README ${files}/README.txt)
set(HOURVAULT_SUMMARY "Work out how long a video recorder can record")
# The one code all versions of both architectures share, by which a newer one finds the one it
# replaces: installing either package removes the other, so Apps & features never lists two.
set(HOURVAULT_UPGRADE_CODE "{4E4A4583-6924-4A53-8BFB-B87B42862665}")
configure_file(${PROJECT_SOURCE_DIR}/LICENSE ${HOURVAULT_LICENSE} @ONLY NEWLINE_STYLE CRLF)
configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/README.txt.in ${HOURVAULT_README} @ONLY
               NEWLINE_STYLE CRLF)
add_custom_command(OUTPUT ${files}/hourvault.exe ${files}/hourvault.ico
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:hourvault> ${files}/hourvault.exe
    COMMAND ${CMAKE_COMMAND} -E copy ${HOURVAULT_ICON} ${files}/hourvault.ico
    DEPENDS hourvault ${HOURVAULT_ICON}
    VERBATIM)

# The MSI of one architecture (x86 or x64) from the files above, as OUTPUT.
function(hourvault_msi arch output)
    list(GET HOURVAULT_MSI_${arch} 1 HOURVAULT_MSI_PROGRAM_FILES)
    list(GET HOURVAULT_MSI_${arch} 2 HOURVAULT_MSI_WIN64)
    list(GET HOURVAULT_MSI_${arch} 3 HOURVAULT_MSI_PROGRAM_CODE)
    list(GET HOURVAULT_MSI_${arch} 4 HOURVAULT_MSI_DOCUMENTS_CODE)
    list(GET HOURVAULT_MSI_${arch} 5 HOURVAULT_MSI_DESKTOP_CODE)
    set(wxs ${package}/hourvault-${arch}.wxs)
    configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/hourvault.wxs.in ${wxs} @ONLY)
    if(NOT (HOURVAULT_WIXL AND HOURVAULT_MSIBUILD))
        add_custom_command(OUTPUT ${output}
            COMMAND ${CMAKE_COMMAND} -E echo
                    "the MSI needs wixl and msibuild: install the Windows tools with: scripts/setup windows"
            COMMAND ${CMAKE_COMMAND} -E false
            VERBATIM)
        return()
    endif()
    # wixl's upgrade rule replaces older versions only; a rebuild of the same version, which
    # has a product code of its own, must replace that version too, or both would be listed.
    set(upgrade "`UpgradeCode`, `VersionMax`, `Attributes`, `ActionProperty`")
    add_custom_command(OUTPUT ${output}
        COMMAND ${HOURVAULT_WIXL} --arch ${arch} --output ${output} ${wxs}
        COMMAND ${HOURVAULT_MSIBUILD} ${output}
                -q "DELETE FROM `Upgrade` WHERE `ActionProperty` = 'WIX_UPGRADE_DETECTED'"
                -q "INSERT INTO `Upgrade` (${upgrade}) VALUES ('${HOURVAULT_UPGRADE_CODE}', '${PROJECT_VERSION}', 513, 'WIX_UPGRADE_DETECTED')"
        DEPENDS ${files}/hourvault.exe ${files}/hourvault.ico ${wxs} ${HOURVAULT_LICENSE}
                ${HOURVAULT_README}
        WORKING_DIRECTORY ${files}
        VERBATIM)
endfunction()

hourvault_msi(${arch} ${msi})
add_custom_command(OUTPUT ${zip}
    COMMAND ${CMAKE_COMMAND} -E chdir ${files}
            ${CMAKE_COMMAND} -E tar cf ${zip} --format=zip hourvault.exe LICENSE.txt README.txt
    DEPENDS ${files}/hourvault.exe ${HOURVAULT_LICENSE} ${HOURVAULT_README}
    VERBATIM)
add_custom_target(windows_packages ${packages_with_the_program} DEPENDS ${msi} ${zip})

# For the x86-64 build's tests, which install a 32-bit package first for the 64-bit one to
# replace: the 32-bit MSI of the same files (its program is a 64-bit one, never run from it).
if(HOURVAULT_BUILD_TESTS AND arch STREQUAL x64)
    set(msi_x86 ${PROJECT_BINARY_DIR}/tests/win32/hourvault-${PROJECT_VERSION}-x86-for-tests.msi)
    hourvault_msi(x86 ${msi_x86})
    add_custom_target(windows_packages_x86_for_tests ${packages_with_the_program}
                      DEPENDS ${msi_x86})
    set(HOURVAULT_MSI_X86_FOR_TESTS ${msi_x86} PARENT_SCOPE)
endif()
