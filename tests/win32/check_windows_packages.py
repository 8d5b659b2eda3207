#!/usr/bin/python3
# The Windows packages of one architecture (x86 or x64) as a Windows user meets them, under Wine
# in a prefix made afresh of that architecture: the MSI installs the program under that
# architecture's Program Files with its licence and readme, a Start menu shortcut
# with the program's icon and an Apps & features entry with its name, version and publisher;
# the installed program opens its window; the same MSI again changes nothing, the same version
# built again replaces it, an older version is refused over it and replaced by it; a desktop
# shortcut comes only when asked for; removing it leaves nothing. Given a 32-bit MSI of the same
# version too, the 64-bit one installed over it replaces it, and the other way round. msiinfo
# reads the package's summary and tables; the zip holds three files; the program's version
# information names it, its maker and the project's version.
# Usage: check_windows_packages.py ARCH MSI ZIP WXS PROGRAM READER VERSION VENDOR [MSI_X86]
import json
import re
import os
import shutil
import subprocess
import sys
import tempfile
import uuid
import zipfile
from pathlib import Path

sys.dont_write_bytecode = True
sys.path.insert(0, str(Path(__file__).parents[1] / "end_to_end"))
missing = [tool for tool in ("wine", "wineserver", "wixl", "msiinfo", "Xvfb", "openbox", "xdotool")
           if shutil.which(tool) is None]
if missing:
    sys.exit(f"windows_packages_test needs {', '.join(missing)}: install the Windows tools with: "
             "scripts/setup windows")
import session  # noqa: E402
from session import expect  # noqa: E402

arch = sys.argv[1]
msi, zipped, wxs, program, reader = map(Path, sys.argv[2:7])
version, vendor = sys.argv[7:9]
msi_x86 = Path(sys.argv[9]) if len(sys.argv) > 9 else None
# wine-run makes the prefix, and runs msiexec and reg, of the package's architecture.
os.environ["HOURVAULT_WINEARCH"] = {"x86": "win32", "x64": "win64"}[arch]
WINE_RUN = Path(__file__).parents[2] / "cmake" / "wine-run"
TITLE = "OSTREL  Hourvault"
UNINSTALL = r"HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall"
# Where a package installs: a 32-bit one on 64-bit Windows in Program Files (x86).
WINDOWS_FOLDER = {"x64": r"C:\Program Files\Hourvault",
                  "x86": r"C:\Program Files (x86)\Hourvault" if arch == "x64"
                  else r"C:\Program Files\Hourvault"}
# Apps & features lists the 32-bit registry's entries on 64-bit Windows too; that view has no
# such key until a 32-bit package makes one.
VIEWS = [["/reg:64"], ["/reg:32"]] if arch == "x64" else [[]]

def wine(*command, check=True):  # a program of Wine's, or of the build, in the test's session
    done = subprocess.run([str(WINE_RUN), *map(str, command)], capture_output=True, text=True,
                          timeout=120)
    assert not check or done.returncode == 0, (command, done.returncode, done.stderr[-2000:])
    return done

def msiexec(*arguments):
    return wine("msiexec", *arguments, "/qn", check=False).returncode

def entries():  # what Apps & features lists as Hourvault: its key's values
    found, values = [], {}
    listing = "".join(wine("reg", "query", UNINSTALL, "/s", *view, check=view == VIEWS[0]).stdout
                      for view in VIEWS)
    for line in listing.splitlines():
        if line.startswith("HKEY_"):
            values = {}
            found.append(values)
        elif line.strip():
            name, _, value = line.strip().partition("    ")
            values[name] = value.split("    ", 1)[-1].strip()
    return [values for values in found if values.get("DisplayName") == "Hourvault"]

def installed(version_wanted, place=None):  # one entry, of this version, every file in its place
    listed = entries()
    assert [entry.get("DisplayVersion") for entry in listed] == [version_wanted], listed
    assert listed[0].get("Publisher") == vendor, listed
    place = place or folder
    assert sorted(p.name for p in place.iterdir()) == ["LICENSE.txt", "README.txt",
                                                       "hourvault.exe"], list(place.iterdir())
    assert {p for p in folders.values() if p.exists()} == {place}, place  # and nowhere else
    return listed[0]

def shortcut(path):  # its target, icon and description, as the shell reads them
    windows_path = "C:\\" + "\\".join(path.relative_to(drive).parts)
    return json.loads(wine(reader, "--shortcut", windows_path).stdout)

def rebuilt(target):  # the same package as built again: a product and a package code of its own
    shutil.copy(msi, target)
    fields = dict(line.split(": ", 1) for line in summary.splitlines() if ": " in line)
    code = lambda: "{" + str(uuid.uuid4()).upper() + "}"
    subprocess.run(["msibuild", target, "-q", f"UPDATE `Property` SET `Value` = '{code()}' "
                    "WHERE `Property` = 'ProductCode'", "-s", fields["Title"], fields["Author"],
                    fields["Template"], code()], check=True)
    return target

def table(name):  # an MSI table's rows, each a list of its columns
    exported = subprocess.run(["msiinfo", "export", msi, name], capture_output=True, text=True,
                              check=True).stdout
    return [line.split("\t") for line in exported.splitlines()[3:]]

# What Windows shows in the program's properties, from its version information.
shown = program.read_bytes().decode("utf-16-le", errors="replace")
for key, value in (("ProductName", "Hourvault"), ("ProductVersion", version),
                   ("FileVersion", version), ("CompanyName", vendor),
                   ("LegalCopyright", "Copyright"), ("FileDescription", "Hourvault")):
    assert re.search(f"{key}\0+{re.escape(value)}", shown), (key, value)

# The package's summary and tables, and the zip.
summary = subprocess.run(["msiinfo", "suminfo", msi], capture_output=True, text=True,
                         check=True).stdout
for wanted in ("Hourvault", vendor, {"x86": "Intel;1033", "x64": "x64;1033"}[arch]):
    assert wanted in summary, (wanted, summary)
properties = dict(row[:2] for row in table("Property"))
assert (properties["ProductName"], properties["ProductVersion"], properties["Manufacturer"]) == (
    "Hourvault", version, vendor), properties
assert properties["UpgradeCode"] and properties["ARPHELPLINK"].startswith("https://"), properties
assert sorted(row[2].split("|")[-1] for row in table("File")) == [
    "LICENSE.txt", "README.txt", "hourvault.exe"], table("File")
# A 64-bit package's components are 64-bit ones, which Windows keeps apart from 32-bit ones.
assert {int(row[3]) & 256 for row in table("Component")} == {256 if arch == "x64" else 0}, \
    table("Component")
with zipfile.ZipFile(zipped) as archive:
    assert sorted(archive.namelist()) == ["LICENSE.txt", "README.txt", "hourvault.exe"], \
        archive.namelist()
    assert archive.read("hourvault.exe") == program.read_bytes()
    assert b"\r\n" in archive.read("README.txt")  # readable in any Windows editor

with tempfile.TemporaryDirectory(prefix="hourvault-packages-") as private:
    prefix = Path(private) / "wine"
    # Wine links the user's desktop and documents to the home folder: one of our own.
    os.environ.update(HOURVAULT_WINEPREFIX=str(prefix), HOURVAULT_WINE_DISPLAY="inherit",
                      XDG_RUNTIME_DIR=private, HOME=private)
    drive = prefix / "drive_c"
    folders = {name: drive.joinpath(*place.split("\\")[1:])
               for name, place in WINDOWS_FOLDER.items()}
    folder = folders[arch]
    # Windows puts an installation for all users in the common Start menu and on the common
    # desktop; Wine in the user's.
    menus = [drive / place / "Microsoft" / "Windows" / "Start Menu" / "Programs"
             for place in ("ProgramData", Path("users") / os.environ.get("USER", "root") /
                           "AppData" / "Roaming")]
    start_menu = lambda: [menu / "Hourvault.lnk" for menu in menus
                          if (menu / "Hourvault.lnk").exists()]
    desktops = [drive / "users" / user / "Desktop" for user in ("Public", os.environ.get(
        "USER", "root"))]
    on_desktop = lambda: [place / "Hourvault.lnk" for place in desktops
                          if (place / "Hourvault.lnk").exists()]
    # An older version of the same package, for the downgrade and the upgrade.
    older = Path(private) / "hourvault-older.msi"
    older_wxs = Path(private) / "older.wxs"
    older_wxs.write_text(wxs.read_text().replace(f'Version="{version}"', 'Version="1.9.0"'))
    subprocess.run(["wixl", "--arch", arch, "--output", older, older_wxs], check=True,
                   cwd=wxs.parent / "files")  # where the package's files are, by name
    try:
        os.environ["DISPLAY"] = ":" + session.serve("Xvfb", "-displayfd", "1", "-nolisten", "tcp",
                                                    "-screen", "0", "1024x768x24")
        session.start("openbox", stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

        assert entries() == []  # the prefix made, or why not in wine-run's words
        assert msiexec("/i", msi) == 0
        entry = installed(version)
        assert entry.get("URLInfoAbout", "").startswith("https://"), entry
        assert len(start_menu()) == 1, start_menu()
        link = shortcut(start_menu()[0])
        assert link["target"] == WINDOWS_FOLDER[arch] + r"\hourvault.exe", link
        icon = drive.joinpath(*link["icon"].split("\\")[1:])  # the installer's copy of it
        assert icon.name == "hourvault.ico" and icon.is_file() and link["description"], link
        assert not on_desktop()
        # The installed program opens its window; closing that ends it.
        running = session.start(str(WINE_RUN), folder / "hourvault.exe", stderr=subprocess.DEVNULL)
        session.xdo("search", "--sync", "--onlyvisible", "--name", f"^{TITLE}$")
        session.close_as_window_manager(TITLE)
        expect("the installed program's exit status", running.poll, 0)

        assert msiexec("/i", msi) == 0  # the same again: still one entry
        installed(version)
        again = rebuilt(Path(private) / "hourvault-rebuilt.msi")
        assert msiexec("/i", again) == 0  # the same version built again replaces it
        installed(version)
        assert msiexec("/i", older) != 0  # an older one is refused
        installed(version)

        assert msiexec("/x", again) == 0  # nothing left
        assert entries() == [] and not folder.exists() and not start_menu()
        assert wine("reg", "query", r"HKLM\Software\Hourvault", check=False).returncode != 0

        assert msiexec("/i", older, "ADDLOCAL=ALL") == 0  # then a newer one over it
        installed("1.9.0")
        assert len(on_desktop()) == 1, on_desktop()
        assert msiexec("/i", msi) == 0
        installed(version)
        assert msiexec("/x", msi) == 0
        assert entries() == [] and not folder.exists() and not on_desktop()

        if msi_x86:  # either architecture's package replaces the other's
            assert msiexec("/i", msi_x86) == 0
            installed(version, folders["x86"])
            assert msiexec("/i", msi) == 0
            installed(version)
            assert msiexec("/i", msi_x86) == 0
            installed(version, folders["x86"])
            assert msiexec("/x", msi_x86) == 0
            assert entries() == [] and not any(p.exists() for p in folders.values())
    finally:
        subprocess.run(["wineserver", "-k"], env=dict(os.environ, WINEPREFIX=str(prefix)))
        session.stop()
print("the MSI and the zip are right, and install, upgrade and uninstall as they should")
