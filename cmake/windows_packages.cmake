# The Windows program's two packages, beside it in the build: an MSI built by wixl (msitools)
# from packaging/windows/hourvault.wxs.in, and a portable zip. Each holds the program, the
# licence and a short readme, with Windows' line ends; both are built with the program.
find_program(HOURVAULT_WIXL wixl)
find_program(HOURVAULT_MSIBUILD msibuild)
set(package ${PROJECT_BINARY_DIR}/package)
set(HOURVAULT_MSI ${package}/hourvault-${PROJECT_VERSION}.msi PARENT_SCOPE)
set(HOURVAULT_ZIP ${package}/hourvault-${PROJECT_VERSION}-portable.zip PARENT_SCOPE)
set(msi ${package}/hourvault-${PROJECT_VERSION}.msi)
set(zip ${package}/hourvault-${PROJECT_VERSION}-portable.zip)

# What both packages hold, gathered in one folder, where wixl finds the files by their names.
set(files ${package}/files)
set(HOURVAULT_LICENSE ${files}/LICENSE.txt)
set(HOURVAULT_README ${files}/README.txt)
set(HOURVAULT_SUMMARY "Work out how long a video recorder can record")
# The one code all versions share, by which a newer one finds the one it replaces.
set(HOURVAULT_UPGRADE_CODE "{4E4A4583-6924-4A53-8BFB-B87B42862665}")
configure_file(${PROJECT_SOURCE_DIR}/LICENSE ${HOURVAULT_LICENSE} @ONLY NEWLINE_STYLE CRLF)
configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/README.txt.in ${HOURVAULT_README} @ONLY
               NEWLINE_STYLE CRLF)
configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/hourvault.wxs.in ${package}/hourvault.wxs
               @ONLY)
add_custom_command(OUTPUT ${files}/hourvault.exe ${files}/hourvault.ico
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:hourvault> ${files}/hourvault.exe
    COMMAND ${CMAKE_COMMAND} -E copy ${HOURVAULT_ICON} ${files}/hourvault.ico
    DEPENDS hourvault ${HOURVAULT_ICON}
    VERBATIM)

if(HOURVAULT_WIXL AND HOURVAULT_MSIBUILD)
    # wixl's upgrade rule replaces older versions only; a rebuild of the same version, which
    # has a product code of its own, must replace that version too, or both would be listed.
    set(upgrade "`UpgradeCode`, `VersionMax`, `Attributes`, `ActionProperty`")
    add_custom_command(OUTPUT ${msi}
        COMMAND ${HOURVAULT_WIXL} --arch x86 --output ${msi} ${package}/hourvault.wxs
        COMMAND ${HOURVAULT_MSIBUILD} ${msi}
                -q "DELETE FROM `Upgrade` WHERE `ActionProperty` = 'WIX_UPGRADE_DETECTED'"
                -q "INSERT INTO `Upgrade` (${upgrade}) VALUES ('${HOURVAULT_UPGRADE_CODE}', '${PROJECT_VERSION}', 513, 'WIX_UPGRADE_DETECTED')"
        DEPENDS ${files}/hourvault.exe ${files}/hourvault.ico ${package}/hourvault.wxs
                ${HOURVAULT_LICENSE} ${HOURVAULT_README}
        WORKING_DIRECTORY ${files}
        VERBATIM)
else()
    add_custom_command(OUTPUT ${msi}
        COMMAND ${CMAKE_COMMAND} -E echo
                "the MSI needs wixl and msibuild: install the Windows tools with: scripts/setup windows"
        COMMAND ${CMAKE_COMMAND} -E false
        VERBATIM)
endif()
add_custom_command(OUTPUT ${zip}
    COMMAND ${CMAKE_COMMAND} -E chdir ${files}
            ${CMAKE_COMMAND} -E tar cf ${zip} --format=zip hourvault.exe LICENSE.txt README.txt
    DEPENDS ${files}/hourvault.exe ${HOURVAULT_LICENSE} ${HOURVAULT_README}
    VERBATIM)
add_custom_target(windows_packages ALL DEPENDS ${msi} ${zip})
