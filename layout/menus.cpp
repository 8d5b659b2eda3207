#include "menus.h"

#include "main_window.h"

namespace hourvault {

namespace {

constexpr std::array<MenuItem, 3> fileItems{{
    {"mnuClear", "Clear", Command::clear, 'C'},
    {"mnuHyphen", nullptr, std::nullopt, 0},
    {"mnuExit", "Exit", Command::exit, 'X'},
}};

constexpr std::array<MenuItem, 2> modelItems{{
    {"mnu16", "TX-4160 (16 channel)", Command::model16, 0},
    {"mnu9", "TX-4090 (9 channel)", Command::model9, 0},
}};

constexpr std::array<MenuItem, 2> formatItems{{
    {"mnuNTSC", main_window::formatCaption(Format::ntsc), Command::ntsc, 0},
    {"mnuPAL", main_window::formatCaption(Format::pal), Command::pal, 0},
}};

constexpr std::array<MenuItem, 3> helpItems{{
    {"mnuGlossary", "Glossary", Command::glossary, 'G'},
    {"mnuHyphen1", nullptr, std::nullopt, 0},
    {"mnuAbout", "About 'Hourvault'", Command::about, 0},
}};

} // namespace

const std::array<Menu, 4> mainMenus{{
    {"mnuFile", "File", fileItems},
    {"mnuModel", "Model", modelItems},
    {"mnuFormat", "Format", formatItems},
    {"mnuHelp", "Help", helpItems},
}};

} // namespace hourvault
