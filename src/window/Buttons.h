#pragma once

#include "platform/settings/Detection.h"

#include <QRect>
#include <QString>

#include <array>
#include <cstddef>

namespace vistrel {

class ImageArea;

// The fifteen buttons of the main window, in the order of this table.
enum class ButtonId {
    btnMenu,
    btnMinimize,
    btnMaximize,
    btnClose,
    btnInstallCodec,
    btnInstallPlayer,
    btnInfo,
    btnStartPlayer,
    btnExplore,
    btnExit,
    btnBackward,
    btnPlay,
    btnPause,
    btnStop,
    btnForward,
};

enum class ButtonKind {
    // A small image area on the title strip; pressed, it shows one look of the skin's optional
    // title-bar set (menu0.bmp .. menu3.bmp), released, nothing.
    TitleBar,
    // A picture box at the side, hidden until offered; its own set of three pictures: 0 released
    // while what it needs is missing, 1 released, 2 pressed.
    Action,
    // A small image area below the video; pressed with the left button, it shows one picture of
    // the skin's console set, released, nothing.
    Console,
};

// What an action button's released look depends on.
enum class Needs { Nothing, Codec, Player, CodecAndPlayer };

// What a click does with the path a button's vistrel.ini key names.
enum class Opens {
    // The button has no configured path.
    Nothing,
    // Starts the file found there as a program, without arguments.
    Program,
    // Shows the file found there in the video area, in place of the media.
    Document,
    // Hands the folder found there to the desktop's file manager.
    Folder,
    // Hands the movie to the program found there.
    Player,
};

// A key of vistrel.ini.
struct IniKey {
    const char* section;
    const char* key;
};

struct ButtonRow {
    ButtonId id;
    const char* name;
    ButtonKind kind;
    QRect rect;
    // Shown until a language is loaded; the language file's key that replaces it (none: null).
    const char* toolTip;
    const char* toolTipKey;
    // Action: the base name of its picture set ("codec" for codec0.bmp .. codec2.bmp).
    // TitleBar and Console: the index of its picture in the shared set.
    const char* pictureSet;
    int pictureIndex;
    // The key naming what the button opens. A button without one is always there; one with it
    // only while the disc configures that path and the [Main] switch, if named, is "1".
    IniKey path;
    const char* offerSwitch;
    Opens opens;
    // Action only: what the released picture needs when the skin is loaded, and on a release.
    Needs neededAtLoad;
    Needs neededOnRelease;
};

inline constexpr std::array<ButtonRow, 15> Buttons{{
    {ButtonId::btnMenu,
     "btnMenu",
     ButtonKind::TitleBar,
     {0, 0, 16, 16},
     "",
     nullptr,
     nullptr,
     0,
     {nullptr, nullptr},
     nullptr,
     Opens::Nothing,
     Needs::Nothing,
     Needs::Nothing},
    {ButtonId::btnMinimize,
     "btnMinimize",
     ButtonKind::TitleBar,
     {653, 0, 16, 16},
     "Minimieren",
     "tipMinimize",
     nullptr,
     1,
     {nullptr, nullptr},
     nullptr,
     Opens::Nothing,
     Needs::Nothing,
     Needs::Nothing},
    {ButtonId::btnMaximize,
     "btnMaximize",
     ButtonKind::TitleBar,
     {668, 0, 16, 16},
     "Vollbild",
     "tipMaximize",
     nullptr,
     2,
     {nullptr, nullptr},
     nullptr,
     Opens::Nothing,
     Needs::Nothing,
     Needs::Nothing},
    {ButtonId::btnClose,
     "btnClose",
     ButtonKind::TitleBar,
     {683, 0, 16, 16},
     "Schließen",
     "tipClose",
     nullptr,
     3,
     {nullptr, nullptr},
     nullptr,
     Opens::Nothing,
     Needs::Nothing,
     Needs::Nothing},
    {ButtonId::btnInstallCodec,
     "btnInstallCodec",
     ButtonKind::Action,
     {544, 128, 139, 29},
     "Codec installieren (benötigt um Video-Daten anzuzeigen)",
     "tipInstallCodec",
     "codec",
     0,
     {"Codec", "InstallPath"},
     "ShowInstallCodec",
     Opens::Program,
     Needs::Codec,
     Needs::Codec},
    {ButtonId::btnInstallPlayer,
     "btnInstallPlayer",
     ButtonKind::Action,
     {544, 168, 139, 29},
     "Video-Player installieren (empfohlen)",
     "tipInstallPlayer",
     "player",
     0,
     {"Player", "InstallPath"},
     "ShowInstallPlayer",
     Opens::Program,
     Needs::Player,
     Needs::Player},
    {ButtonId::btnInfo,
     "btnInfo",
     ButtonKind::Action,
     {544, 208, 139, 29},
     "Weitere Informationen...",
     "tipInfo",
     "info",
     0,
     {"Main", "InfoPath"},
     "ShowInstallPlayer",
     Opens::Document,
     Needs::Nothing,
     Needs::Nothing},
    // At load only the codec decides; a release also asks for the player.
    {ButtonId::btnStartPlayer,
     "btnStartPlayer",
     ButtonKind::Action,
     {544, 304, 139, 29},
     "Film starten",
     "tipStartPlayer",
     "start",
     0,
     {"Player", "RunPath"},
     "ShowInstallPlayer",
     Opens::Player,
     Needs::Codec,
     Needs::CodecAndPlayer},
    {ButtonId::btnExplore,
     "btnExplore",
     ButtonKind::Action,
     {544, 344, 139, 29},
     "Weitere Inhalte auf dieser CD...",
     "tipExplore",
     "explore",
     0,
     {"Main", "ExplorerPath"},
     "ShowInstallPlayer",
     Opens::Folder,
     Needs::Nothing,
     Needs::Nothing},
    {ButtonId::btnExit,
     "btnExit",
     ButtonKind::Action,
     {544, 384, 139, 29},
     "Vistrel schließen",
     "tipExit",
     "exit",
     0,
     {nullptr, nullptr},
     nullptr,
     Opens::Nothing,
     Needs::Nothing,
     Needs::Nothing},
    {ButtonId::btnBackward,
     "btnBackward",
     ButtonKind::Console,
     {19, 408, 21, 11},
     "Zurück",
     "tipBackward",
     nullptr,
     0,
     {nullptr, nullptr},
     nullptr,
     Opens::Nothing,
     Needs::Nothing,
     Needs::Nothing},
    {ButtonId::btnPlay,
     "btnPlay",
     ButtonKind::Console,
     {41, 408, 21, 11},
     "Start",
     "tipPlay",
     nullptr,
     1,
     {nullptr, nullptr},
     nullptr,
     Opens::Nothing,
     Needs::Nothing,
     Needs::Nothing},
    {ButtonId::btnPause,
     "btnPause",
     ButtonKind::Console,
     {63, 408, 21, 11},
     "Pause",
     "tipPause",
     nullptr,
     2,
     {nullptr, nullptr},
     nullptr,
     Opens::Nothing,
     Needs::Nothing,
     Needs::Nothing},
    {ButtonId::btnStop,
     "btnStop",
     ButtonKind::Console,
     {85, 408, 21, 11},
     "Stop",
     "tipStop",
     nullptr,
     3,
     {nullptr, nullptr},
     nullptr,
     Opens::Nothing,
     Needs::Nothing,
     Needs::Nothing},
    {ButtonId::btnForward,
     "btnForward",
     ButtonKind::Console,
     {107, 408, 21, 11},
     "Vor",
     "tipForward",
     nullptr,
     4,
     {nullptr, nullptr},
     nullptr,
     Opens::Nothing,
     Needs::Nothing,
     Needs::Nothing},
}};

inline constexpr const ButtonRow& buttonRow(ButtonId id) {
    return Buttons[static_cast<std::size_t>(id)];
}

// The rows stand in the order of their ids, so an id finds its row directly.
constexpr bool rowsInIdOrder() {
    for (std::size_t i = 0; i < Buttons.size(); ++i)
        if (static_cast<std::size_t>(Buttons[i].id) != i)
            return false;
    return true;
}
static_assert(rowsInIdOrder(), "the button table must list the buttons in the order of ButtonId");

// The button widgets in the order of the table of buttons.
using ButtonWidgets = std::array<ImageArea*, Buttons.size()>;

constexpr bool pathsWhereOpened() {
    for (const ButtonRow& row : Buttons)
        if ((row.path.key != nullptr) != (row.opens != Opens::Nothing))
            return false;
    return true;
}
static_assert(pathsWhereOpened(), "a button opens something exactly when it names its path's key");

// A text for each button, by its place in the table (the paths a disc configures).
using ButtonTexts = std::array<QString, Buttons.size()>;

inline const QString& textOf(const ButtonTexts& texts, ButtonId id) {
    return texts[static_cast<std::size_t>(id)];
}

} // namespace vistrel

namespace vistrel {

// Whether what an action button needs is installed.
constexpr bool present(Needs needs, const Components& installed) {
    switch (needs) {
    case Needs::Codec:
        return installed.CodecInstalled;
    case Needs::Player:
        return installed.PlayerInstalled;
    case Needs::CodecAndPlayer:
        return installed.CodecInstalled && installed.PlayerInstalled;
    case Needs::Nothing:
        break;
    }
    return true;
}

} // namespace vistrel
