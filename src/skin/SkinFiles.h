#pragma once

#include "window/Buttons.h"
#include "window/WindowAreas.h"

#include <QSize>
#include <QString>

#include <array>
#include <cstddef>

namespace vistrel {

// What a part of a skin is for.
enum class SkinRole {
    // The window's picture, drawn unscaled from its top-left corner.
    Background,
    // The mask the window's outline is cut from (black is outside).
    Outline,
    // A set of button looks; the kind of its buttons says which picture each shows.
    Buttons,
    // The picture area's first picture, stretched over the video area.
    Logo,
    // The title area's picture, shown at its own size.
    Title,
};

// Whether a skin must have a part.
enum class Presence {
    // The program ends when it cannot be loaded.
    Required,
    // A skin may go without it; when there, it must load.
    Optional,
    // A set a skin may go without: its first picture decides, the others are then required.
    AllOrNone,
    // Required unless the configuration names the disc's own title picture.
    UnlessDiscTitle,
};

// One part of a skin folder: a single picture ("back.bmp") or a numbered set of pictures
// ("codec0.bmp" .. "codec2.bmp"), all directly in the skin's folder.
struct SkinPart {
    SkinRole role = SkinRole::Background;
    // A single picture's name without ".bmp", or the set's name as messages name it.
    const char* name = "";
    // The pictures of a set; 0 for a single picture.
    int count = 0;
    Presence presence = Presence::Required;
    // Buttons only: the kind of buttons that show the set, and an action set's own button.
    ButtonKind kind = ButtonKind::Action;
    ButtonId button = ButtonId::btnMenu;
};

// An action button's set: 0 released while what it needs is missing, 1 released, 2 pressed.
inline constexpr int ActionLooks = 3;

namespace skinfiles {

constexpr int buttonsOfKind(ButtonKind kind) {
    int count = 0;
    for (const ButtonRow& row : Buttons)
        count += row.kind == kind ? 1 : 0;
    return count;
}

// Each action button has a set of its own; the playback and title-bar buttons share one each.
inline constexpr std::size_t PartCount = 6 + std::size_t(buttonsOfKind(ButtonKind::Action));

constexpr std::array<SkinPart, PartCount> describe() {
    std::array<SkinPart, PartCount> parts{};
    std::size_t n = 0;
    parts[n++] = {.role = SkinRole::Background, .name = "back"};
    parts[n++] = {.role = SkinRole::Outline, .name = "transp", .presence = Presence::Optional};
    for (const ButtonRow& row : Buttons)
        if (row.kind == ButtonKind::Action)
            parts[n++] = {.role = SkinRole::Buttons,
                          .name = row.pictureSet,
                          .count = ActionLooks,
                          .kind = ButtonKind::Action,
                          .button = row.id};
    parts[n++] = {.role = SkinRole::Buttons,
                  .name = "console",
                  .count = buttonsOfKind(ButtonKind::Console),
                  .kind = ButtonKind::Console};
    parts[n++] = {.role = SkinRole::Logo, .name = "logo"};
    parts[n++] = {.role = SkinRole::Title, .name = "title", .presence = Presence::UnlessDiscTitle};
    parts[n++] = {.role = SkinRole::Buttons,
                  .name = "menu",
                  .count = buttonsOfKind(ButtonKind::TitleBar),
                  .presence = Presence::AllOrNone,
                  .kind = ButtonKind::TitleBar};
    return parts;
}

// A shared set's pictures are numbered by the buttons' picture indices: one each, none left out.
constexpr bool sharedSetNumbered(ButtonKind kind) {
    const int count = buttonsOfKind(kind);
    for (int index = 0; index < count; ++index) {
        int owners = 0;
        for (const ButtonRow& row : Buttons)
            owners += row.kind == kind && row.pictureIndex == index ? 1 : 0;
        if (owners != 1)
            return false;
    }
    return true;
}
static_assert(sharedSetNumbered(ButtonKind::Console) && sharedSetNumbered(ButtonKind::TitleBar),
              "each playback and title-bar button needs a picture index of its own, from 0 up");

} // namespace skinfiles

// Every part of a skin, in the order the loader applies them.
inline constexpr std::array<SkinPart, skinfiles::PartCount> SkinFiles = skinfiles::describe();

// The pictures a part has: a single picture counts as one.
constexpr int pictureCount(const SkinPart& part) {
    return part.count > 0 ? part.count : 1;
}

// The button that shows picture index of a button set.
constexpr ButtonId buttonOf(const SkinPart& part, int index) {
    if (part.kind != ButtonKind::Action)
        for (const ButtonRow& row : Buttons)
            if (row.kind == part.kind && row.pictureIndex == index)
                return row.id;
    return part.button;
}

// The set that holds a button's pictures.
constexpr const SkinPart& skinPartOf(ButtonId button) {
    const ButtonKind kind = buttonRow(button).kind;
    for (const SkinPart& part : SkinFiles)
        if (part.role == SkinRole::Buttons && part.kind == kind &&
            (kind != ButtonKind::Action || part.button == button))
            return part;
    return SkinFiles.front();
}

// The size of the place where picture index of the part is shown: its pictures are drawn to it.
constexpr QSize placeOf(const SkinPart& part, int index = 0) {
    switch (part.role) {
    case SkinRole::Background:
    case SkinRole::Outline:
        return {WindowWidth, WindowHeight};
    case SkinRole::Logo:
        return VideoArea.size();
    case SkinRole::Title:
        return TitleArea.size();
    case SkinRole::Buttons:
        break;
    }
    return buttonRow(buttonOf(part, index)).rect.size();
}

// The file of picture index of the part: "back.bmp", "codec2.bmp".
QString skinFileName(const SkinPart& part, int index = 0);

} // namespace vistrel
